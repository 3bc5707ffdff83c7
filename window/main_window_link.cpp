// The window's side of the controller link: the port's bytes, tDelay, the log, and the
// link panel in the header.

#include "core/uncaught_error.h"
#include "window/gate_table_view.h"
#include "window/installation_view.h"
#include "window/kom_status_panel.h"
#include "window/main_window.h"
#include "window/open_over_main.h"
#include "window/port_open_hint.h"
#include "window/status_view.h"
#include "window/test_mode_view.h"
#include "window/traffic_window.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

namespace {
constexpr int kReceiveChunk = 256;
} // namespace

void TfVT12SetAppMain::BindLink() {
    session_ = std::make_unique<ControllerSession>(
        ComPort, time_, static_cast<CommunicationLog&>(*this), static_cast<DelayTimer&>(*this));
    ComPort.OnDataRecived = [this](TAfComPort* sender, int count) {
        RunGuarded([&] { ComPortDataReceived(sender, count); });
    };
    ComPort.OnDeviceLost = [this] {
        RunGuarded([this] {
            ui.pVTDetected->setToolTip(
                PortLostHint(ComPort.ComNumber(), ComPort.DevicePath(), ComPort.LastOpenFailure()));
            session_->Detector().DeviceLost(ComPort.ComNumber());
        });
    };
    connect(ui.tDelay, &QTimer::timeout, this, [this] { RunGuarded([this] { tDelayTimer(); }); });
    BindViews();
    BindFirmwareUpdate();
}

void TfVT12SetAppMain::BindViews() {
    using S = ControllerSession;
    S* s = session_.get();
    connect(s, &S::LinkShown, this, &TfVT12SetAppMain::ShowLinkState);
    connect(s, &S::PortTrying, this, &TfVT12SetAppMain::ShowTrying);
    connect(s, &S::PortOpenedOn, this, [this] {
        portHints_.clear();
        ui.pVTDetected->setToolTip(QString());
    });
    connect(s, &S::PortOpenFailedOn, this, &TfVT12SetAppMain::ShowPortOpenFailure);
    connect(s, &S::SlaveOnPortShown, this, &TfVT12SetAppMain::ShowSlaveOnPort);
    connect(s, &S::FirmwareTextRead, this, &TfVT12SetAppMain::ShowFirmwareText);
    connect(s, &S::FeatureLevelApplied, this, &TfVT12SetAppMain::ShowFeatureLevel);
    connect(s, &S::BootloaderModeShown, this, &TfVT12SetAppMain::ShowBootloaderMode);
    connect(s, &S::HardwareVersionShown, this, &TfVT12SetAppMain::ShowHardwareVersion);
    connect(s, &S::SlaveVersionShown, ui.lSlaveFirmwareVersion, &QLabel::setText);
    connect(s, &S::SlaveLostShown, this, &TfVT12SetAppMain::ShowSlaveLost);
    connect(s, &S::SaveStateShown, this, &TfVT12SetAppMain::ShowSaveState);
    connect(s, &S::VerificationShown, this, [this](const QString& message) {
        ui.lVerifyFailed->setText(message);
        ui.lVerifyFailed->setVisible(!message.isEmpty());
    });
    connect(s, &S::CountersRead, this, &TfVT12SetAppMain::ShowCounters);

    statusView_ = std::make_unique<StatusView>(ui, *ui.tSecurityBlinkTimer, *ui.tBypassBlinkTimer,
                                               Gates, this);
    StatusView* status = statusView_.get();
    connect(s, &S::StatusShown, status, &StatusView::ShowStatus);
    connect(s, &S::SlaveStatusShown, status, &StatusView::ShowSlaveStatus);
    connect(s, &S::GateFramesShown, status, &StatusView::ShowGateSettings);
    connect(s, &S::GateNamesShown, status, &StatusView::ShowGateNames);
    // Until the first status arrives there is nothing to show.
    status->ShowStatus(StatusModel::NoDataStatus());
    status->ShowSlaveStatus(StatusModel::NoDataUnit());
    BindDriveVacuumView();
    BindTrends();
    setup_ = std::make_unique<SetupSettingsView>(ui, *s, ControlsLocked);
    komPanel_ = std::make_unique<KomStatusPanel>(ui);
    gateTable_ = std::make_unique<GateTableView>(
        ui, *s, CheckBoxPictures{CheckBoxChecked, CheckBoxNotChecked, CheckBoxDisabledChecked});
    GateTableView* gates = gateTable_.get();
    connect(s, &S::GateFramesShown, gates,
            [gates](Unit, const GateSettingsShown& shown) { gates->ShowGateSettings(shown); });
    connect(s, &S::GateNamesShown, gates, &GateTableView::Refresh);
    connect(s, &S::SettingsShown, gates, &GateTableView::Refresh);
    connect(gates, &GateTableView::TotalsShown, setup_.get(),
            &SetupSettingsView::ShowSmartMinAirVolume);
    testMode_ = std::make_unique<TestModeView>(ui, *s, Gates);
    connect(s, &S::TestModeShown, testMode_.get(), &TestModeView::ShowTestMode);
    installation_ =
        std::make_unique<InstallationView>(ui, *s, Gates, [this] { setup_->SettingsChanged(); });
    connect(ui.bTrafficMonitor, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { ShowTrafficMonitor(); }); });
    resizer_->reapplyInstallationMode = [this] {
        installation_->ShowInstallationMode(session_->InstallationMode());
    };
    connect(s, &S::SettingsShown, this, &TfVT12SetAppMain::ShowSettings);
    BindSetupButtons();
    BindPendingChanges();
    BindServiceExports();
}

