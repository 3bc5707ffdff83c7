#include "window/setup_settings_view.h"

#include "core/uncaught_error.h"
#include "session/controller_session.h"
#include "window/main_window_ui.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

// Filling controls from an image must not feed back into the images.
class LockedWhileFilling {
public:
    explicit LockedWhileFilling(bool& locked) : locked_(locked) { locked_ = true; }
    ~LockedWhileFilling() { locked_ = false; }
    LockedWhileFilling(const LockedWhileFilling&) = delete;
    LockedWhileFilling& operator=(const LockedWhileFilling&) = delete;

private:
    bool& locked_;
};

} // namespace

SetupSettingsView::SetupSettingsView(MainWindowUi& ui, ControllerSession& session,
                                     bool& controlsLocked, QObject* parent)
    : QObject(parent), ui_(ui), session_(session), controlsLocked_(controlsLocked) {
    session_.Form().ControlsShown(SystemFromControls(), VacuumFromControls());
    BindChanges();
    // The gate blocks come after the system block (reads, defaults, a file): the air volume of
    // an enabled Smart Minimum Airflow follows their new total.
    connect(&session_, &ControllerSession::GateSettingsChanged, this,
            &SetupSettingsView::ShowSmartMinAirVolume);
    // Times and cleaning intervals are shown in the units of the firmware that holds them.
    connect(&session_, &ControllerSession::FeatureLevelApplied, this, [this] {
        ShowSystemSettings();
        ShowVacuumSettings();
    });
}

void SetupSettingsView::ShowSmartMinAirVolume() {
    ShowMinAirflowPercent(MinAirflowPercentShown(session_.Images().SystemSettings.Edited));
}

void SetupSettingsView::BindChanges() {
    const auto changed = [this] { RunGuarded([this] { SettingsChanged(); }); };
    for (QLineEdit* edit : {ui_.eOnDelay,
                            ui_.eOffDelay,
                            ui_.eOpRangeMin,
                            ui_.eOpRangeMax,
                            ui_.eSmartMinAiflowPercent,
                            ui_.eMBA,
                            ui_.eCleanHowOften,
                            ui_.eCleanHowLong,
                            ui_.eCleanAtStopRunMin,
                            ui_.eCleanAtStopHowLong,
                            ui_.eButtonCancel,
                            ui_.eMinCurrent,
                            ui_.eMaxCurrent,
                            ui_.eReverseDelay,
                            ui_.eInactiveAfterStart,
                            ui_.eCurrInpCaption,
                            ui_.eCurrInpRng,
                            ui_.eCurrInpWarning,
                            ui_.eCurrInpUnits,
                            ui_.eCurrInpCaptionS,
                            ui_.eCurrInpRngS,
                            ui_.eCurrInpWarningS,
                            ui_.eCurrInpUnitsS,
                            ui_.eCurrInpError}) {
        connect(edit, &QLineEdit::textChanged, this, changed);
    }
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
             ui_.cbCleanEnabled, ui_.cbCleaningBeforeStop, ui_.cbOpenAtStop, ui_.cbOpenAtError,
             ui_.cbRunAtError, ui_.cbKeepLastUsedOpen, ui_.rbSignalSimul, ui_.rbOpenRequest,
             ui_.cbStopOnCurrDecay, ui_.eCurrInpStopAtError, ui_.cbPressureFromVFD,
             ui_.cbSmartMinimumAiflowEnabled}) {
        connect(button, &QAbstractButton::clicked, this, changed);
    }
}

void SetupSettingsView::SettingsChanged() {
    if (controlsLocked_)
        return;
    BuildSystemImage();
    session_.Form().EditVacuum(VacuumFromControls());
    session_.ShowSaveState();
}

void SetupSettingsView::BuildSystemImage() {
    const SystemImageBuilt built = session_.Form().EditSystem(SystemFromControls());
    ui_.lAtLeastOneGate->setVisible(built.lAtLeastOneGateVisible);
    ShowMinAirflowPercent(built.minAirflowPercent);
}

