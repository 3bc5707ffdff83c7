#include "monitor/gate_entries.h"

#include "core/conversions.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kShortestDelay = 0.1;
constexpr double kLongestDelay = 500;
constexpr double kLongestDelayInTenths = 3600;
constexpr double kLargestByte = 255;

DelayEntry Delay(double seconds, double longest, int perSecond) {
    const double clamped = std::clamp(seconds, kShortestDelay, longest);
    return {static_cast<uint16_t>(RoundHalfEven(clamped * perSecond)),
            QString::number(clamped, 'f', 1)};
}
} // namespace

DelayEntry OnDelayEntry(double seconds) {
    return Delay(seconds, kLongestDelay, 100);
}

DelayEntry OffDelayEntry(double seconds, bool inTenths) {
    return inTenths ? Delay(seconds, kLongestDelayInTenths, 10)
                    : Delay(seconds, kLongestDelay, 100);
}

QString DelayText(uint16_t stored, int perSecond) {
    return QString::number(double(stored) / perSecond, 'f', 1);
}

uint8_t DiameterEntry(double value) {
    return static_cast<uint8_t>(std::trunc(std::clamp(value, 0.0, kLargestByte)));
}

uint8_t CompensationEntry(double value) {
    return static_cast<uint8_t>(RoundHalfEven(std::clamp(value, 0.0, kLargestByte)));
}
