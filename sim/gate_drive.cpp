#include "sim/gate_drive.h"

namespace vt12sim {

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

} // namespace vt12sim
