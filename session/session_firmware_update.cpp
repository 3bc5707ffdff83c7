// The firmware file and its upload as the session runs them: validation, the button's rule,
// the settings backup first, each written chunk's log, progress and next request, and the
// backup's way back.

#include "data/identification.h"
#include "session/controller_session.h"

#include <utility>

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
    Q_EMIT SettingsBackupFinished(backup);
    // A technician must not lose the settings to the new firmware unawares.
    if (backup.Failed())
        return std::nullopt;
    // The unit tells its new update time once its bootloader is read again.
    unitUpdateTime_.reset();
    const UploadStart start = firmwareUpload_.Start(firmwareFile_.Image(), localTime);
    scheduler_.SetJob(start.job);
    upload_ = UploadResult{FirmwareCodeOf(firmwareFile_.Verdict().version), false, false};
    return start;
}

void ControllerSession::FinishUpload(bool stayedInBootloader) {
    UploadResult result = *upload_;
    upload_.reset();
    result.stayedInBootloader = stayedInBootloader;
    Q_EMIT UploadFinished(result, Features_.MasterCode());
}

SettingsBackupOutcome ControllerSession::BackUpSettings(const QDateTime& localTime,
                                                        const SettingsFileTexts& memos) {
    const SettingsBackupDecision decision = DecideSettingsBackup(
        Bootloader_.IsOn(), settingsReadJobs_, Features_.MasterCode(), localTime);
    if (decision.skip != SettingsBackupDecision::Skip::None)
        return {decision, {}, {}};
    const SettingsBackupWritten written =
        WriteSettingsBackup(SettingsBackupFolder(), decision.fileName,
                            SettingsFileBytes(Images_, memos, SettingsSide::Read));
    if (written.error.isEmpty()) {
        lastUpdateBackup_ = written.path;
        lastUpdatePort_ = port_.ComNumber();
    }
    return {decision, written.path, written.error};
}

QString ControllerSession::UpdateBackup() const {
    if (unitUpdateTime_)
        return SettingsBackupForUpdate(SettingsBackupFolder(), *unitUpdateTime_);
    return lastUpdateBackup_;
}

void ControllerSession::RestoreSettingsBackup(const QString& path) {
    // Reads asked for now would wait behind an upload or a save, which drop or check them.
    if (!LinkUp_ || Bootloader_.IsOn() || FirmwareUploadRunning() || scheduler_.VerifyLog()) {
        Q_EMIT SettingsBackupRestored(path, LoadSettings(path));
        return;
    }
    pendingRestore_ = path;
    settingsReadJobs_ &= ~kBackupSettingsReads;
    scheduler_.SetJob(kBackupSettingsReads);
}

// After the last of the unit's settings reads, the slave's included: a read that came later
// would put the unit's bytes over the restored ones.
void ControllerSession::TakeRestoreWhenRead(BlockId block) {
    constexpr uint32_t kAllReads =
        kBackupSettingsReads | JOB_READ_SLAVE_GATE_SETTINGS | JOB_READ_SLAVE_GATE_NAMES;
    const uint32_t waiting = scheduler_.JobMask() & kAllReads & ~SpecOf(block).readJob;
    if (pendingRestore_.isEmpty() || waiting != 0 ||
        (settingsReadJobs_ & kBackupSettingsReads) != kBackupSettingsReads)
        return;
    const QString path = std::exchange(pendingRestore_, QString());
    Q_EMIT SettingsBackupRestored(path, LoadSettings(path));
}

void ControllerSession::OnFirmwareChunkWritten() {
    const ChunkWritten written = firmwareUpload_.OnFirmwareChunkWritten();
    for (const LogLine& line : written.log)
        log_.KomStsLog(line.text, line.append, false);
    if (written.revalidate) {
        // "Finished - OK": every data chunk written.
        log_.JudgeLastLine(true);
        if (upload_)
            upload_->allChunksWritten = true;
        ValidateFirmwareFile(firmwarePath_);
    }
    log_.AdvanceProgress(written.progressStep);
    if (written.queueNextChunk) {
        scheduler_.RepeatCurrentJob();
        scheduler_.SetJob(JOB_WRITE_FIRMWARE_CHUNK);
    }
}
