#include "app/command_line.h"

CommandLine ParseCommandLine(const QStringList& arguments) {
    static const QString tracePrefix = QStringLiteral("--TRACE=");
    CommandLine line;
    for (const QString& argument : arguments) {
        const QString upper = argument.toUpper();
        if (upper == u"EXPERT") {
            line.expert = true;
        } else if (upper == u"KORVANTE") {
            line.privateLabel = true;
        } else if (upper.startsWith(u"PORT=")) {
            bool ok = false;
            const int port = upper.mid(5, 2).toInt(&ok);
            line.fixedPort = ok && port > 0 ? port : 0;
        } else if (upper.startsWith(tracePrefix)) {
            line.traceFile = argument.mid(tracePrefix.size());
        }
    }
    return line;
}
