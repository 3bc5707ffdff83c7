#include "sim/gate_drive.h"

#include <algorithm>

namespace vt12sim {

namespace {

constexpr int kStartCurrent = 64;
constexpr int kRunCurrent = 36;
constexpr int kEndCurrent = 52;

} // namespace

uint16_t GateDrive::advance(int ms, uint16_t enabled) {
    uint16_t arrived = 0;
    for (int gate = 0; gate < 12; ++gate) {
        const uint16_t bit = static_cast<uint16_t>(1u << gate);
        const bool wantOpen = (wanted_ & enabled & bit) != 0;
        const bool openOrOpening = ((open_ | opening_) & bit) != 0;
        if (wantOpen && !openOrOpening) {
            opening_ |= bit;
            closing_ &= ~bit;
            travelLeft_[gate] = kTravelMs;
        } else if (!wantOpen && openOrOpening) {
            closing_ |= bit;
            opening_ &= ~bit;
            open_ &= ~bit;
            travelLeft_[gate] = kTravelMs;
        }
        if (((opening_ | closing_) & bit) == 0) {
            continue;
        }
        travelLeft_[gate] -= ms;
        if (travelLeft_[gate] > 0) {
            continue;
        }
        if (opening_ & bit) {
            open_ |= bit;
            arrived |= bit;
        }
        opening_ &= ~bit;
        closing_ &= ~bit;
    }
    return arrived;
}

uint8_t GateDrive::current(int first) const {
    int sum = 0;
    for (int gate = first; gate < 12; gate += 2) {
        if (((opening_ | closing_) & (1u << gate)) == 0) {
            continue;
        }
        const int left = travelLeft_[gate];
        // Each motor draws a little differently.
        sum += left > kTravelMs - kStartMs ? kStartCurrent
               : left <= kEndMs            ? kEndCurrent
                                           : kRunCurrent + gate % 5;
    }
    return static_cast<uint8_t>(std::min(sum, 255));
}

} // namespace vt12sim
