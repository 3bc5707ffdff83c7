#include "window/main_window.h"
#include "window/changes_window.h"
#include "window/control_tooltips.h"
#include "window/drive_vacuum_view.h"
#include "window/gate_table_view.h"
#include "window/installation_view.h"
#include "window/kom_status_panel.h"
#include "window/page_builders.h"
#include "window/status_view.h"
#include "window/test_mode_view.h"
#include "window/traffic_window.h"
#include "window/trends_window.h"
#include "window/window_keyboard.h"

#include "core/application_title.h"
#include "core/command_line.h"
#include "core/program_files.h"
#include "session/persisted_settings.h"
#include "widgets/gate_colors.h"
#include "widgets/gate_frames.h"
#include "widgets/program_bitmaps.h"
#include "widgets/shape.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QLabel>
#include <QProgressBar>
#include <QTabWidget>
#include <QTimer>
#include <QWebEngineView>

namespace {
const QColor kRpmCtrlColor(223, 121, 121);
const QColor kWarningVacuumColor(255, 153, 153);
const QColor kPrivateLabelColor(88, 152, 240);

// The product version's four numbers written one after the other: 5.0.0.1 gives 5001.
QString versionDigits() {
    const QString version = QStringLiteral(VT12_VERSION);
    return version.isEmpty() ? QStringLiteral("Unknown") : QString(version).remove(u'.');
}

struct LegendColour {
    TShape* MainWindowUi::*shape;
    QColor fill;
    QColor outline;
};
} // namespace

TfVT12SetAppMain::TfVT12SetAppMain(const QStringList& arguments, QWidget* parent)
    : QWidget(parent) {
    SetupMainWindowUi(this, ui);
    resizer_ = std::make_unique<WindowResizer>(this, ui);
    FormCreate(arguments);
}

TfVT12SetAppMain::~TfVT12SetAppMain() {
    FormClose();
}

void TfVT12SetAppMain::FormCreate(const QStringList& arguments) {
    ProgramDir = ProgramDirectory();
    CheckBoxNotChecked = ProgramBitmap(QStringLiteral("CHECKBOXNOTCHECK"));
    CheckBoxChecked = ProgramBitmap(QStringLiteral("CHECKBOXCHECKED"));
    CheckBoxDisabledChecked = ProgramBitmap(QStringLiteral("CHECKBOX_DIS_CH"));
    GateImages = GatePictures::FromResources();
    // Before the views that bind to them.
    Gates = CreateGateFrames(ui.pFirst12, ui.pOther24, GateImages);
    BindLink();
    SetBackground(ui.pRpmCtrl, kRpmCtrlColor);
    SetBackground(ui.lWarningVacuum, kWarningVacuumColor);
    LoadSettings();
    ui.pcAdvanced->setCurrentIndex(0);
    ui.lAppVer->setText(QStringLiteral("Software Version: ") + versionDigits());
    ui.pcPages->setCurrentWidget(ui.tsSettings);
    SetExpertMode(false);
    FixedPort = 0;

    const CommandLine line = ParseCommandLine(arguments);
    if (line.expert)
        SetExpertMode(true);
    if (line.privateLabel)
        ApplyPrivateLabel();
    FixedPort = line.fixedPort;
    session_->Detector().SetFixedPort(FixedPort);
    if (!line.traceFile.isEmpty() && !host_.Trace().Open(line.traceFile))
        qWarning().noquote() << "Cannot write the trace file" << line.traceFile + ":"
                             << host_.Trace().ErrorString();
    if (FixedPort > 0) {
        setWindowTitle(windowTitle() + QStringLiteral(" [COM%1]").arg(FixedPort));
        SetApplicationTitle(windowTitle());
    }

    ui.pbKomSts->setValue(0);
    // The legend explains the gate frames, so it takes their colours.
    const LegendColour legend[] = {
        {&MainWindowUi::sSignalDelay_Legend_NA, DelayOffFillColor, DelayOffOutlineColor},
        {&MainWindowUi::sSignal_Legend_NA, SignalIdleColor, QColor()},
        {&MainWindowUi::sSignalDelay_Legend_SA, DelayOnFillColor, DelayOnOutlineColor},
        {&MainWindowUi::sSignal_Legend_SA, SignalActiveColor, QColor()},
        {&MainWindowUi::sSignalDelay_Legend_AA, DelayOffFillColor, DelayOffOutlineColor},
        {&MainWindowUi::sSignal_Legend_AA, SignalMinAirflowColor, QColor()},
        {&MainWindowUi::sSignalDelay_Legend_DA, DelayOnFillColor, DelayOnOutlineColor},
        {&MainWindowUi::sSignal_Legend_DA, SignalIdleColor, QColor()},
    };
    for (const LegendColour& entry : legend) {
        (ui.*entry.shape)->SetBrushColor(entry.fill);
        if (entry.outline.isValid())
            (ui.*entry.shape)->SetPen(entry.outline);
    }
    SetTextColor(ui.lSmartMinimumAirflowEnabled, SignalMinAirflowColor);
    SetControlToolTips(this);
    BindKeyboard(this, ui);
    resizer_->ClearLayoutTable();
    ControlsLocked = true;
}

