// Any Settings.ini: read, a key set, saved and read again.

#include "core/ini_file.h"
#include "core/path_bytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("Settings.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::abort();
    }
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();

    IniFile ini;
    ini.Load(path);
    ini.Value(QStringLiteral("Last"), QStringLiteral("Port"));
    ini.Entries(QStringLiteral("Ports"));
    ini.SetValue(QStringLiteral("Last"), QStringLiteral("Port"), QStringLiteral("7"));
    // A folder whose name is no UTF-8 keeps its bytes.
    const QString dirValue = TextKeepingBytes("/tmp/a\xff=b");
    ini.SetValue(QStringLiteral("Last"), QStringLiteral("Dir"), dirValue);
    if (!ini.Save(path)) {
        std::abort();
    }
    IniFile again;
    again.Load(path);
    // What was just set reads back, whatever else the file held.
    if (again.Value(QStringLiteral("Last"), QStringLiteral("Port")) != QStringLiteral("7") ||
        again.Value(QStringLiteral("Last"), QStringLiteral("Dir")) != dirValue) {
        std::abort();
    }
    return 0;
}
