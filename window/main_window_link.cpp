// The window's side of the controller link: the session host's log on the memo, and the link
// panel in the header.

#include "core/uncaught_error.h"
#include "window/gate_table_view.h"
#include "window/installation_view.h"
#include "window/kom_log_colours.h"
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

void TfVT12SetAppMain::BindLink() {
    SessionHost* host = &host_;
    host->UseDelayTimer(*ui.tDelay);
    connect(host, &SessionHost::LogWritten, this, &TfVT12SetAppMain::ShowLogText);
    connect(host, &SessionHost::LogLineJudged, this, &TfVT12SetAppMain::MarkLogVerdict);
    connect(host, &SessionHost::ProgressAdvanced, this,
            [this](int step) { ui.pbKomSts->setValue(ui.pbKomSts->value() + step); });
    connect(host, &SessionHost::DeviceLost, this, [this](int port) {
        ui.pVTDetected->setToolTip(
            PortLostHint(port, ComPort.DevicePath(), ComPort.LastOpenFailure()));
    });
    BindViews();
    BindFirmwareUpdate();
}

void TfVT12SetAppMain::BindViews() {
    using S = ControllerSession;
    S* s = session_;
    connect(s, &S::LinkChanged, this, &TfVT12SetAppMain::ShowLinkState);
    connect(s, &S::PortTrying, this, &TfVT12SetAppMain::ShowTrying);
    connect(s, &S::PortOpenedOn, this, [this] {
        portHints_.clear();
        ui.pVTDetected->setToolTip(QString());
    });
    connect(s, &S::PortOpenFailedOn, this, &TfVT12SetAppMain::ShowPortOpenFailure);
    connect(s, &S::UnitAnswered, this, &TfVT12SetAppMain::ShowSlaveOnPort);
    connect(s, &S::FirmwareTextRead, this, &TfVT12SetAppMain::ShowFirmwareText);
    connect(s, &S::FeatureLevelApplied, this, &TfVT12SetAppMain::ShowFeatureLevel);
    connect(s, &S::BootloaderModeChanged, this, &TfVT12SetAppMain::ShowBootloaderMode);
    connect(s, &S::HardwareVersionRead, this, &TfVT12SetAppMain::ShowHardwareVersion);
    connect(s, &S::SlaveVersionRead, ui.lSlaveFirmwareVersion, &QLabel::setText);
    connect(s, &S::SlaveLostChanged, this, &TfVT12SetAppMain::ShowSlaveLost);
    connect(s, &S::EditsCompared, this, &TfVT12SetAppMain::ShowSaveState);
    connect(s, &S::FailedVerificationChanged, this, [this](const QString& message) {
        ui.lVerifyFailed->setText(message);
        ui.lVerifyFailed->setVisible(!message.isEmpty());
    });
    connect(s, &S::CountersRead, this, &TfVT12SetAppMain::ShowCounters);

    statusView_ = std::make_unique<StatusView>(ui, *ui.tSecurityBlinkTimer, *ui.tBypassBlinkTimer,
                                               Gates, this);
    StatusView* status = statusView_.get();
    connect(s, &S::StatusPolled, status, &StatusView::ShowStatus);
    connect(s, &S::SlaveStatusPolled, status, &StatusView::ShowSlaveStatus);
    connect(s, &S::GateSettingsChanged, status, &StatusView::ShowGateSettings);
    connect(s, &S::GateNamesChanged, status, &StatusView::ShowGateNames);
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
    connect(s, &S::GateSettingsChanged, gates,
            [gates](Unit, const GateSettingsShown& shown) { gates->ShowGateSettings(shown); });
    connect(s, &S::GateNamesChanged, gates, &GateTableView::Refresh);
    connect(s, &S::SettingsRead, gates, &GateTableView::Refresh);
    connect(gates, &GateTableView::TotalsShown, setup_.get(),
            &SetupSettingsView::ShowSmartMinAirVolume);
    testMode_ = std::make_unique<TestModeView>(ui, *s, Gates);
    connect(s, &S::TestModeEnded, testMode_.get(), &TestModeView::ShowTestMode);
    installation_ =
        std::make_unique<InstallationView>(ui, *s, Gates, [this] { setup_->SettingsChanged(); });
    connect(ui.bTrafficMonitor, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { ShowTrafficMonitor(); }); });
    resizer_->reapplyInstallationMode = [this] {
        installation_->ShowInstallationMode(session_->InstallationMode());
    };
    connect(s, &S::SettingsRead, this, &TfVT12SetAppMain::ShowSettings);
    BindSetupButtons();
    BindPendingChanges();
    BindServiceExports();
}

void TfVT12SetAppMain::ShowTrafficMonitor() {
    if (!traffic_)
        traffic_ = std::make_unique<TrafficWindow>(*session_, this);
    OpenOverMainWindow(traffic_.get(), this);
}

void TfVT12SetAppMain::ShowLogText(const QString& text, bool append, bool replace) {
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

void TfVT12SetAppMain::MarkLogVerdict(bool ok) {
    MarkLastLineVerdict(ui.mKomSts, ok ? LogVerdict::Ok : LogVerdict::Failed);
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
