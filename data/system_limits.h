#pragma once
// Bounds of the stored system settings, applied when the image is built from the controls.

#include "data/system_settings_block.h"

#include <algorithm>

// Records in the SystemSettingsBlock layout; only the bounded fields are set.
inline constexpr SystemSettingsBlock SystemMin = [] {
    SystemSettingsBlock limits;
    limits.SetMinCurrent(6);
    limits.SetMaxCurrent(24);
    limits.SetReverseDelay(10);
    limits.SetCleanHowLong(1);
    limits.SetCleanHowOften(2);
    limits.SetCleanAtStopRunMin(2);
    limits.SetCleanAtStopHowLong(1);
    limits.SetSmartMinAirflow(false, 0);
    return limits;
}();

inline constexpr SystemSettingsBlock SystemMax = [] {
    SystemSettingsBlock limits;
    limits.SetMinCurrent(60);
    limits.SetMaxCurrent(252);
    limits.SetReverseDelay(200);
    limits.SetCleanHowLong(60);
    limits.SetCleanHowOften(99);
    limits.SetCleanAtStopRunMin(60);
    limits.SetCleanAtStopHowLong(20);
    limits.SetSmartMinAirflow(false, 100);
    return limits;
}();

enum class SystemBound {
    MinCurrent,
    MaxCurrent,
    ReverseDelay,
    CleanHowLong,
    CleanHowOften, // on the minutes, before older firmware divides them by 5
    CleanAtStopRunMin,
    CleanAtStopHowLong,
    SmartMinAirflowPercent,
};

// The value brought into the bounds of the field, so any entry fits its byte.
constexpr int Bounded(SystemBound field, int value) {
    using Getter = uint8_t (SystemSettingsBlock::*)() const;
    constexpr Getter getters[] = {
        &SystemSettingsBlock::MinCurrent,         &SystemSettingsBlock::MaxCurrent,
        &SystemSettingsBlock::ReverseDelay,       &SystemSettingsBlock::CleanHowLong,
        &SystemSettingsBlock::CleanHowOften,      &SystemSettingsBlock::CleanAtStopRunMin,
        &SystemSettingsBlock::CleanAtStopHowLong, &SystemSettingsBlock::SmartMinAirflowPercent,
    };
    const Getter getter = getters[static_cast<int>(field)];
    return std::clamp<int>(value, (SystemMin.*getter)(), (SystemMax.*getter)());
}
