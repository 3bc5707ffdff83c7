#pragma once
// What a settings file or backup may carry into the edited images: values outside the limits of
// their controls are bounded and named, and times written by another firmware level are taken
// into the units of the unit that holds them now.

#include "data/controller_images.h"
#include "data/feature_levels.h"

#include <QStringList>

// The edited system and gate images bounded to what their controls allow; one line per field that
// was outside: "system settings: Min. Current [50..500 mA]: 200 → 60" (stored values).
QStringList BoundImplausibleSettings(ControllerImages& images, const FeatureLevels& levels);

// The time fields of the edited system and gate images, written in the units of firmware `from`,
// taken into those of `to`: Fan Off Delay, the gates' Delay OFF and Clean How Often.
void ConvertFirmwareUnits(ControllerImages& images, const FeatureLevels& from,
                          const FeatureLevels& to);
