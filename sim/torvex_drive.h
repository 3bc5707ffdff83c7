#pragma once
// The Torvex drive behind a unit in installation mode 3, as the unit relays it: the motor
// follows the fan output the unit asks for along the drive's ramps; the drive can trip, and
// the unit can lose its RS-485 line to it.

#include "sim/status_image.h"

#include <cstdint>

namespace vt12sim {

class TorvexDrive {
public:
    // 50.0 Hz, in tenths.
    static constexpr uint16_t kMaxFrequency = 500;
    // The frequency registers' value for kMaxFrequency.
    static constexpr int kFullScale = 20000;
    // From standstill to full speed, and back down.
    static constexpr int kRampMs = 10000;

    TorvexDrive() : heard_(measure(0, false)) {}

    // demand: the fan output the unit asks for, 0..255. pressureDelivered: the drive's own
    // pressure sensors are wired and reported.
    void advance(int ms, uint8_t demand, bool pressureDelivered);

    // A tripped drive coasts to a stop and stays tripped until cleared.
    void setTripped(bool tripped) { tripped_ = tripped; }
    bool isTripped() const { return tripped_; }
    // Without its line the unit keeps what it last heard and says it has no link.
    void setLinkLost(bool lost) { linkLost_ = lost; }
    bool isLinkLost() const { return linkLost_; }

    // As the unit relays it in DriveStatusBlock.
    DriveStatus status() const;

private:
    DriveStatus measure(uint8_t demand, bool pressureDelivered) const;

    bool tripped_ = false;
    bool linkLost_ = false;
    // Output frequency, kFullScale for kMaxFrequency.
    int frequency_ = 0;
    DriveStatus heard_;
};

} // namespace vt12sim