void TfVT12SetAppMain::LoadSettings() {
    const QString help = FindProgramFile(ProgramDir, QStringLiteral("Vantor 12*.mht"));
    if (help.isEmpty())
        ui.pcPages->setTabVisible(ui.pcPages->indexOf(ui.tsHelp), false);
    else
        OpenHelpWhenShown(ui, help);

    SettingsIni = SettingsIniPath(ProgramDir);
    const PersistedSettings settings = LoadPersistedSettings(SettingsIni, ProgramDir);
    if (!settings.refusal.isEmpty())
        qWarning().noquote() << settings.refusal;
    ComPort.PortPaths = settings.portPaths;
    session_->SetNetworkTimeout(settings.networkTimeoutMs);
    ComPort.SetComNumber(settings.port - 1);
    ui.dOpen->setDirectory(settings.dir);
    ui.dSave->setDirectory(ui.dOpen->directory());
    savedDir_ = settings.dir;
}

void TfVT12SetAppMain::SaveSettings() {
    // Before the first detection step the number is still the stored one less one; writing it
    // would move the stored port down by one on every such close.
    const int port = portTried_ ? ComPort.ComNumber() : ComPort.ComNumber() + 1;
    if (const FileWritten saved = SavePersistedSettings(SettingsIni, port, savedDir_); !saved)
        qWarning().noquote() << "Cannot write" << SettingsIni + ":" << saved.failure;
}

void TfVT12SetAppMain::SetExpertMode(bool on) {
    ExpertMode = on;
    ui.pcPages->setTabVisible(ui.pcPages->indexOf(ui.tsMasterSlave), on);
    ui.cbAdvancedSettings->setChecked(on);
    ui.pAdvanced->setVisible(on);
}

void TfVT12SetAppMain::ApplyPrivateLabel() {
    ui.iLogoDurvik->setPixmap(ProgramBitmap(QStringLiteral("LOGOVELDRA")));
    ui.Shape5->SetBrushColor(kPrivateLabelColor);
    ui.Shape5->SetPen(kPrivateLabelColor);
    SetTextColor(ui.lAppVer, kPrivateLabelColor);
}

void TfVT12SetAppMain::FormShow() {
    ui.pcPages->setCurrentWidget(ui.tsSettings);
    LoadFactoryDefaults();
    host_.StartDetection();
    ControlsLocked = false;
}

void TfVT12SetAppMain::FormClose() {
    if (closed_)
        return;
    closed_ = true;
    SaveSettings();
    host_.Close();
}

void TfVT12SetAppMain::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (shown_)
        return;
    shown_ = true;
    FormShow();
}

void TfVT12SetAppMain::closeEvent(QCloseEvent* e) {
    FormClose();
    e->accept();
}

void TfVT12SetAppMain::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        resizer_->FormActivate();
    else if (e->type() == QEvent::WindowStateChange)
        resizer_->FormResize();
}

void TfVT12SetAppMain::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    resizer_->FormResize();
}
