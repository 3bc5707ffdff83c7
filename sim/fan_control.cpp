#include "sim/fan_control.h"

#include <algorithm>

namespace vt12sim {

namespace {

uint16_t roundedUp(int ms, int unitMs) {
    return static_cast<uint16_t>(std::min((ms + unitMs - 1) / unitMs, 0xFFFF));
}

} // namespace

void FanControl::advance(int ms, bool wanted, bool alarm, uint8_t target,
                         const SystemSetup& setup) {
    if (alarm) {
        stop();
        return;
    }
    switch (phase_) {
    case Phase::Stopped:
        if (wanted) {
            // A fan still running down needs no new start.
            phase_ = output() > 0 ? Phase::Running : Phase::OnDelay;
            delayLeftMs_ = setup.fanOnDelayMs;
        }
        break;
    case Phase::OnDelay:
        delayLeftMs_ -= ms;
        if (!wanted) {
            phase_ = Phase::Stopped;
        } else if (delayLeftMs_ <= 0) {
            phase_ = Phase::Running;
        }
        break;
    case Phase::Running:
        if (!wanted) {
            phase_ = Phase::OffDelay;
            delayLeftMs_ = setup.fanOffDelayMs;
        }
        break;
    case Phase::OffDelay:
        delayLeftMs_ -= ms;
        if (wanted) {
            phase_ = Phase::Running;
        } else if (delayLeftMs_ <= 0) {
            phase_ = Phase::Stopped;
        }
        break;
    }
    if (phase_ == Phase::OnDelay && delayLeftMs_ <= 0) {
        phase_ = Phase::Running;
    }
    if (phase_ != Phase::OnDelay && phase_ != Phase::OffDelay) {
        delayLeftMs_ = 0;
    }
    const bool turning = phase_ == Phase::Running || phase_ == Phase::OffDelay;
    ramp(ms, turning ? std::max<int>(target, 1) * 1000 : 0);
}

void FanControl::ramp(int ms, int targetMilli) {
    const int step = ms * kRampPerSecond;
    levelMilli_ = levelMilli_ < targetMilli ? std::min(levelMilli_ + step, targetMilli)
                                            : std::max(levelMilli_ - step, targetMilli);
}

void FanControl::stop() {
    *this = FanControl{};
}

uint16_t FanControl::onDelayLeft() const {
    return phase_ == Phase::OnDelay ? roundedUp(delayLeftMs_, 100) : 0;
}

uint16_t FanControl::offDelayLeft(const SystemSetup& setup) const {
    return phase_ == Phase::OffDelay ? roundedUp(delayLeftMs_, setup.fanOffUnitMs) : 0;
}

} // namespace vt12sim
