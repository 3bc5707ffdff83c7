#pragma once
// The SETUP form without its widgets: the value of every system and pressure control, kept beside
// the edited images. A control writes only the bytes it stands for, and only once its value
// means something else than those bytes show: a control showing a rounded form of what the unit
// holds never rewrites it by being shown.

#include "data/controller_images.h"
#include "data/feature_levels.h"
#include "data/system_settings_controls.h"
#include "data/vacuum_settings_controls.h"

class SetupForm {
public:
    SetupForm(ControllerImages& images, const FeatureLevels& features)
        : images_(images), features_(features) {}

    const SystemControls& System() const { return system_; }
    const VacuumControls& Vacuum() const { return vacuum_; }

    // The controls filled from the edited images (a read, a load, the defaults, a new firmware
    // level): what the views show next.
    SystemSettingsShown ShowSystem();
    VacuumPanelTexts ShowVacuum();

    // What the widgets show before the form ever filled them (their design texts).
    void ControlsShown(const SystemControls& system, const VacuumControls& vacuum) {
        system_ = system;
        vacuum_ = vacuum;
    }

    // The controls as the technician left them. The fields of a control whose value is unmoved,
    // or means what its fields already show, keep their bytes; one brought back to what the
    // controller showed takes the controller's bytes again.
    SystemImageBuilt EditSystem(const SystemControls& controls);
    void EditVacuum(const VacuumControls& controls);

private:
    ControllerImages& images_;
    const FeatureLevels& features_;
    SystemControls system_;
    VacuumControls vacuum_;
};
