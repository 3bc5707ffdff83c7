// The firmware file and its upload as the session runs them: validation, the button's rule,
// and each written chunk's log, progress and next request.

#include "app/controller_session.h"

void ControllerSession::ValidateFirmwareFile(const QString& pathText) {
    firmwarePath_ = pathText;
    Q_EMIT FirmwareFileChecked(firmwareFile_.Validate(pathText));
}

bool ControllerSession::FirmwareUploadAllowed() const {
    return UploadButtonEnabled(firmwareFile_.IsAccepted(), LinkUp_, Bootloader_.IsOn(),
                               FirmwareUploadRunning());
}

std::optional<UploadStart> ControllerSession::StartFirmwareUpload(const QDateTime& localTime) {
    if (!FirmwareUploadAllowed())
        return std::nullopt;
    const UploadStart start = firmwareUpload_.Start(firmwareFile_.Image(), localTime);
    scheduler_.SetJob(start.job);
    return start;
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
