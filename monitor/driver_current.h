#pragma once
// One gate-motor driver's current bar: the mean of the last two samples while one of its
// gates is driven.

#include "monitor/status_display.h"

#include <cstdint>

enum class Driver : uint8_t { Odd, Even };

// A current sample's step.
inline constexpr double kMilliampsPerUnit = 8.35;

class DriverCurrent {
public:
    explicit DriverCurrent(Driver driver) : driver_(driver) {}

    // driven: the unit's opening or closing gates. numberPrefix stands before the gate number
    // in the caption: "", "M" or "S".
    DriverDisplay Show(uint16_t driven, uint8_t sample, const QString& numberPrefix);

private:
    Driver driver_;
    uint8_t previous_ = 0;
};
