// The controller's identity on the SERVICE page and in the header, the damaged-firmware
// banner, and the controls the firmware level switches on and off.

#include "data/identification.h"
#include "window/main_window.h"
#include "window/page_builders.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>

void TfVT12SetAppMain::ShowFirmwareText(ControllerSession::FirmwarePart part, const QString& text) {
    switch (part) {
    case ControllerSession::FirmwarePart::First:
        ui.mFwData->setPlainText(text);
        break;
    case ControllerSession::FirmwarePart::Second:
        ui.mFwData->setPlainText(ui.mFwData->toPlainText() + text);
        break;
    case ControllerSession::FirmwarePart::Bootloader:
        ui.mFWBLData->setPlainText(text);
        break;
    }
}

void TfVT12SetAppMain::ShowFeatureLevel() {
    const FeatureLevels& features = session_->Features();
    ui.lFwVersion->setText(FirmwareVersionCaption(features.MasterCode()));
    ui.pActiveAfterStart->setVisible(features.Has(Feature::ActiveAfterStart));
    const bool vacuumError = features.Has(Feature::VacuumErrorSettings);
    ui.pVacuumError->setVisible(vacuumError);
    ui.cbKeepLastUsedOpen->setVisible(features.Has(Feature::KeepLastUsedOpen));
    ui.cbPressureFromVFD->setVisible(features.Has(Feature::PressureFromVFDShown));
    const bool vfdOnPort2 = features.Has(Feature::VFDOnPort2);
    ui.rbVFD_OnPort2->setVisible(vfdOnPort2);
    ui.lSingleWithVFDonRS485->setVisible(vfdOnPort2);
}

void TfVT12SetAppMain::ShowBootloaderMode(const BootloaderTransition& change) {
    if (change.entered)
        SetBackground(ui.pVTDetected, ui.lAppVer->palette().color(QPalette::WindowText));
    // After the link display, which hides the banner when it shows the link as down.
    ui.lBootloaderCommunication->setVisible(change.bannerVisible);
}

void TfVT12SetAppMain::ShowHardwareVersion(const HardwareVersionView& view) {
    ui.pcAdvanced->setTabVisible(ui.pcAdvanced->indexOf(ui.tsVacuum), view.pressure);
    ui.pCurrentInputValue->setVisible(view.pressure);
    ui.pCurrentInputValueS->setVisible(view.slavePressure);
    ui.lHwVersion->setText(HardwareVersionCaption(view.version));
}
