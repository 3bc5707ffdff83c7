#include "session/controller_session.h"

#include "core/uncaught_error.h"
#include "data/identification.h"
#include "data/settings_reply.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

ControllerSession::ControllerSession(SerialChannel& port, TimeBase& time, CommunicationLog& log,
                                     DelayTimer& delay, QObject* parent)
    : QObject(parent), port_(port), time_(time), log_(log), testMode_(*this), client_(time),
      scheduler_(client_, Images_, Features_,
                 SchedulerRoles{port, *this, log, *this, delay, *this, testMode_, firmwareUpload_}),
      detector_(port, scheduler_, DetectorRoles{*this, delay, *this, *this}) {
    client_.OnSend = [this](const uint8_t* data, int length) {
        trace_.Tx(data, length);
        if (trafficRing_)
            trafficRing_->Sent(time_.TickMs(), data, length);
        port_.WriteData(data, length);
    };
    client_.OnResult = [this](TModbusResult& result) {
        trace_.Result(result);
        if (trafficRing_)
            trafficRing_->Answered(time_.TickMs(), result);
        scheduler_.OnModbusResult(result);
        AfterResult();
    };
    RegisterJobHandlers();
}

ControllerSession::~ControllerSession() {
    Close();
}

void ControllerSession::ReceiveBytes(const uint8_t* data, int count) {
    trace_.Rx(data, count);
    client_.ReceiveBytes(data, count);
}

void ControllerSession::Close() {
    if (port_.Active()) {
        port_.Close();
        trace_.PortClose(port_.ComNumber());
    } else if (port_.Opening()) {
        port_.Close();
    }
    client_.OnSend = nullptr;
    trace_.Close();
}

bool ControllerSession::event(QEvent* e) {
    if (e->type() == WM_NEXT_JOB) {
        RunGuarded([this] { scheduler_.NextJob(); });
        return true;
    }
    if (e->type() == WM_DETECT_PORT) {
        RunGuarded([this] { detector_.DetectPort(); });
        return true;
    }
    return QObject::event(e);
}

void ControllerSession::PostNextJob() {
    QCoreApplication::postEvent(this, new QEvent(WM_NEXT_JOB));
}

void ControllerSession::PostDetectPort() {
    QCoreApplication::postEvent(this, new QEvent(WM_DETECT_PORT));
}

void ControllerSession::LinkAnswered(uint8_t addressByte) {
    Q_EMIT UnitAnswered(SlaveOnPortIndicated(addressByte));
    SetLinkState(true);
}

void ControllerSession::LinkLost() {
    SetLinkState(false);
}

void ControllerSession::PortTried(int port) {
    Q_EMIT PortTrying(port);
}

void ControllerSession::PortOpened(int port) {
    // Another unit may answer on it.
    settingsReadJobs_ = 0;
    unitUpdateTime_.reset();
    if (port != lastUpdatePort_)
        lastUpdateBackup_.clear();
    client_.SetNetworkTimeout(port_.Remote() ? networkTimeoutMs_ : 0);
    // The full reload that follows ends a save the lost link interrupted.
    if (save_)
        FinishSave(true);
    trace_.PortOpen(port);
    Q_EMIT PortOpenedOn(port);
}

void ControllerSession::PortOpenFailed(int port, const QString& text) {
    trace_.PortOpenFail(port, text);
    Q_EMIT PortOpenFailedOn(port);
}

void ControllerSession::PortClosed(int port) {
    trace_.PortClose(port);
}

void ControllerSession::SetLinkState(bool up) {
    if (up == LinkUp_)
        return;
    LinkUp_ = up;
    ShowLinkState(up);
}

void ControllerSession::ShowLinkState(bool up) {
    if (!up) {
        Q_EMIT TestModeEnded(testMode_.LinkDown());
        // The input value display shows "--" for 0.
        Images_.Status.SetInputValue(0);
        Images_.SlaveStatus.SetInputValue(0);
        // Nothing shown live may outlast the link: no data until the first status after it.
        Q_EMIT StatusPolled(status_.ShowNoData());
        Q_EMIT SlaveStatusPolled(StatusModel::NoDataUnit());
        Q_EMIT DriveStatusPolled(NoDriveData());
    }
    Q_EMIT LinkChanged(up, port_.ComNumber());
    if (up)
        ValidateFirmwareFile(firmwarePath_);
}

void ControllerSession::OnFirmwareInfo(FirmwarePart part, const RegisterData& reply) {
    if (part == FirmwarePart::Bootloader) {
        unitUpdateTime_ = UpdateTimeOf(reply.data, reply.length);
        Q_EMIT FirmwareTextRead(part, BootloaderDataText(reply.data, reply.length));
    } else {
        const QString text = IdentificationText(reply.data, reply.length);
        if (part == FirmwarePart::First)
            Features_.SetMasterCode(FirmwareCodeOf(text));
        Q_EMIT FirmwareTextRead(part, text);
    }
    ApplyFeatureLevel();
}

