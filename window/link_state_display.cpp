// What the screens show while the link is up or down.

#include "window/main_window.h"
#include "window/page_builders.h"
#include "window/page_controls.h"

#include "window/gate_grid.h"
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QColor kDustIdle(192, 192, 192);
const QColor kPanelTextUp(0, 0, 128);
const QColor kPanelTextDown(128, 128, 128);

} // namespace

void TfVT12SetAppMain::ShowLinkState(bool up, int port) {
    const ControllerImages& images = session_->Images();
    const bool testing = up && session_->TestMode();
    for (int i = 0; i < 24; ++i) {
        const GateRecord& gate = i < 12 ? images.GateSettings.Edited.Gates[size_t(i)]
                                        : images.SlaveGateSettings.Edited.Gates[size_t(i - 12)];
        Gates[size_t(i)]->SetGateButtonEnabled(testing && gate.Enabled() != 0);
    }
    QWidget* const testControls[] = {ui.bFanRun, ui.bFanStop, ui.bOpenAll, ui.bCloseAll,
                                     ui.bTestOff};
    for (QWidget* control : testControls)
        control->setEnabled(testing);
    QWidget* const linked[] = {ui.gData,       ui.eOffDelay,    ui.udDelay,      ui.eOnDelay,
                               ui.bReload,     ui.bSave,        ui.bTestOn,      ui.eOpRangeMin,
                               ui.eOpRangeMax, ui.udOpRangeMin, ui.udOpRangeMax, ui.pAdvPanel,
                               ui.pAdvPanel2};
    for (QWidget* control : linked)
        control->setEnabled(up);
    ui.sDustOn->SetBrushColor(kDustIdle);

    if (!up) {
        for (TfrGate* gate : Gates) {
            gate->SetGateButtonDown(false);
            gate->SetGateActive(false);
            gate->SetManualIndicator(false);
        }
        SetBackground(ui.pVTDetected, QApplication::palette().color(QPalette::Button));
        ui.lActiveSns->setText(QStringLiteral("--"));
        ui.lOpnGates->setText(QStringLiteral("--"));
        SetTextColor(ui.pAdvPanel, kPanelTextDown);
        SetTextColor(ui.pAdvPanel2, kPanelTextDown);
        ui.lBootloaderCommunication->hide();
        ui.bUploadFirmware->setEnabled(false);
        // Detection ends an upload.
        ShowFirmwarePathLock();
    } else {
        ui.pVTDetected->setText(QStringLiteral("Detected on COM%1").arg(port));
        // The panel has room for the caption alone: where a network port leads is its tooltip.
        if (ComPort.Remote())
            ui.pVTDetected->setToolTip(
                QStringLiteral("COM%1: %2").arg(port).arg(ComPort.DevicePath()));
        SetBackground(ui.pVTDetected, ui.lAppVer->palette().color(QPalette::WindowText));
        SetTextColor(ui.pAdvPanel, kPanelTextUp);
        SetTextColor(ui.pAdvPanel2, kPanelTextUp);
    }
    ui.gData->viewport()->update();
}
