#pragma once
// The copy of a unit's settings, as read from it, kept before a firmware update replaces the
// firmware that wrote them: whether one is due, its name and its folder.

#include "data/firmware_code.h"
#include "data/job_bits.h"

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>

// "backups" in the user's data directory: ~/.local/share/vt12set/backups on Linux.
QString SettingsBackupFolder();

// "vt12-2026-12-09_193012-F05A.vt12": names sort as their times do. A character of the code
// that has no place in a file name becomes "-".
QString SettingsBackupFileName(const QDateTime& localTime, const FirmwareCode& code);

// The reads that must have answered for a backup to hold the unit's settings.
inline constexpr uint32_t kBackupSettingsReads =
    JOB_READ_SYSTEM_SETTINGS | JOB_READ_GATE_SETTINGS | JOB_READ_GATE_NAMES;

struct SettingsBackupDecision {
    enum class Skip {
        None,
        BootloaderMode,  // the damaged firmware gives no settings
        SettingsNotRead, // the images hold defaults or a file's settings, not the unit's
    };
    Skip skip = Skip::SettingsNotRead;
    QString fileName; // when nothing skips it
};

// readJobsDone: the read jobs of the settings blocks answered since the port was opened. The
// unit's own blocks must all be in; a slave's are kept as far as they were read.
SettingsBackupDecision DecideSettingsBackup(bool bootloaderMode, uint32_t readJobsDone,
                                            const FirmwareCode& code, const QDateTime& localTime);

// What became of the backup when an upload was asked for.
struct SettingsBackupOutcome {
    SettingsBackupDecision decision;
    QString path;  // the file written or tried
    QString error; // the platform's message; the upload is not started then
    bool Failed() const { return !error.isEmpty(); }
};

struct SettingsBackupWritten {
    QString path;  // the file written, or the folder or name tried
    QString error; // empty when the whole backup was written
};

// bytes into a new file of folder named fileName with a random part before the extension
// ("vt12-2026-12-09_193012-F05A-k3x9q2bd.vt12"): created exclusively, so a file or a link
// planted under a foreseeable name is never written through or over. The folder is made when
// missing and refused when it is a link.
SettingsBackupWritten WriteSettingsBackup(const QString& folder, const QString& fileName,
                                          const QByteArray& bytes);

// The backup taken for the update that began at updateTime (to the second, as its name tells):
// the one a unit reporting that update time had its settings kept in. Empty when there is none.
QString SettingsBackupForUpdate(const QString& folder, const QDateTime& updateTime);

// The newest backup in folder by its name; empty when there is none. Links are passed over.
QString LatestSettingsBackup(const QString& folder);

// A backup as a technician picks it: "2026-12-09 19:30:12, F05A: Saw, Planer, Sander".
struct SettingsBackupEntry {
    QString path;
    QString description;
};

// Every backup in folder, the newest first. Given the update time a unit reports, none taken
// for a later update: the unit never had that update, so another unit did.
QList<SettingsBackupEntry> SettingsBackups(const QString& folder,
                                           const std::optional<QDateTime>& unitUpdated = {});
