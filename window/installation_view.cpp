#include "window/installation_view.h"

#include "core/uncaught_error.h"
#include "monitor/installation_layout.h"
#include "session/controller_session.h"
#include "widgets/gate_frame.h"
#include "widgets/program_bitmaps.h"
#include "window/main_window_ui.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

InstallationView::InstallationView(MainWindowUi& ui, ControllerSession& session,
                                   const std::array<TfrGate*, 24>& gates,
                                   std::function<void()> settingsChanged, QObject* parent)
    : QObject(parent), ui_(ui), session_(session), gates_(gates),
      settingsChanged_(std::move(settingsChanged)) {
    for (QRadioButton* button :
         {ui_.rbSlaveOnPort0, ui_.rbSlaveOnPort1, ui_.rbSlaveOnPort2, ui_.rbVFD_OnPort2}) {
        connect(button, &QRadioButton::clicked, this,
                [this, button] { RunGuarded([&] { Choose(button->property("Tag").toInt()); }); });
    }
    for (QLabel* explanation : {ui_.lSingleLabel, ui_.Label42}) {
        explanation->installEventFilter(this);
        explanation->setCursor(Qt::PointingHandCursor);
    }
    connect(&session_, &ControllerSession::InstallationModeChanged, this,
            &InstallationView::ShowInstallationMode);
}

bool InstallationView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        QRadioButton* button =
            watched == ui_.lSingleLabel ? ui_.rbSlaveOnPort0 : ui_.rbSlaveOnPort2;
        if (button->isEnabled())
            button->click();
    }
    return QObject::eventFilter(watched, event);
}

void InstallationView::Choose(int mode) {
    session_.SetInstallationMode(mode);
    settingsChanged_();
}

void InstallationView::ShowInstallationMode(int mode) {
    const InstallationLayout layout = LayoutOfInstallation(mode);
    for (QWidget* slave : std::initializer_list<QWidget*>{
             ui_.pOther24, ui_.pGateCurrent24, ui_.mCtcs24, ui_.pCurrentInputSettingsSlave,
             ui_.lSlaveFirmwareVersion, ui_.imCurrentInputSettingsLabel_MASTER})
        slave->setVisible(layout.slaveShown);
    ui_.cbPressureFromVFD->setEnabled(layout.pressureFromVfd);
    for (TfrGate* gate : gates_)
        gate->SetMasterSlaveNumbering(layout.masterSlaveNumbering);
    if (layout.slaveShown)
        ui_.pOther24->raise();
    ui_.pGateCurrent->move(layout.masterBarsLeft, ui_.pGateCurrent->y());
    ui_.imMasterSlave->setPixmap(ProgramBitmap(layout.schematic));
    ui_.lCurrInpLabelMaster->setText(layout.masterPressureLabel);
    ui_.lGateCurrentCaption->setText(layout.masterCurrentCaption);
    ui_.bResetUnit->setText(QString::fromLatin1(kResetUnitsCaption));
    // The table takes its rows for the mode, the slave's filled in the MASTER installation.
    session_.ShowGateTables();
}
