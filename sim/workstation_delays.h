#pragma once
// A unit's workstations: a sensor makes its workstation active after the gate's on delay and
// inactive after its off delay; a sensor that falls back before its delay has run changes
// nothing.

#include "sim/plant_setup.h"

#include <array>
#include <cstdint>

namespace vt12sim {

class WorkstationDelays {
public:
    void advance(int ms, uint16_t sensors, const GateSetup& setup);
    void clear();

    // Sensors of gates in use, as the unit reads them.
    uint16_t sensors() const { return sensors_; }
    uint16_t active() const { return active_; }
    // The workstations active last, kept once none is.
    uint16_t lastUsed() const { return lastUsed_; }

private:
    uint16_t sensors_ = 0;
    uint16_t active_ = 0;
    uint16_t lastUsed_ = 0;
    std::array<int, 12> delayLeftMs_{};
};

} // namespace vt12sim