void ControllerSession::ApplyFeatureLevel() {
    // Rows read before the firmware was known are shown again in its units.
    ShowSettingsBlock(BlockId::GateSettings);
    Q_EMIT FeatureLevelApplied();
    SetBootloaderMode(Features_.Has(Feature::BootloaderMode));
    if (!Features_.Has(Feature::BootloaderInfoRead))
        scheduler_.ClearJob(JOB_READ_BOOTLOADER_INFO);
}

void ControllerSession::SetBootloaderMode(bool on) {
    const BootloaderTransition change = Bootloader_.Set(on, scheduler_.JobMask());
    scheduler_.ReplaceJobs(change.jobMask);
    if (on)
        scheduler_.RepeatCurrentJob();
    // Entering shows the link as down, yet keeps it counted as up so that later answers do not
    // show it up again; leaving shows it up.
    if (change.entered || change.left) {
        LinkUp_ = true;
        ShowLinkState(change.left);
    }
    Q_EMIT BootloaderModeChanged(change);
    // The link shown down disabled the upload, which is what a damaged firmware needs.
    if (change.entered) {
        settingsReadJobs_ = 0;
        ValidateFirmwareFile(firmwarePath_);
        // The bootloader's jobs replaced the save's.
        if (save_)
            FinishSave(true);
        if (upload_ && !scheduler_.HasJob(JOB_WRITE_FIRMWARE_CHUNK))
            FinishUpload(true);
    }
}

void ControllerSession::ApplyHardwareVersion() {
    Images_.Status.SetHardwareVersion(Features_.HardwareVersion(Images_.Status.HardwareVersion()));
    const uint8_t hardware = Images_.Status.HardwareVersion();
    Q_EMIT HardwareVersionRead(
        {hardware, FeatureLevels::HasPressureInput(hardware),
         FeatureLevels::HasPressureInput(Images_.SlaveStatus.HardwareVersion()) &&
             InstallationMode_ == kInstallationMasterSlave});
}

void ControllerSession::OnSlaveVersion(const RegisterData& reply) {
    // Read before a status poll told that the slave is there: read again once it does.
    if (!SlaveConnected_) {
        slaveVersionUnread_ = true;
        return;
    }
    slaveVersionUnread_ = false;
    const SlaveVersion version = DecodeSlaveVersion(reply.data, reply.length);
    if (version.code)
        Features_.SetSlaveCode(*version.code);
    Q_EMIT SlaveVersionRead(version.caption);
    // The slave rows were shown in units of a firmware not yet known.
    ShowSettingsBlock(BlockId::SlaveGateSettings);
}

void ControllerSession::OnSettingsRead(BlockId block, const RegisterData& reply) {
    // The slave is read again by itself now and then: that refreshes what was read, never what
    // was edited.
    const uint32_t readJob = SpecOf(block).readJob;
    const bool slaveBlock = block == BlockId::SlaveGateSettings || block == BlockId::SlaveGateNames;
    // Before its first read the edited image holds only the defaults, which are no edits.
    // Nor are the rows emptied while the slave was lost: its first reply since fills them.
    const bool emptied =
        block == BlockId::SlaveGateSettings && slaveRowsEmptied_ && SlaveRowsEmpty(Images_);
    const bool keepEdits = slaveBlock && !scheduler_.VerifyLog() && Images_.IsChanged(block) &&
                           (settingsReadJobs_ & readJob) != 0 && (slaveReloads_ & readJob) == 0 &&
                           !emptied;
    slaveReloads_ &= ~readJob;
    if (block == BlockId::SlaveGateSettings)
        slaveRowsEmptied_ = false;
    std::array<uint8_t, sizeof(GateNamesBlock)> edits{};
    const std::span<uint8_t> edited = Images_.EditedImage(block);
    std::ranges::copy(edited, edits.begin());
    const SettingsReply outcome =
        TakeSettingsReply(Images_, block, reply.data, reply.length, scheduler_.VerifyLog());
    if (keepEdits)
        std::copy_n(edits.begin(), edited.size(), edited.begin());
    if (failedVerification_.Took(block, outcome))
        Q_EMIT FailedVerificationChanged(failedVerification_.Message());
    if (outcome == SettingsReply::Mismatch) {
        if (save_)
            save_->differing |= BlockBit(block);
        log_.KomStsLog(QStringLiteral("FALSE!"), true, false);
        log_.JudgeLastLine(false);
        Q_EMIT BlockVerified(block, false);
        ShowSaveState();
        return;
    }
    if (outcome == SettingsReply::Verified) {
        if (save_)
            save_->verified |= BlockBit(block);
        log_.AdvanceProgress(1);
        log_.KomStsLog(QStringLiteral("OK"), true, false);
        log_.JudgeLastLine(true);
        Q_EMIT BlockVerified(block, true);
    }
    settingsReadJobs_ |= SpecOf(block).readJob;
    // The stored mode applies before the slave reads that depend on it.
    if (block == BlockId::SystemSettings)
        SetInstallationMode(Images_.SystemSettings.Read.InstallationMode());
    if (block == BlockId::SystemSettings && InstallationMode_ == kInstallationMasterSlave)
        scheduler_.SetJob(JOB_READ_SLAVE_COUNTERS | JOB_READ_SLAVE_GATE_SETTINGS |
                          JOB_READ_SLAVE_GATE_NAMES);
    if (block == BlockId::SlaveGateNames && !scheduler_.VerifyLog())
        scheduler_.SetJob(JOB_READ_SLAVE_VERSION);
    ShowSettingsBlock(block);
    // The form follows what was read, for every view of it.
    if (block == BlockId::SystemSettings)
        form_.ShowSystem();
    else if (block == BlockId::VacuumSettings)
        form_.ShowVacuum();
    Q_EMIT SettingsRead(block);
    ShowSaveState();
    TakeRestoreWhenRead(block);
}

