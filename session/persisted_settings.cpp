#include "session/persisted_settings.h"

#include "core/ini_file.h"
#include "core/path_bytes.h"
#include "core/path_calls.h"
#include "core/program_files.h"

#include <QDir>
#include <QStandardPaths>
#include <algorithm>

namespace {
const QString kFileName = QStringLiteral("Settings.ini");
const QString kLast = QStringLiteral("Last");
const QString kPort = QStringLiteral("Port");
const QString kDir = QStringLiteral("Dir");
const QString kPorts = QStringLiteral("Ports");
const QString kNetworkTimeout = QStringLiteral("NetworkTimeout");
constexpr int kFirstPort = 1;
constexpr int kLastPort = 10;
} // namespace

QString ProgramDirectory() {
    QString dir = EnvironmentPath("VT12_PROGRAM_DIR");
    if (dir.isEmpty())
        dir = ApplicationDirectory();
    dir = QDir::toNativeSeparators(QDir::cleanPath(dir));
    if (!dir.endsWith(QDir::separator()))
        dir += QDir::separator();
    return dir;
}

QString SettingsIniPath(const QString& programDir) {
    const QString beside = programDir + kFileName;
    if (!IsInstalledProgramDirectory(programDir) &&
        (EntryAt(beside, Links::Followed).kind != PathKind::Missing ||
         IsWritableFolder(programDir)))
        return beside;
    const QString config = WritableLocation(QStandardPaths::AppConfigLocation);
    MakeFolders(config);
    return QDir(config).filePath(kFileName);
}

PersistedSettings LoadPersistedSettings(const QString& iniPath, const QString& programDir) {
    IniFile ini;
    PersistedSettings settings;
    QString failure;
    if (ini.Load(iniPath, &failure) == SmallFileRead::Outcome::Refused)
        settings.refusal = QStringLiteral("%1: %2; the defaults apply")
                               .arg(QDir::toNativeSeparators(iniPath), failure);
    bool ok = false;
    const int port = ini.Value(kLast, kPort).value_or(QString()).toInt(&ok);
    if (ok && port >= kFirstPort && port <= kLastPort)
        settings.port = port;
    settings.dir = ini.Value(kLast, kDir).value_or(programDir);
    for (const auto& [key, path] : ini.Entries(kPorts)) {
        if (key.compare(kNetworkTimeout, Qt::CaseInsensitive) == 0)
            settings.networkTimeoutMs = NetworkTimeoutFrom(path);
        else
            settings.portPaths.insert(key.toUpper(), path);
    }
    return settings;
}

int NetworkTimeoutFrom(const QString& text) {
    bool ok = false;
    const qlonglong ms = text.trimmed().toLongLong(&ok);
    if (!ok)
        return TModbusClient::kDefaultNetworkTimeoutMs;
    return static_cast<int>(std::clamp<qlonglong>(ms, TModbusClient::kBaseTimeoutMs,
                                                  TModbusClient::kLongestNetworkTimeoutMs));
}

FileWritten SavePersistedSettings(const QString& iniPath, int port, const QString& dir) {
    IniFile ini;
    QString failure;
    if (ini.Load(iniPath, &failure) == SmallFileRead::Outcome::Refused)
        return {false, failure};
    ini.SetValue(kLast, kPort, QString::number(port));
    ini.SetValue(kLast, kDir, dir);
    return ini.Save(iniPath);
}
