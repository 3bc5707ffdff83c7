#pragma once
// Duct cleaning: every so many minutes of running a regular cleaning opens all gates for a
// while; a system that has run long enough cleans once more when its work stops.

#include "sim/plant_setup.h"

#include <cstdint>

namespace vt12sim {

class CleaningCycle {
public:
    // working: workstations want air; fanTurning: the fan output is not zero.
    void advance(int ms, bool working, bool fanTurning, const SystemSetup& setup);
    // Ends a running cleaning; the time to the next one stays.
    void stop();

    bool isRunning() const { return running_ != Kind::None; }
    // Tenths of a second: left of a running cleaning, else to the next regular one.
    uint16_t cleaningTime(const SystemSetup& setup) const;
    uint8_t state(const SystemSetup& setup) const;

private:
    enum class Kind { None, Regular, AtStop };

    bool atStopDue(const SystemSetup& setup) const {
        return setup.cleaningAtStop && runMs_ > 0 && runMs_ >= setup.cleanAtStopAfterMs;
    }

    Kind running_ = Kind::None;
    int leftMs_ = 0;
    // Counts down only while the fan turns; -1 until the first look at the settings.
    int untilNextMs_ = -1;
    int runMs_ = 0;
    bool wasWorking_ = false;
};

} // namespace vt12sim
