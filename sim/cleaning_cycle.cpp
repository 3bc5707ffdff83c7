#include "sim/cleaning_cycle.h"

#include <algorithm>

namespace vt12sim {

namespace {

constexpr uint8_t kRegularEnabled = 0x10;
constexpr uint8_t kAtStopEnabled = 0x20;
constexpr uint8_t kRegularRunning = 0x02;
constexpr uint8_t kAtStopRunning = 0x04;
constexpr uint8_t kAtStopDue = 0x08;

uint16_t tenths(int ms) {
    return static_cast<uint16_t>(std::clamp((ms + 99) / 100, 0, 0xFFFF));
}

} // namespace

void CleaningCycle::advance(int ms, bool working, bool fanTurning, const SystemSetup& setup) {
    // A shorter period written meanwhile takes effect at once.
    if (untilNextMs_ < 0 || untilNextMs_ > setup.cleanEveryMs) {
        untilNextMs_ = setup.cleanEveryMs;
    }
    runMs_ = fanTurning ? runMs_ + ms : 0;
    if (running_ != Kind::None) {
        leftMs_ -= ms;
        const bool workBack = running_ == Kind::AtStop && working;
        const bool switchedOff =
            running_ == Kind::Regular ? !setup.regularCleaning : !setup.cleaningAtStop;
        if (leftMs_ <= 0 || workBack || switchedOff) {
            running_ = Kind::None;
        }
    }
    if (wasWorking_ && !working && fanTurning && atStopDue(setup) && setup.cleanAtStopForMs > 0) {
        running_ = Kind::AtStop;
        leftMs_ = setup.cleanAtStopForMs;
    }
    wasWorking_ = working;
    if (running_ != Kind::None || !setup.regularCleaning || !fanTurning ||
        setup.cleanEveryMs <= 0) {
        return;
    }
    untilNextMs_ -= ms;
    if (untilNextMs_ <= 0) {
        untilNextMs_ = setup.cleanEveryMs;
        if (setup.cleanForMs > 0) {
            running_ = Kind::Regular;
            leftMs_ = setup.cleanForMs;
        }
    }
}

void CleaningCycle::stop() {
    running_ = Kind::None;
    leftMs_ = 0;
    runMs_ = 0;
    wasWorking_ = false;
}

uint16_t CleaningCycle::cleaningTime(const SystemSetup& setup) const {
    if (running_ != Kind::None) {
        return tenths(leftMs_);
    }
    const int untilNext = untilNextMs_ < 0 ? setup.cleanEveryMs : untilNextMs_;
    return setup.regularCleaning ? tenths(untilNext) : 0;
}

uint8_t CleaningCycle::state(const SystemSetup& setup) const {
    uint8_t state = 0;
    if (setup.regularCleaning) {
        state |= kRegularEnabled;
    }
    if (setup.cleaningAtStop) {
        state |= kAtStopEnabled;
        if (atStopDue(setup)) {
            state |= kAtStopDue;
        }
    }
    if (running_ == Kind::Regular) {
        state |= kRegularRunning;
    } else if (running_ == Kind::AtStop) {
        state |= kAtStopRunning;
    }
    return state;
}

} // namespace vt12sim
