// firmware FILE: the file checked as the window checks it, then the upload, its log and a
// progress bar on a terminal; done when the controller answers with its new firmware.

#include "cli/command_run.h"
#include "cli/progress_bar.h"
#include "cli/terminal_text.h"
#include "platform/terminal.h"

#include "data/identification.h"

#include <QDir>

namespace {
constexpr int kBarWidth = 40;
constexpr qint64 kLongestRestartMs = 60000;
} // namespace

void CommandRun::ValidateFirmware() {
    checkingFirmware_ = true;
    session_.ValidateFirmwareFile(request_.file);
}

void CommandRun::OnFirmwareChecked(const FirmwareFileCheck& check) {
    if (!checkingFirmware_)
        return;
    checkingFirmware_ = false;
    if (!check.readError.isEmpty()) {
        err_ << TerminalText(check.readError) << Qt::endl;
        Finish(ExitCode::FileRejected);
        return;
    }
    if (!check.verdict.Accepted()) {
        err_ << TerminalText(check.verdict.Text()) << Qt::endl;
        Finish(ExitCode::FileRejected);
        return;
    }
    out_ << TerminalText(check.verdict.Text()) << Qt::endl;
    std::optional<SettingsBackupOutcome> backup;
    const QMetaObject::Connection backupShown =
        connect(&session_, &ControllerSession::SettingsBackupFinished, this,
                [&backup](const SettingsBackupOutcome& outcome) { backup = outcome; });
    const std::optional<UploadStart> start = session_.StartFirmwareUpload(
        QDateTime::currentDateTime(), {identification_, masterCounters_, slaveCounters_});
    disconnect(backupShown);
    if (backup && backup->Failed()) {
        err_ << TerminalText(QDir::toNativeSeparators(backup->path)) << ": "
             << TerminalText(backup->error) << Qt::endl
             << "The firmware update was not started." << Qt::endl;
        Finish(ExitCode::FileRejected);
        return;
    }
    if (backup && backup->decision.skip == SettingsBackupDecision::Skip::None)
        out_ << "Settings backup: " << TerminalText(QDir::toNativeSeparators(backup->path))
             << Qt::endl;
    if (!start) {
        err_ << "The upload cannot start: the controller does not answer." << Qt::endl;
        Finish(ExitCode::LinkLost);
        return;
    }
    uploading_ = true;
    // The unit restarts on its own port: detection stays there.
    session_.Detector().SetFixedPort(link_.Port().ComNumber());
    progressMaximum_ = start->progressMaximum;
    progress_ = 0;
    // Frame lines (-v) on the same stream would run into the bar.
    barShown_ = IsTerminal(stderr) && !request_.quiet && !request_.verbose;
    link_.OnProgress = [this](int step) {
        progress_ += step;
        DrawProgress();
    };
}

void CommandRun::DrawProgress() {
    if (!barShown_)
        return;
    err_ << '\r' << ProgressBarText(progress_, progressMaximum_, kBarWidth) << Qt::flush;
    barVisible_ = true;
}

// The bar's line emptied, so the next line written starts on it and not after the bar.
void CommandRun::ClearProgress() {
    if (!barVisible_)
        return;
    err_ << "\r\033[K" << Qt::flush;
    barVisible_ = false;
}

// A log line above the bar: the bar's line is cleared first and drawn again below.
void CommandRun::PrintLogLine(const QString& line) {
    if (request_.quiet)
        return;
    ClearProgress();
    out_ << TerminalText(line) << Qt::endl;
    if (uploading_)
        DrawProgress();
}

// The unit answers again after the upload, or restarted into its bootloader.
void CommandRun::OnUploadFinished(const UploadResult& result, const FirmwareCode& reported) {
    if (!uploading_)
        return;
    if (result.stayedInBootloader) {
        uploading_ = false;
        ClearProgress();
        err_ << "The controller did not start the new firmware: it waits in its bootloader."
             << Qt::endl;
        Finish(ExitCode::VerificationFailed);
        return;
    }
    EndUpload(result, reported);
}

// The upload's last chunk sent, the identification read again and polling resumed.
void CommandRun::EndUpload(const UploadResult& result, const FirmwareCode& reported) {
    uploading_ = false;
    link_.FlushLog();
    ClearProgress();
    out_ << "Firmware code: " << TerminalText(reported.Text()) << Qt::endl;
    if (!result.Ok(reported)) {
        err_ << "The controller kept its firmware " << TerminalText(reported.Text())
             << ": the file holds " << TerminalText(result.uploaded.Text()) << "." << Qt::endl;
        Finish(ExitCode::VerificationFailed);
        return;
    }
    Finish(ExitCode::Done);
}

bool CommandRun::WaitingForRestart() {
    if (!uploading_ || session_.Scheduler().HasJob(JOB_WRITE_FIRMWARE_CHUNK))
        return false;
    if (!restartWait_.isValid())
        restartWait_.start();
    return restartWait_.elapsed() < kLongestRestartMs;
}
