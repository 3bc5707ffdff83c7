// The controller's identity on the SERVICE page and in the header, bootloader mode, and the
// features the firmware level switches on and off.

#include "app/main_window.h"
#include "app/page_builders.h"
#include "data/identification.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>

namespace {
constexpr uint8_t kReportedHardwareWithPressure = 4;

} // namespace

void TfVT12SetAppMain::OnFirmwareInfo(FirmwarePart part, const RegisterData& reply) {
    const QString text = IdentificationText(reply.data, reply.length);
    switch (part) {
    case FirmwarePart::First:
        ui.mFwData->setPlainText(text);
        Features.SetMasterCode(FirmwareCodeOf(text));
        break;
    case FirmwarePart::Second:
        ui.mFwData->setPlainText(ui.mFwData->toPlainText() + text);
        break;
    case FirmwarePart::Bootloader:
        ui.mFWBLData->setPlainText(BootloaderDataText(reply.data, reply.length));
        break;
    }
    ApplyFeatureLevel();
}

void TfVT12SetAppMain::ApplyFeatureLevel() {
    ui.lFwVersion->setText(FirmwareVersionCaption(Features.MasterCode()));
    ui.pActiveAfterStart->setVisible(Features.Has(Feature::ActiveAfterStart));
    SetBootloaderMode(Features.Has(Feature::BootloaderMode));
    if (!Features.Has(Feature::BootloaderInfoRead))
        scheduler_->ClearJob(JOB_READ_BOOTLOADER_INFO);
    const bool vacuumError = Features.Has(Feature::VacuumErrorSettings);
    ui.pVacuumError->setVisible(vacuumError);
    ui.cbKeepLastUsedOpen->setVisible(vacuumError);
    const bool pressureFromVfd = Features.Has(Feature::PressureFromVFDShown);
    ui.cbPressureFromVFD->setVisible(pressureFromVfd);
    ui.rbVFD_OnPort2->setVisible(pressureFromVfd);
    ui.lSingleWithVFDonRS485->setVisible(pressureFromVfd);
}

void TfVT12SetAppMain::SetBootloaderMode(bool on) {
    const BootloaderTransition change = Bootloader.Set(on, scheduler_->JobMask);
    scheduler_->JobMask = change.jobMask;
    if (on) {
        // The dispatcher clears the finished job after this handler; with none marked, the
        // identification read stays pending and repeats.
        scheduler_->CurrentJob = 0;
    }
    if (change.entered) {
        SetLinkState(false);
        LinkUp = true;
        SetBackground(ui.pVTDetected, ui.lAppVer->palette().color(QPalette::WindowText));
    } else if (change.left) {
        LinkUp = false;
        SetLinkState(true);
    }
    // After the link display, which hides the banner when it shows the link as down.
    ui.lBootloaderCommunication->setVisible(change.bannerVisible);
}

void TfVT12SetAppMain::ApplyHardwareVersion() {
    Images.Status.SetHardwareVersion(Features.HardwareVersion(Images.Status.HardwareVersion()));
    const uint8_t hardware = Images.Status.HardwareVersion();
    const bool pressure = FeatureLevels::HasPressureInput(hardware);
    ui.pcAdvanced->setTabVisible(ui.pcAdvanced->indexOf(ui.tsVacuum), pressure);
    ui.pCurrentInputValue->setVisible(pressure);
    ui.pCurrentInputValueS->setVisible(Images.SlaveStatus.HardwareVersion() >=
                                           kReportedHardwareWithPressure &&
                                       InstallationMode == kInstallationMasterSlave);
    ui.lHwVersion->setText(HardwareVersionCaption(hardware));
}

void TfVT12SetAppMain::OnSlaveVersion(const RegisterData& reply) {
    if (!SlaveConnected)
        return;
    const SlaveVersion version = DecodeSlaveVersion(reply.data, reply.length);
    if (version.code)
        Features.SetSlaveCode(*version.code);
    ui.lSlaveFirmwareVersion->setText(version.caption);
}
