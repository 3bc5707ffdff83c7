#include "app/settings_backup.h"

#include "app/file_write.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>

namespace {
const QString kPrefix = QStringLiteral("vt12-");
const QString kExtension = QStringLiteral(".vt12");
// A name taken by chance or on purpose gets another random part; never an endless loop.
constexpr int kNameAttempts = 8;

QString RandomPart() {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString part;
    for (int i = 0; i < 8; ++i)
        part += QLatin1Char(kLetters[QRandomGenerator::system()->bounded(36)]);
    return part;
}
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

SettingsBackupWritten WriteSettingsBackup(const QString& folder, const QString& fileName,
                                          const QByteArray& bytes) {
    // A folder that cannot be made fails the creation below with the platform's message.
    QDir().mkpath(folder);
    if (QFileInfo(folder).isSymLink())
        return {folder, QStringLiteral("The backups folder is a symbolic link; not written")};
    const QString stem = fileName.chopped(kExtension.size());
    SettingsBackupWritten written;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        written.path = QDir(folder).filePath(stem + u'-' + RandomPart() + kExtension);
        const FileWritten created = CreateNewFile(written.path, bytes);
        written.error = created.failure;
        if (created)
            break;
        // Only a name already taken is worth another try; a full disk or a missing right is not.
        const QFileInfo taken(written.path);
        if (!taken.exists() && !taken.isSymLink())
            break;
    }
    return written;
}

QString LatestSettingsBackup(const QString& folder) {
    const QDir dir(folder);
    const QStringList names = dir.entryList(
        {kPrefix + u'*' + kExtension}, QDir::Files | QDir::Readable | QDir::NoSymLinks, QDir::Name);
    return names.isEmpty() ? QString() : dir.filePath(names.constLast());
}
