// The buttons that act on the controller's settings: save, reload, factory defaults, and the
// SERVICE page's counters and restart.

#include "core/uncaught_error.h"
#include "data/factory_defaults.h"
#include "data/slave_link.h"
#include "window/gate_grid.h"
#include "window/kom_status_panel.h"
#include "window/main_window.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

namespace {

// A reload only reads: it never writes the slave's names, which would surprise a technician
// who asked to see what the controller holds.
uint32_t ReloadJobs(int installationMode) {
    uint32_t jobs = JOB_READ_SYSTEM_SETTINGS | JOB_READ_GATE_SETTINGS | JOB_READ_GATE_NAMES |
                    JOB_READ_VACUUM_SETTINGS;
    if (installationMode == kInstallationMasterSlave)
        jobs |= JOB_READ_SLAVE_COUNTERS | JOB_READ_SLAVE_GATE_SETTINGS | JOB_READ_SLAVE_GATE_NAMES;
    return jobs;
}

} // namespace

void TfVT12SetAppMain::BindSetupButtons() {
    const auto save = [this] { RunGuarded([this] { bSaveClick(); }); };
    const auto reload = [this] { RunGuarded([this] { bReloadClick(); }); };
    connect(ui.bSave, &QPushButton::clicked, this, save);
    connect(ui.bSave2, &QPushButton::clicked, this, save);
    connect(ui.bReload, &QPushButton::clicked, this, reload);
    connect(ui.BitBtn1, &QPushButton::clicked, this, reload);
    // The Save buttons tell at once that the defaults are not the controller's settings.
    connect(ui.bDefault, &QPushButton::clicked, this, [this] {
        RunGuarded([this] {
            LoadFactoryDefaults();
            session_->ShowSaveState();
        });
    });
    connect(ui.bRefreshCounters, &QPushButton::clicked, this, [this] {
        RunGuarded(
            [this] { session_->Scheduler().SetJob(JOB_READ_COUNTERS | JOB_READ_SLAVE_COUNTERS); });
    });
    connect(ui.bResetUnit, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { session_->Scheduler().SetJob(JOB_RESET_UNIT); }); });
    BindSettingsFile();
}

void TfVT12SetAppMain::ShowSettings(BlockId block) {
    if (block == BlockId::SystemSettings)
        setup_->ShowSystemSettings();
    else if (block == BlockId::VacuumSettings)
        setup_->ShowVacuumSettings();
}

void TfVT12SetAppMain::LoadFactoryDefaults() {
    ui.gData->DiscardEditor();
    const FactoryDefaultsApplied applied = ApplyFactoryDefaults(session_->Images());
    ui.eIniAirVelocity->setText(applied.eIniAirVelocity);
    setup_->ShowSystemSettings();
    session_->ShowGateTables();
}

void TfVT12SetAppMain::bSaveClick() {
    setup_->BuildSystemImage();
    ui.mKomSts->clear();
    ui.pbKomSts->hide();
    ui.pbKomSts->setValue(0);
    session_->StartSave();
    komPanel_->ShowOnSetup();
}

void TfVT12SetAppMain::bReloadClick() {
    session_->ReloadSettings(ReloadJobs(session_->InstallationMode()));
}
