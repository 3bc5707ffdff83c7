#include "cli/command_run.h"

#include "cli/open_failure_text.h"
#include "cli/settings_restore.h"
#include "cli/terminal_text.h"
#include "data/identification.h"
#include "data/installation_mode.h"
#include "data/settings_file.h"

#include <QDir>

CommandRun::CommandRun(const CliRequest& request, CliLink& link, QTextStream& out, QTextStream& err,
                       RunShared& shared, QObject* parent)
    : QObject(parent), request_(request), link_(link), session_(link.Session()), out_(out),
      err_(err), shared_(shared) {
    started_.start();
    if (request_.verbose)
        echo_ = std::make_unique<FrameEcho>(session_, err_);
    using S = ControllerSession;
    connect(&session_, &S::PortTrying, this, &CommandRun::OnPortTrying);
    connect(&session_, &S::PortOpenFailedOn, this, [this](int port) {
        openFailures_.insert(port, {link_.Port().DevicePath(), link_.Port().LastOpenFailure()});
    });
    connect(&session_, &S::PortOpenedOn, this, [this](int port) { openFailures_.remove(port); });
    connect(&session_, &S::LinkChanged, this, &CommandRun::OnLinkChanged);
    connect(&session_, &S::StatusPolled, this, &CommandRun::OnStatusPolled);
    connect(&session_, &S::FirmwareTextRead, this, &CommandRun::OnFirmwareText);
    connect(&session_, &S::CountersRead, this, &CommandRun::OnCounters);
    connect(&session_, &S::HardwareVersionRead, this, [this](const HardwareVersionView& view) {
        hardwareVersion_ = HardwareVersionCaption(view.version);
        hardwareVersionNumber_ = view.version;
    });
    connect(&session_, &S::SlaveVersionRead, this,
            [this](const QString& caption) { slaveVersion_ = caption; });
    connect(&session_, &S::FirmwareFileChecked, this, &CommandRun::OnFirmwareChecked);
    connect(&session_, &S::BootloaderModeChanged, this, &CommandRun::OnBootloaderMode);
    connect(&session_, &S::SaveFinished, this, &CommandRun::EndSave);
    connect(&session_, &S::UploadFinished, this, &CommandRun::OnUploadFinished);
    link_.OnLogLine = [this](const QString& line) { PrintLogLine(line); };
}

CommandRun::~CommandRun() = default;

QStringList CommandRun::OpenFailures(bool withMissing) const {
    QStringList causes;
    for (auto it = openFailures_.begin(); it != openFailures_.end(); ++it) {
        if (withMissing || it->second != OpenFailure::NoDevice)
            causes << OpenFailureText(it.key(), it->first, it->second);
    }
    return causes;
}

void CommandRun::NoController() {
    if (!quietWithoutController_) {
        err_ << "No controller found." << Qt::endl;
        for (const QString& cause : OpenFailures(session_.Detector().FixedPort() > 0))
            err_ << cause << Qt::endl;
    }
    Finish(ExitCode::NoController);
}

void CommandRun::OnPortTrying(int) {
    ++triesSinceUp_;
    if (WaitingForRestart())
        return;
    const int round = session_.Detector().FixedPort() > 0 ? 1 : TPortDetector::kLastPort;
    if (triesSinceUp_ <= round || started_.elapsed() < request_.waitSeconds * 1000LL)
        return;
    if (!wasUp_) {
        NoController();
    } else {
        ClearProgress();
        err_ << "The controller stopped answering." << Qt::endl;
        Finish(ExitCode::LinkLost);
    }
}

void CommandRun::OnLinkChanged(bool up) {
    if (up) {
        wasUp_ = true;
        triesSinceUp_ = 0;
        return;
    }
    // Entering bootloader mode shows the link down, yet the controller answers; a restarting
    // unit is silent for a while.
    if (!wasUp_ || session_.BootloaderModeOn() || restarting_ || uploading_)
        return;
    ClearProgress();
    err_ << "The controller stopped answering." << Qt::endl;
    Finish(ExitCode::LinkLost);
}