void TfVT12SetAppMain::ShowTrafficMonitor() {
    if (!traffic_)
        traffic_ = std::make_unique<TrafficWindow>(*session_, this);
    OpenOverMainWindow(traffic_.get(), this);
}

void TfVT12SetAppMain::ComPortDataReceived(TAfComPort*, int count) {
    // More than one answer can hold is read in pieces; the client rejects it as a whole.
    uint8_t buffer[kReceiveChunk];
    while (count > 0) {
        const int piece = count < kReceiveChunk ? count : kReceiveChunk;
        ComPort.ReadData(buffer, piece);
        session_->ReceiveBytes(buffer, piece);
        count -= piece;
    }
}

void TfVT12SetAppMain::tDelayTimer() {
    session_->Detector().DelayExpired();
}

void TfVT12SetAppMain::KomStsLog(const QString& text, bool append, bool replace) {
    QPlainTextEdit* log = ui.mKomSts;
    // On an empty log there is no last line to finish: the text starts one.
    if ((!append && !replace) || log->document()->isEmpty()) {
        log->appendPlainText(text);
        return;
    }
    QTextCursor cursor(log->document()->lastBlock());
    cursor.movePosition(QTextCursor::EndOfBlock);
    if (replace)
        cursor.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(text);
}

void TfVT12SetAppMain::AdvanceProgress(int step) {
    ui.pbKomSts->setValue(ui.pbKomSts->value() + step);
}

void TfVT12SetAppMain::Start(int intervalMs) {
    ui.tDelay->start(intervalMs);
}

void TfVT12SetAppMain::Stop() {
    ui.tDelay->stop();
    ui.tDelay->setInterval(TPortDetector::kDelayMs);
}

void TfVT12SetAppMain::ShowSlaveOnPort(bool slaveOnPort) {
    ui.rbSlaveOnPort1->setVisible(slaveOnPort);
    ui.rbSlaveOnPort2->setEnabled(!slaveOnPort);
}

void TfVT12SetAppMain::ShowTrying(int port) {
    portTried_ = true;
    ui.pVTDetected->setText(QStringLiteral("... trying detect on COM%1").arg(port));
}

void TfVT12SetAppMain::ShowPortOpenFailure(int port) {
    // One line for each port that failed since the last one opened, each with its cause.
    const QString hint = PortOpenHint(port, ComPort.DevicePath(), ComPort.LastOpenFailure());
    if (hint.isEmpty())
        return;
    portHints_[port] = hint;
    ui.pVTDetected->setToolTip(QStringList(portHints_.values()).join(u'\n'));
}