void SetupSettingsView::ShowSystemSettings() {
    const LockedWhileFilling lock(controlsLocked_);
    const SystemSettingsShown shown = session_.Form().ShowSystem();
    const SystemControls& controls = session_.Form().System();
    SystemToControls(controls);
    session_.SetInstallationMode(controls.InstallationMode);
    ui_.lAtLeastOneGate->setVisible(shown.lAtLeastOneGateVisible);
    ui_.lSmartMinimumAirflowEnabled->setVisible(shown.lSmartMinimumAirflowEnabledVisible);
    ShowMinAirflowPercent(shown.minAirflowPercent);
    ui_.pVFD_Status->setVisible(shown.pVFD_StatusVisible);
}

void SetupSettingsView::ShowVacuumSettings() {
    const LockedWhileFilling lock(controlsLocked_);
    const VacuumPanelTexts panels = session_.Form().ShowVacuum();
    VacuumToControls(session_.Form().Vacuum());
    ui_.lCurrInpLabel->setText(panels.lCurrInpLabel);
    ui_.lCurrInpLabelS->setText(panels.lCurrInpLabelS);
    ui_.lCurrentInputUnits->setText(panels.lCurrentInputUnits);
    ui_.lCurrentInputUnitsS->setText(panels.lCurrentInputUnitsS);
}

void SetupSettingsView::ShowMinAirflowPercent(std::optional<int> percent) {
    if (!percent)
        return;
    ui_.lIniOpenArea->setText(QString::number(*percent));
    ui_.lIniOpCfm->setText(
        QString::number(MinAirVolume(*percent, session_.GateTable().TotalAirVolume())));
}

SystemControls SetupSettingsView::SystemFromControls() const {
    SystemControls c;
    c.eOnDelay = ui_.eOnDelay->text();
    c.eOffDelay = ui_.eOffDelay->text();
    c.eButtonCancel = ui_.eButtonCancel->text();
    c.eMBA = ui_.eMBA->text();
    c.eMinCurrent = ui_.eMinCurrent->text();
    c.eMaxCurrent = ui_.eMaxCurrent->text();
    c.eOpRangeMin = ui_.eOpRangeMin->text();
    c.eOpRangeMax = ui_.eOpRangeMax->text();
    c.eReverseDelay = ui_.eReverseDelay->text();
    c.eCleanHowOften = ui_.eCleanHowOften->text();
    c.eCleanHowLong = ui_.eCleanHowLong->text();
    c.eInactiveAfterStart = ui_.eInactiveAfterStart->text();
    c.eCleanAtStopRunMin = ui_.eCleanAtStopRunMin->text();
    c.eCleanAtStopHowLong = ui_.eCleanAtStopHowLong->text();
    c.eSmartMinAiflowPercent = ui_.eSmartMinAiflowPercent->text();
    c.cbOpenAtStop = ui_.cbOpenAtStop->isChecked();
    c.cbOpenAtError = ui_.cbOpenAtError->isChecked();
    c.cbRunAtError = ui_.cbRunAtError->isChecked();
    c.rbSignalSimul = ui_.rbSignalSimul->isChecked();
    c.cbStopOnCurrDecay = ui_.cbStopOnCurrDecay->isChecked();
    c.cbCleanEnabled = ui_.cbCleanEnabled->isChecked();
    c.cbCleaningBeforeStop = ui_.cbCleaningBeforeStop->isChecked();
    c.cbSmartMinimumAiflowEnabled = ui_.cbSmartMinimumAiflowEnabled->isChecked();
    c.cbKeepLastUsedOpen = ui_.cbKeepLastUsedOpen->isChecked();
    c.cbPressureFromVFD = ui_.cbPressureFromVFD->isChecked();
    c.InstallationMode = ui_.rbSlaveOnPort1->isChecked()   ? 1
                         : ui_.rbSlaveOnPort2->isChecked() ? 2
                         : ui_.rbVFD_OnPort2->isChecked()  ? 3
                                                           : 0;
    return c;
}

