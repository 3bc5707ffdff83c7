// Block replies: settings reads with their verification, write confirmations, the status
// polls, the slave unit's connection, and the save buttons' warning.

#include "app/main_window.h"
#include "data/settings_reply.h"

#include <QLabel>
#include <QPushButton>

namespace {
const QColor kUnsavedColor(255, 0, 0);

void showUnsaved(QPushButton* button, bool unsaved) {
    QFont font = button->font();
    font.setBold(unsaved);
    button->setFont(font);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText,
                     unsaved ? kUnsavedColor : QPalette().color(QPalette::ButtonText));
    button->setPalette(palette);
}
} // namespace

void TfVT12SetAppMain::OnSettingsRead(BlockId block, const RegisterData& reply) {
    const SettingsReply outcome =
        TakeSettingsReply(Images, block, reply.data, reply.length, scheduler_->VerifyLog);
    if (outcome == SettingsReply::Mismatch) {
        KomStsLog(QStringLiteral("FALSE!"), true, false);
        ShowSaveState();
        return;
    }
    if (outcome == SettingsReply::Verified) {
        AdvanceProgress(1);
        KomStsLog(QStringLiteral("OK"), true, false);
    }
    // The installation is the controller's own setting; the screens follow it elsewhere.
    if (block == BlockId::SystemSettings)
        InstallationMode = Images.SystemSettings.Read.InstallationMode();
    if (block == BlockId::SystemSettings && InstallationMode == kInstallationMasterSlave)
        scheduler_->SetJob(JOB_READ_SLAVE_COUNTERS | JOB_READ_SLAVE_GATE_SETTINGS |
                           JOB_READ_SLAVE_GATE_NAMES);
    if (block == BlockId::SlaveGateNames && !scheduler_->VerifyLog)
        scheduler_->SetJob(JOB_READ_SLAVE_VERSION);
    ShowSaveState();
}

void TfVT12SetAppMain::OnSettingsWritten(uint32_t readJob) {
    AdvanceProgress(1);
    scheduler_->SetJob(readJob);
    KomStsLog(QStringLiteral("OK"), true, false);
}

void TfVT12SetAppMain::OnStatusPoll(const RegisterData& reply) {
    Images.StoreReply(BlockId::Status, reply.data, reply.length);
    SetSlaveConnected(SlaveCountsAsConnected(Images.Status, InstallationMode));
    MasterGateMasks = GateMasksOf(Images.Status);
    ApplyHardwareVersion();
}

void TfVT12SetAppMain::OnSlaveStatusPoll(const RegisterData& reply) {
    if (!SlaveConnected)
        return;
    Images.StoreReply(BlockId::SlaveStatus, reply.data, reply.length);
    SlaveGateMasks = GateMasksOf(Images.SlaveStatus);
}

void TfVT12SetAppMain::SetSlaveConnected(bool connected) {
    SlaveConnected = connected;
    const bool showLost = SlaveShownLost(connected, InstallationMode);
    if (showLost == !ui.lSlaveIsNotConnected->isHidden())
        return;
    ui.lSlaveIsNotConnected->setVisible(showLost);
    if (showLost) {
        for (size_t i = 12; i < Gates.size(); ++i)
            Gates[i]->SetGatePicture(0);
        ForgetSlave(Images);
        ui.lSlaveFirmwareVersion->setText(QStringLiteral("Slave is not connected!"));
        Features.SetSlaveCode(FirmwareCode());
    } else {
        scheduler_->SetJob(JOB_READ_SLAVE_VERSION | JOB_POLL_SLAVE_STATUS |
                           JOB_READ_SLAVE_GATE_SETTINGS | JOB_READ_SLAVE_GATE_NAMES);
    }
}

void TfVT12SetAppMain::ShowSaveState() {
    const bool unsaved = Images.AnySettingsChanged(InstallationMode == kInstallationMasterSlave);
    showUnsaved(ui.bSave, unsaved);
    showUnsaved(ui.bSave2, unsaved);
}