void ControllerSession::ShowSettingsBlock(BlockId block) {
    const bool frameButtons = LinkUp_ && TestMode();
    switch (block) {
    case BlockId::GateSettings:
        Q_EMIT GateSettingsChanged(Unit::Master,
                                   *gateTable_.ShowGateSettings(Unit::Master, frameButtons));
        break;
    case BlockId::SlaveGateSettings:
        if (const auto shown = gateTable_.ShowGateSettings(Unit::Slave, frameButtons))
            Q_EMIT GateSettingsChanged(Unit::Slave, *shown);
        break;
    case BlockId::GateNames:
        Q_EMIT GateNamesChanged(Unit::Master, gateTable_.ShowGateNames(Unit::Master));
        break;
    case BlockId::SlaveGateNames:
        Q_EMIT GateNamesChanged(Unit::Slave, gateTable_.ShowGateNames(Unit::Slave));
        break;
    default:
        break;
    }
}

void ControllerSession::ShowGateTables() {
    for (const BlockId block : {BlockId::GateSettings, BlockId::SlaveGateSettings,
                                BlockId::GateNames, BlockId::SlaveGateNames})
        ShowSettingsBlock(block);
}

std::optional<CommitResult> ControllerSession::CommitGateCell(int row, int column,
                                                              const QString& typed) {
    const std::optional<CommitResult> result = gateTable_.Commit(row, column, typed);
    if (result)
        ShowSaveState();
    return result;
}

std::optional<GateTableTotals> ControllerSession::ToggleGateCell(int row, int column) {
    const std::optional<GateTableTotals> totals = gateTable_.Toggle(row, column);
    ShowSaveState();
    return totals;
}

GateTableTotals ControllerSession::SetAirVelocityText(const QString& text) {
    return gateTable_.SetAirVelocityText(text);
}

SmartMinAirflowShown ControllerSession::SetSmartMinimumAirflow(bool checked) {
    return gateTable_.SetSmartMinimumAirflow(checked);
}

void ControllerSession::OnSettingsWritten(uint32_t readJob) {
    const BlockId block = BlockForJob(readJob)->id;
    if (save_)
        save_->written |= BlockBit(block);
    log_.AdvanceProgress(1);
    scheduler_.SetJob(readJob);
    log_.KomStsLog(QStringLiteral("OK"), true, false);
    log_.JudgeLastLine(true);
    Q_EMIT BlockWritten(block);
}

void ControllerSession::OnStatusPoll(const RegisterData& reply) {
    Images_.StoreReply(BlockId::Status, reply.data, reply.length);
    SetSlaveConnected(SlaveCountsAsConnected(Images_.Status, InstallationMode_));
    MasterGateMasks_ = GateMasksOf(Images_.Status);
    ApplyHardwareVersion();
    Q_EMIT StatusPolled(status_.ShowStatus(
        MasterGateMasks_, gateTable_.ManualMinAirflowMask(Unit::Master), InstallationMode_));
    // Polls come only when nothing is pending: the restarted unit has been read.
    if (upload_ && scheduler_.JobMask() == 0)
        FinishUpload(false);
}

void ControllerSession::OnSlaveStatusPoll(const RegisterData& reply) {
    if (!SlaveConnected_)
        return;
    Images_.StoreReply(BlockId::SlaveStatus, reply.data, reply.length);
    SlaveGateMasks_ = GateMasksOf(Images_.SlaveStatus);
    ShowSlaveStatus();
}

