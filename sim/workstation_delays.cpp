#include "sim/workstation_delays.h"

namespace vt12sim {

void WorkstationDelays::advance(int ms, uint16_t sensors, const GateSetup& setup) {
    const uint16_t before = sensors_;
    sensors_ = sensors & setup.inUse;
    for (int gate = 0; gate < 12; ++gate) {
        const auto bit = static_cast<uint16_t>(1u << gate);
        const bool on = (sensors_ & bit) != 0;
        const bool isActive = (active_ & bit) != 0;
        if (on == isActive) {
            delayLeftMs_[gate] = 0;
            continue;
        }
        // The delay starts with the change of the sensor and counts from the next step.
        if (((before ^ sensors_) & bit) != 0 || delayLeftMs_[gate] == 0) {
            delayLeftMs_[gate] = on ? setup.onDelayMs[gate] : setup.offDelayMs[gate];
            if (delayLeftMs_[gate] > 0) {
                continue;
            }
        } else {
            delayLeftMs_[gate] -= ms;
        }
        if (delayLeftMs_[gate] <= 0) {
            delayLeftMs_[gate] = 0;
            active_ ^= bit;
        }
    }
    active_ &= setup.inUse;
    if (active_ != 0) {
        lastUsed_ = active_;
    }
}

void WorkstationDelays::clear() {
    *this = WorkstationDelays{};
}

} // namespace vt12sim
