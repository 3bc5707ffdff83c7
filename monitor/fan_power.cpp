#include "monitor/fan_power.h"

#include "core/conversions.h"

#include <algorithm>

void FanPower::SetPercentage(int percentage) {
    percentage_ = std::clamp(percentage, 0, kMaxPercentage);
}

bool FanPower::TypePercentage(const QString& text) {
    bool ok = false;
    const int typed = text.trimmed().toInt(&ok);
    if (!ok)
        return false;
    SetPercentage(typed);
    return percentage_ != typed;
}

void FanPower::SetSliderPosition(int position) {
    percentage_ = kMaxPercentage - 2 * std::clamp(position, 0, kMaxSliderPosition);
}

uint8_t FanPower::PowerByte() const {
    // x 2.55 is x 51 / 20: exact halves stay exact, so 10 % is a true tie (25.5 -> 26).
    return static_cast<uint8_t>(RoundHalfEven(percentage_ * 51 / 20.0));
}
