#pragma once
// The SETUP page's system and pressure settings: the controls filled from the edited images, and
// every change of a control rebuilt into them at once.

#include "data/system_settings_controls.h"
#include "data/vacuum_settings_controls.h"

#include <QObject>

struct MainWindowUi;
class ControllerSession;

class SetupSettingsView : public QObject {
    Q_OBJECT
public:
    // controlsLocked: the window's flag, set while controls are filled from an image.
    SetupSettingsView(MainWindowUi& ui, ControllerSession& session, bool& controlsLocked,
                      QObject* parent = nullptr);

    void ShowSystemSettings();
    void ShowVacuumSettings();
    // Unless the controls are being filled: both edited images rebuilt, the save buttons told.
    void SettingsChanged();
    // The system image as the controls hold it, whatever the lock.
    void BuildSystemImage();
    // With Smart Minimum Airflow on: its air volume from the gate table's present total.
    void ShowSmartMinAirVolume();

private:
    void BindChanges();
    SystemControls SystemFromControls() const;
    void SystemToControls(const SystemControls& controls);
    VacuumControls VacuumFromControls() const;
    void VacuumToControls(const VacuumControls& controls);
    void ShowMinAirflowPercent(std::optional<int> percent);

    MainWindowUi& ui_;
    ControllerSession& session_;
    bool& controlsLocked_;
};
