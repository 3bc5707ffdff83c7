#include "monitor/fan_delay.h"

namespace {
bool Runs(uint16_t left, uint16_t setting) {
    return left > 0 && left < setting;
}

int WholeSeconds(uint16_t left, double perSecond) {
    return static_cast<int>(left / perSecond + 0.99);
}
} // namespace

FanDelayDisplay FanDelay(const FanDelayTimes& times) {
    FanDelayDisplay display;
    if (Runs(times.onLeft, times.onDelay)) {
        display = {true, QStringLiteral("Delay On: %1").arg(WholeSeconds(times.onLeft, 10)),
                   times.onDelay, times.onLeft};
    } else if (Runs(times.offLeft, times.offDelay)) {
        const double perSecond = times.offInSeconds ? 1 : 10;
        display = {true,
                   QStringLiteral("Delay Off: %1").arg(WholeSeconds(times.offLeft, perSecond)),
                   times.offDelay, times.offLeft};
    }
    return display;
}