void ControllerSession::OnDriveStatusPoll(const RegisterData& reply) {
    Images_.StoreReply(BlockId::DriveStatus, reply.data, reply.length);
    Q_EMIT DriveStatusPolled(ShowDriveStatus(Images_.DriveStatus));
}

void ControllerSession::ShowSlaveStatus() {
    Q_EMIT SlaveStatusPolled(
        status_.ShowSlaveStatus(SlaveGateMasks_, gateTable_.ManualMinAirflowMask(Unit::Slave)));
}

void ControllerSession::SetSlaveConnected(bool connected) {
    SlaveConnected_ = connected;
    if (connected && slaveVersionUnread_) {
        slaveVersionUnread_ = false;
        scheduler_.SetJob(JOB_READ_SLAVE_VERSION);
    }
    const bool lost = SlaveShownLost(connected, InstallationMode_);
    if (lost == slaveShownLost_)
        return;
    slaveShownLost_ = lost;
    if (lost) {
        slaveRowsEmptied_ = ForgetSlave(Images_);
        if (slaveRowsEmptied_)
            ShowSettingsBlock(BlockId::SlaveGateSettings);
        Features_.SetSlaveCode(FirmwareCode());
    } else {
        scheduler_.SetJob(JOB_READ_SLAVE_VERSION | JOB_POLL_SLAVE_STATUS |
                          JOB_READ_SLAVE_GATE_SETTINGS | JOB_READ_SLAVE_GATE_NAMES);
    }
    Q_EMIT SlaveLostChanged(lost);
    // The emptied slave status is shown once, with the masks the slave last reported.
    if (lost)
        ShowSlaveStatus();
}

void ControllerSession::SetInstallationMode(int mode) {
    if (InstallationMode_ == kInstallationMasterSlave && mode != kInstallationMasterSlave)
        status_.ResetSlaveCounts();
    InstallationMode_ = mode;
    gateTable_.SetInstallationMode(mode);
    Q_EMIT InstallationModeChanged(mode);
}

TestModeContext ControllerSession::TestContext() const {
    TestModeContext context;
    context.linkUp = LinkUp_;
    context.masterGatesInUse = GatesInUse(Images_.GateSettings.Edited);
    context.slaveGatesInUse = GatesInUse(Images_.SlaveGateSettings.Edited);
    context.masterGatesOpen = MasterGateMasks_.open | MasterGateMasks_.opening;
    context.slaveGatesOpen = SlaveGateMasks_.open | SlaveGateMasks_.opening;
    context.fanOutput = Images_.Status.FanOutput();
    return context;
}

TestModeControls ControllerSession::SetTestMode(bool on) {
    return testMode_.SetTestMode(on, TestContext());
}

TestGateButtons ControllerSession::OpenCloseAll(bool open) {
    return testMode_.OpenCloseAll(open, TestContext());
}

void ControllerSession::ShowSaveState() {
    const bool changed = Images_.AnySettingsChanged(InstallationMode_ == kInstallationMasterSlave);
    if (!changed)
        loadCorrections_.clear();
    Q_EMIT EditsCompared(changed);
}

void ControllerSession::StartSave() {
    save_ = SaveResult();
    scheduler_.StartVerifiedSave(SaveWriteJobs(InstallationMode_, SlaveConnected_));
    if (SlavePartUnsaved())
        log_.KomStsLog(QStringLiteral("Slave gate settings and names not written: no slave unit "
                                      "answers."),
                       false, false);
}

// The save is over when its last read-back leaves nothing pending: the next turn polls.
void ControllerSession::AfterResult() {
    if (save_ && scheduler_.JobMask() == 0)
        FinishSave(false);
}

void ControllerSession::FinishSave(bool interrupted) {
    SaveResult result = *save_;
    save_.reset();
    result.interrupted = interrupted;
    result.slavePartUnsaved = SlavePartUnsaved();
    result.editsLeft = Images_.AnySettingsChanged(InstallationMode_ == kInstallationMasterSlave);
    Q_EMIT SaveFinished(result);
}

bool ControllerSession::SlavePartUnsaved() const {
    return InstallationMode_ == kInstallationMasterSlave && !SlaveConnected_ &&
           (Images_.IsChanged(BlockId::SlaveGateSettings) ||
            Images_.IsChanged(BlockId::SlaveGateNames));
}

void ControllerSession::ReloadSettings(uint32_t readJobs) {
    slaveReloads_ |= readJobs & (JOB_READ_SLAVE_GATE_SETTINGS | JOB_READ_SLAVE_GATE_NAMES);
    scheduler_.SetJob(readJobs);
}

void ControllerSession::OnCounters(CounterMemo memo, const RegisterData& reply) {
    Images_.StoreReply(memo == CounterMemo::Master ? BlockId::Counters : BlockId::SlaveCounters,
                       reply.data, reply.length);
    Q_EMIT CountersRead(memo);
}
