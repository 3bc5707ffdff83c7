// The firmware file and its upload as the session runs them: validation, the button's rule,
// and each written chunk's log, progress and next request.

#include "app/controller_session.h"

#include <QDir>

void ControllerSession::ValidateFirmwareFile(const QString& pathText) {
    firmwarePath_ = pathText;
    Q_EMIT FirmwareFileChecked(firmwareFile_.Validate(pathText));
}

bool ControllerSession::FirmwareUploadAllowed() const {
    return UploadButtonEnabled(firmwareFile_.IsAccepted(), LinkUp_, Bootloader_.IsOn(),
                               FirmwareUploadRunning());
}

std::optional<UploadStart> ControllerSession::StartFirmwareUpload(const QDateTime& localTime,
                                                                  const SettingsFileTexts& memos) {
    if (!FirmwareUploadAllowed())
        return std::nullopt;
    const SettingsBackupOutcome backup = BackUpSettings(localTime, memos);
    Q_EMIT SettingsBackupShown(backup);
    // A technician must not lose the settings to the new firmware unawares.
    if (backup.Failed())
        return std::nullopt;
    const UploadStart start = firmwareUpload_.Start(firmwareFile_.Image(), localTime);
    scheduler_.SetJob(start.job);
    return start;
}

SettingsBackupOutcome ControllerSession::BackUpSettings(const QDateTime& localTime,
                                                        const SettingsFileTexts& memos) {
    const SettingsBackupDecision decision = DecideSettingsBackup(
        Bootloader_.IsOn(), settingsReadJobs_, Features_.MasterCode(), localTime);
    if (decision.skip != SettingsBackupDecision::Skip::None)
        return {decision, {}, {}};
    const QString folder = SettingsBackupFolder();
    const QString path = QDir(folder).filePath(decision.fileName);
    // A folder that cannot be made fails the write below with the platform's message.
    QDir().mkpath(folder);
    const SettingsFileSaved saved = SaveSettingsFile(path, Images_, memos, SettingsSide::Read);
    return {decision, path, saved.error};
}

void ControllerSession::OnFirmwareChunkWritten() {
    const ChunkWritten written = firmwareUpload_.OnFirmwareChunkWritten();
    for (const LogLine& line : written.log)
        log_.KomStsLog(line.text, line.append, false);
    if (written.revalidate)
        ValidateFirmwareFile(firmwarePath_);
    log_.AdvanceProgress(written.progressStep);
    if (written.queueNextChunk) {
        scheduler_.RepeatCurrentJob();
        scheduler_.SetJob(JOB_WRITE_FIRMWARE_CHUNK);
    }
}
