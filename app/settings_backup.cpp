#include "app/settings_backup.h"

#include <QDir>
#include <QStandardPaths>

namespace {
const QString kPrefix = QStringLiteral("vt12-");
const QString kExtension = QStringLiteral(".vt12");
} // namespace

QString SettingsBackupFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("backups"));
}

QString SettingsBackupFileName(const QDateTime& localTime, const FirmwareCode& code) {
    QString codeText = code.Text();
    for (QChar& c : codeText) {
        if (!c.isLetterOrNumber() || c.unicode() > 0x7F)
            c = u'-';
    }
    return kPrefix + localTime.toString(QStringLiteral("yyyy-MM-dd_HHmmss-")) + codeText +
           kExtension;
}

SettingsBackupDecision DecideSettingsBackup(bool bootloaderMode, uint32_t readJobsDone,
                                            const FirmwareCode& code, const QDateTime& localTime) {
    using Skip = SettingsBackupDecision::Skip;
    if (bootloaderMode)
        return {Skip::BootloaderMode, {}};
    if ((readJobsDone & kBackupSettingsReads) != kBackupSettingsReads)
        return {Skip::SettingsNotRead, {}};
    return {Skip::None, SettingsBackupFileName(localTime, code)};
}

QString LatestSettingsBackup(const QString& folder) {
    const QDir dir(folder);
    const QStringList names =
        dir.entryList({kPrefix + u'*' + kExtension}, QDir::Files | QDir::Readable, QDir::Name);
    return names.isEmpty() ? QString() : dir.filePath(names.constLast());
}