void CommandRun::OnStatusPolled(const StatusDisplay& shown) {
    // The link lost clears the screens' live data: that is no poll answered.
    if (!shown.live)
        return;
    if (monitoring_) {
        PrintMonitorLine(shown);
        return;
    }
    // Polls come only when nothing else is pending: everything read on connecting is in.
    if (session_.Scheduler().JobMask() != 0)
        return;
    // The session tells when these are over.
    if (uploading_ || saving_)
        return;
    if (restarting_) {
        if (!request_.quiet)
            out_ << "Restarted." << Qt::endl;
        Finish(ExitCode::Done);
        return;
    }
    if (!acted_) {
        acted_ = true;
        Act();
    }
}

void CommandRun::OnFirmwareText(ControllerSession::FirmwarePart part, const QString& text) {
    switch (part) {
    case ControllerSession::FirmwarePart::First:
        identification_ = MemoText(text);
        break;
    case ControllerSession::FirmwarePart::Second:
        identification_ = MemoText(identification_ + text);
        break;
    case ControllerSession::FirmwarePart::Bootloader:
        bootloader_ = MemoText(text);
        break;
    }
}

void CommandRun::OnCounters(CounterMemo memo) {
    const bool master = memo == CounterMemo::Master;
    const ControllerImages& images = session_.Images();
    const QString text = CounterLines(master ? images.Counters : images.SlaveCounters,
                                      CounterPrefix(memo, session_.InstallationMode()), false)
                             .join(u'\n');
    if (master) {
        masterCounters_ = text;
    } else {
        slaveCounters_ = text;
        slaveCountersRead_ = true;
    }
}

ControllerReport CommandRun::Report() const {
    ControllerReport report;
    report.port = link_.Port().ComNumber();
    report.device = link_.Port().DevicePath();
    report.firmwareCode = session_.Features().MasterCode().Text();
    report.identification = identification_;
    report.bootloader = bootloader_;
    report.hardwareVersion = hardwareVersion_;
    report.installationMode = session_.InstallationMode();
    report.slaveConnected = session_.SlaveConnected();
    report.slaveVersion = slaveVersion_;
    report.hardwareVersionNumber = hardwareVersionNumber_;
    report.slaveFirmwareCode = session_.Features().SlaveCode().Text();
    return report;
}

void CommandRun::Act() {
    // A sweep's text output names the unit before what it prints of it.
    const bool named =
        request_.command == CliCommand::Detect || request_.command == CliCommand::Info;
    if (request_.allPorts && !request_.json && !request_.csv && !named) {
        out_ << QStringLiteral("COM%1 (%2):")
                    .arg(link_.Port().ComNumber())
                    .arg(link_.Port().DevicePath())
             << Qt::endl;
    }
    switch (request_.command) {
    case CliCommand::Detect:
        if (request_.json)
            out_ << QString::fromUtf8(DetectJson(Report()));
        else
            out_ << TerminalText(DetectLine(Report()), LineBreaks::Kept);
        Finish(ExitCode::Done);
        break;
    case CliCommand::Info:
        if (request_.json)
            out_ << QString::fromUtf8(InfoJson(Report()));
        else
            out_ << TerminalText(InfoText(Report()), LineBreaks::Kept);
        Finish(ExitCode::Done);
        break;
    case CliCommand::Backup: {
        const QString path = BackupPath();
        const SettingsFileSaved saved = SaveSettingsFile(
            path, session_.Images(), {identification_, masterCounters_, slaveCounters_});
        if (!saved.ok) {
            err_ << TerminalText(QDir::toNativeSeparators(path)) << ": "
                 << TerminalText(saved.error) << Qt::endl;
            Finish(ExitCode::FileRejected);
            return;
        }
        Finish(ExitCode::Done);
        break;
    }
    case CliCommand::Restore:
        Restore();
        break;
    case CliCommand::Firmware:
        ValidateFirmware();
        break;
    case CliCommand::Monitor:
        StartMonitor();
        break;
    case CliCommand::Counters:
        PrintCounters();
        Finish(ExitCode::Done);
        break;
    case CliCommand::Diff:
        Diff();
        break;
    case CliCommand::Show:
        // A file alone: main lists it without opening a port.
        break;
    case CliCommand::Restart:
        restarting_ = true;
        session_.Scheduler().SetJob(JOB_RESET_UNIT);
        break;
    }
}

