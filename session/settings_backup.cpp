#include "session/settings_backup.h"

#include "core/file_write.h"
#include "core/path_bytes.h"
#include "core/path_calls.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <algorithm>

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

// Oldest first; a link is never taken for a backup.
QStringList BackupNames(const QString& folder) {
    QStringList names = RegularFilesIn(folder);
    names.removeIf([](const QString& name) {
        return !name.startsWith(kPrefix, Qt::CaseInsensitive) ||
               !name.endsWith(kExtension, Qt::CaseInsensitive);
    });
    return names;
}
} // namespace

QString SettingsBackupFolder() {
    return QDir(WritableLocation(QStandardPaths::AppDataLocation))
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
    MakeFolders(folder);
    if (EntryAt(folder, Links::NotFollowed).kind == PathKind::Link)
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
        if (EntryAt(written.path, Links::NotFollowed).kind == PathKind::Missing)
            break;
    }
    return written;
}

QList<SettingsBackupEntry> SettingsBackups(const QString& folder,
                                           const std::optional<QDateTime>& unitUpdated) {
    constexpr int kNamesOffset = 900;
    constexpr int kNameLength = 20;
    constexpr int kNamesShown = 3;
    constexpr int kTimeLength = 17; // "2026-12-09_193012", then "-" and the code
    const QDir dir(folder);
    QStringList names = BackupNames(folder);
    std::reverse(names.begin(), names.end());
    QList<SettingsBackupEntry> entries;
    for (const QString& name : names) {
        const QString path = dir.filePath(name);
        // "vt12-2026-12-09_193012-F05A-k3Xq9TzB.vt12"
        const QString stem =
            name.mid(kPrefix.size(), name.size() - kPrefix.size() - kExtension.size());
        const QDateTime time =
            QDateTime::fromString(stem.left(kTimeLength), QStringLiteral("yyyy-MM-dd_HHmmss"));
        // Names hold whole seconds.
        if (unitUpdated && time.isValid() &&
            time.toSecsSinceEpoch() > unitUpdated->toSecsSinceEpoch())
            continue;
        QString description = time.isValid() ? time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                                             : stem.left(kTimeLength);
        description += QStringLiteral(", ") + stem.mid(kTimeLength + 1).section(u'-', 0, 0);
        QFile file;
        QStringList gates;
        if (OpenExact(file, path, QIODevice::ReadOnly).isEmpty() && file.seek(kNamesOffset)) {
            const QByteArray bytes = file.read(kNameLength * kNamesShown);
            for (int i = 0; i + kNameLength <= bytes.size(); i += kNameLength) {
                const QString gate = QString::fromLatin1(bytes.mid(i, kNameLength))
                                         .section(QChar(0), 0, 0)
                                         .trimmed();
                if (!gate.isEmpty())
                    gates << gate;
            }
        }
        if (!gates.isEmpty())
            description += QStringLiteral(": ") + gates.join(QStringLiteral(", "));
        entries.append({path, description});
    }
    return entries;
}

QString SettingsBackupForUpdate(const QString& folder, const QDateTime& updateTime) {
    const QDir dir(folder);
    const QStringList names = dir.entryList(
        {kPrefix + updateTime.toString(QStringLiteral("yyyy-MM-dd_HHmmss-*")) + kExtension},
        QDir::Files | QDir::Readable | QDir::NoSymLinks, QDir::Name);
    // Two in one second come from two programs, neither of them knows which: none is taken.
    return names.size() == 1 ? dir.filePath(names.constFirst()) : QString();
}

QString LatestSettingsBackup(const QString& folder) {
    const QDir dir(folder);
    const QStringList names = BackupNames(folder);
    return names.isEmpty() ? QString() : dir.filePath(names.constLast());
}