void SetupSettingsView::SystemToControls(const SystemControls& c) {
    ui_.eOnDelay->setText(c.eOnDelay);
    ui_.eOffDelay->setText(c.eOffDelay);
    ui_.eButtonCancel->setText(c.eButtonCancel);
    ui_.eMBA->setText(c.eMBA);
    ui_.eMinCurrent->setText(c.eMinCurrent);
    ui_.eMaxCurrent->setText(c.eMaxCurrent);
    ui_.eOpRangeMin->setText(c.eOpRangeMin);
    ui_.eOpRangeMax->setText(c.eOpRangeMax);
    ui_.eReverseDelay->setText(c.eReverseDelay);
    ui_.eCleanHowOften->setText(c.eCleanHowOften);
    ui_.eCleanHowLong->setText(c.eCleanHowLong);
    ui_.eInactiveAfterStart->setText(c.eInactiveAfterStart);
    ui_.eCleanAtStopRunMin->setText(c.eCleanAtStopRunMin);
    ui_.eCleanAtStopHowLong->setText(c.eCleanAtStopHowLong);
    ui_.eSmartMinAiflowPercent->setText(c.eSmartMinAiflowPercent);
    ui_.cbOpenAtStop->setChecked(c.cbOpenAtStop);
    ui_.cbOpenAtError->setChecked(c.cbOpenAtError);
    ui_.cbRunAtError->setChecked(c.cbRunAtError);
    (c.rbSignalSimul ? ui_.rbSignalSimul : ui_.rbOpenRequest)->setChecked(true);
    ui_.cbStopOnCurrDecay->setChecked(c.cbStopOnCurrDecay);
    ui_.cbCleanEnabled->setChecked(c.cbCleanEnabled);
    ui_.cbCleaningBeforeStop->setChecked(c.cbCleaningBeforeStop);
    ui_.cbSmartMinimumAiflowEnabled->setChecked(c.cbSmartMinimumAiflowEnabled);
    ui_.cbKeepLastUsedOpen->setChecked(c.cbKeepLastUsedOpen);
    ui_.cbPressureFromVFD->setChecked(c.cbPressureFromVFD);
    QRadioButton* const modes[] = {ui_.rbSlaveOnPort0, ui_.rbSlaveOnPort1, ui_.rbSlaveOnPort2,
                                   ui_.rbVFD_OnPort2};
    modes[c.InstallationMode]->setChecked(true);
}

VacuumControls SetupSettingsView::VacuumFromControls() const {
    VacuumControls c;
    c.eCurrInpCaption = ui_.eCurrInpCaption->text();
    c.eCurrInpRng = ui_.eCurrInpRng->text();
    c.eCurrInpWarning = ui_.eCurrInpWarning->text();
    c.eCurrInpUnits = ui_.eCurrInpUnits->text();
    c.eCurrInpCaptionS = ui_.eCurrInpCaptionS->text();
    c.eCurrInpRngS = ui_.eCurrInpRngS->text();
    c.eCurrInpWarningS = ui_.eCurrInpWarningS->text();
    c.eCurrInpUnitsS = ui_.eCurrInpUnitsS->text();
    c.eCurrInpError = ui_.eCurrInpError->text();
    c.eCurrInpStopAtError = ui_.eCurrInpStopAtError->isChecked();
    return c;
}

void SetupSettingsView::VacuumToControls(const VacuumControls& c) {
    ui_.eCurrInpCaption->setText(c.eCurrInpCaption);
    ui_.eCurrInpRng->setText(c.eCurrInpRng);
    ui_.eCurrInpWarning->setText(c.eCurrInpWarning);
    ui_.eCurrInpUnits->setText(c.eCurrInpUnits);
    ui_.eCurrInpCaptionS->setText(c.eCurrInpCaptionS);
    ui_.eCurrInpRngS->setText(c.eCurrInpRngS);
    ui_.eCurrInpWarningS->setText(c.eCurrInpWarningS);
    ui_.eCurrInpUnitsS->setText(c.eCurrInpUnitsS);
    ui_.eCurrInpError->setText(c.eCurrInpError);
    ui_.eCurrInpStopAtError->setChecked(c.eCurrInpStopAtError);
}
