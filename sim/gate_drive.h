#pragma once
// The twelve gate motors of one unit: a gate asked open travels open, then reports open.

#include <array>
#include <cstdint>

namespace vt12sim {

class GateDrive {
public:
    static constexpr int kTravelMs = 1500;
    // A motor draws more while it starts and while it presses the slide against its stop.
    static constexpr int kStartMs = 200;
    static constexpr int kEndMs = 150;

    // Bit i: gate i+1 is wanted open.
    void request(uint16_t wantedOpen) { wanted_ = wantedOpen & kAllGates; }
    uint16_t requested() const { return wanted_; }

    // Moves the gates on by ms; only gates in use (enabled) are driven.
    // Returns the gates that have just arrived open.
    uint16_t advance(int ms, uint16_t enabled);

    uint16_t openGates() const { return open_; }
    uint16_t openingGates() const { return opening_; }
    uint16_t closingGates() const { return closing_; }

    // Current of the odd and the even gates' motor driver, units of 8.35 mA.
    uint8_t oddDriverCurrent() const { return current(0); }
    uint8_t evenDriverCurrent() const { return current(1); }

private:
    static constexpr uint16_t kAllGates = 0x0FFF;

    // The sum over the driver's travelling gates: first is 0 for the odd gates, 1 for the even.
    uint8_t current(int first) const;

    uint16_t wanted_ = 0;
    uint16_t open_ = 0;
    uint16_t opening_ = 0;
    uint16_t closing_ = 0;
    std::array<int, 12> travelLeft_{};
};

} // namespace vt12sim
