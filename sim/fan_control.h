#pragma once
// The fan: it starts after its on delay once air is wanted, runs until no air has been wanted
// for its off delay, and its output ramps towards the level the open gates call for.

#include "sim/plant_setup.h"

#include <cstdint>

namespace vt12sim {

class FanControl {
public:
    enum class Phase { Stopped, OnDelay, Running, OffDelay };
    // Output change per second while the fan speeds up or runs down.
    static constexpr int kRampPerSecond = 51;

    // wanted: air is wanted; alarm: stop at once. target: the level to run at (1..255).
    void advance(int ms, bool wanted, bool alarm, uint8_t target, const SystemSetup& setup);
    // At once, without the off delay or running down.
    void stop();

    Phase phase() const { return phase_; }
    // From the start of the on delay to the end of the off delay.
    bool isCommanded() const { return phase_ != Phase::Stopped; }
    uint8_t output() const { return static_cast<uint8_t>((levelMilli_ + 999) / 1000); }
    // Tenths of a second, as FanOnDelay.
    uint16_t onDelayLeft() const;
    // In the unit of FanOffDelay.
    uint16_t offDelayLeft(const SystemSetup& setup) const;

private:
    void ramp(int ms, int targetMilli);

    Phase phase_ = Phase::Stopped;
    int delayLeftMs_ = 0;
    int levelMilli_ = 0;
};

} // namespace vt12sim
