#include "app/path_bytes.h"

#include <QFile>

bool KeepsItsBytes(const QByteArray& argument) {
    return QFile::encodeName(QFile::decodeName(argument)) == argument;
}

QString ArgumentsLosingBytes(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        if (!KeepsItsBytes(QByteArray(argv[i])))
            return QStringLiteral("Argument %1 is not valid UTF-8: a file of that name would be "
                                  "written or read under another name; rename it.")
                .arg(i);
    }
    return {};
}
