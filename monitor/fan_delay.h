#pragma once
// The fan's on- or off-delay countdown under "FAN - RUN".

#include "monitor/status_display.h"

#include <cstdint>

struct FanDelayTimes {
    uint16_t onLeft;   // tenths of a second
    uint16_t offLeft;  // in the unit of offDelay
    uint16_t onDelay;  // FanOnDelay
    uint16_t offDelay; // FanOffDelay
    bool offInSeconds; // else tenths of a second
};

// Shown while a countdown runs below its setting, in whole seconds rounded up except for
// remainders below 0.01 s.
FanDelayDisplay FanDelay(const FanDelayTimes& times);