// With --all-ports FILE is a folder, and each unit's file is named by its port and firmware:
// "COM3-F05A.vt12".
QString CommandRun::BackupPath() const {
    if (!request_.allPorts)
        return request_.file;
    QString code = session_.Features().MasterCode().Text().trimmed();
    for (QChar& c : code) {
        if (!c.isLetterOrNumber())
            c = u'_';
    }
    return QDir(request_.file)
        .filePath(QStringLiteral("COM%1-%2.vt12").arg(link_.Port().ComNumber()).arg(code));
}

// A damaged firmware: the unit answers only in its bootloader, which takes firmware and shows
// its identity, nothing else.
void CommandRun::OnBootloaderMode(const BootloaderTransition& change) {
    if (!change.entered || acted_)
        return;
    acted_ = true;
    const CliCommand command = request_.command;
    if (command == CliCommand::Detect || command == CliCommand::Info ||
        command == CliCommand::Firmware) {
        Act();
        return;
    }
    err_ << "The controller's firmware is damaged: only firmware FILE can be run." << Qt::endl;
    Finish(ExitCode::NoController);
}

void CommandRun::Restore() {
    const RestorePrepared prepared = PrepareRestore(request_.file, session_);
    if (!prepared.ok) {
        err_ << TerminalText(QDir::toNativeSeparators(request_.file)) << ": "
             << TerminalText(prepared.error) << Qt::endl;
        Finish(ExitCode::FileRejected);
        return;
    }
    if (!prepared.bounded.isEmpty() && !request_.force) {
        err_ << TerminalText(QDir::toNativeSeparators(request_.file))
             << ": values outside their limits (--force writes them bounded):" << Qt::endl;
        for (const QString& field : prepared.bounded)
            err_ << "  " << field << Qt::endl;
        Finish(ExitCode::FileRejected);
        return;
    }
    if (prepared.changedBlocks.isEmpty())
        out_ << "Nothing differs from the controller's settings." << Qt::endl;
    for (const QString& block : prepared.changedBlocks) {
        out_ << "Changed: " << TerminalText(block) << Qt::endl;
        for (const SettingChange& change : prepared.changes) {
            if (change.block == block)
                out_ << "  " << TerminalText(ChangeLine(change)) << Qt::endl;
        }
    }
    if (session_.SlavePartUnsaved())
        out_ << "Not written: slave gate settings and names (no slave unit answers)." << Qt::endl;
    if (request_.dryRun) {
        Finish(ExitCode::Done);
        return;
    }
    saving_ = true;
    restoreBlocks_ = BlocksToWrite(session_.Images(), prepared.writeJobs);
    session_.StartSave();
}

// Every write of the save answered and read back: done only when each block verified.
void CommandRun::EndSave(const SaveResult& result) {
    if (!saving_)
        return;
    saving_ = false;
    link_.FlushLog();
    if (stopSignal_ != 0) {
        ReportStoppedRestore();
        return;
    }
    if (result.slavePartUnsaved) {
        err_ << "The slave's gate settings and names were not written: no slave unit answers."
             << Qt::endl;
        Finish(ExitCode::VerificationFailed);
        return;
    }
    if (!result.Ok()) {
        err_ << "The controller did not take every setting as written." << Qt::endl;
        Finish(ExitCode::VerificationFailed);
        return;
    }
    Finish(ExitCode::Done);
}

void CommandRun::Finish(ExitCode code) {
    if (finished_)
        return;
    finished_ = true;
    link_.FlushLog();
    out_.flush();
    err_.flush();
    Q_EMIT Finished(code);
}
