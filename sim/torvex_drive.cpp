#include "sim/torvex_drive.h"

#include <algorithm>
#include <cstdlib>

namespace vt12sim {

namespace {

// DriveFlags: the unit's view of its drive.
constexpr uint16_t kLinkWorks = 0x0001;
constexpr uint16_t kRunning = 0x0002;
constexpr uint16_t kDriveError = 0x0004;
constexpr uint16_t kRunProblem = 0x0008;

// Control word the unit sends: OFF2, OFF3 inactive, operation and ramps enabled, remote
// control; OFF1 inactive to run; RESET while the drive is tripped.
constexpr uint16_t kControlStopped = 0x047E;
constexpr uint16_t kControlRun = 0x0001;
constexpr uint16_t kControlReset = 0x0080;

// Status word: ready to switch on, OFF2 and OFF3 inactive, remote, external run enable.
constexpr uint16_t kStatusReady = 0x1231;
constexpr uint16_t kStatusReadyToRun = 0x0002;
constexpr uint16_t kStatusOperating = 0x0004;
constexpr uint16_t kStatusAtSetpoint = 0x0100;
constexpr uint16_t kStatusAboveLimit = 0x0400;
// Tripped: not ready, switch-on inhibited until reset.
constexpr uint16_t kStatusTripped = 0x1278;
// Within this much of the reference the drive is at its setpoint.
constexpr int kSetpointBand = 200;
// Frequency supervision limit: half of the maximum.
constexpr int kSupervisionLimit = TorvexDrive::kFullScale / 2;

// Automatic mode, immediate-stop circuit in order, enable input; the airlock and the
// transport fan run with the fan.
constexpr uint16_t kInputsAlways = 0x0032;
constexpr uint16_t kInputsRunning = 0x000C;

// At full speed: 11.0 kW, 18.7 A at 400 V, fan pressure 900 and filter pressure 400 of 1000;
// 6.0 A magnetizing at any speed.
constexpr int64_t kFullPowerTenths = 110;
constexpr int64_t kLoadCurrentTenths = 127;
constexpr int64_t kIdleCurrentTenths = 60;
constexpr int64_t kFullVolts = 400;
constexpr int64_t kFullFanPressure = 900;
constexpr int64_t kFilterPressureAtRest = 150;
constexpr int64_t kFilterPressureRise = 250;

// value x (f / full)^power, for the fan laws.
uint16_t scaledBy(int64_t value, int frequency, int power) {
    int64_t result = value;
    for (int i = 0; i < power; ++i) {
        result = result * frequency / TorvexDrive::kFullScale;
    }
    return static_cast<uint16_t>(result);
}

} // namespace

void TorvexDrive::advance(int ms, uint8_t demand, bool pressureDelivered) {
    const int reference = demand * kFullScale / 255;
    if (tripped_) {
        frequency_ = 0;
    } else {
        const int step = kFullScale * ms / kRampMs;
        frequency_ = frequency_ < reference ? std::min(reference, frequency_ + step)
                                            : std::max(reference, frequency_ - step);
    }
    if (!linkLost_) {
        heard_ = measure(demand, pressureDelivered);
    }
}

DriveStatus TorvexDrive::measure(uint8_t demand, bool pressureDelivered) const {
    const int reference = demand * kFullScale / 255;
    const bool running = frequency_ > 0;
    DriveStatus drive;
    drive.maxFrequency = kMaxFrequency;
    drive.frequencyReference = static_cast<uint16_t>(reference);
    drive.outputFrequency = static_cast<uint16_t>(frequency_);
    drive.flags = kLinkWorks | (running ? kRunning : 0) | (tripped_ ? kDriveError : 0) |
                  (tripped_ && demand > 0 ? kRunProblem : 0);
    drive.controlWord = kControlStopped | (tripped_ ? kControlReset : 0) |
                        (!tripped_ && demand > 0 ? kControlRun : 0);
    if (tripped_) {
        drive.statusWord = kStatusTripped;
    } else {
        drive.statusWord =
            kStatusReady | (demand > 0 ? kStatusReadyToRun : 0) | (running ? kStatusOperating : 0) |
            (running && std::abs(frequency_ - reference) <= kSetpointBand ? kStatusAtSetpoint : 0) |
            (frequency_ > kSupervisionLimit ? kStatusAboveLimit : 0);
    }
    drive.inputs = kInputsAlways | (running ? kInputsRunning : 0);
    if (running) {
        drive.outputPower = scaledBy(kFullPowerTenths, frequency_, 3);
        drive.outputCurrent =
            static_cast<uint16_t>(kIdleCurrentTenths + scaledBy(kLoadCurrentTenths, frequency_, 2));
        drive.outputVoltage = scaledBy(kFullVolts, frequency_, 1);
    }
    if (pressureDelivered) {
        drive.fanPressure = scaledBy(kFullFanPressure, frequency_, 2);
        drive.filterPressure = static_cast<uint16_t>(kFilterPressureAtRest +
                                                     scaledBy(kFilterPressureRise, frequency_, 2));
    }
    return drive;
}

DriveStatus TorvexDrive::status() const {
    DriveStatus relayed = heard_;
    if (linkLost_) {
        relayed.flags = 0;
    }
    return relayed;
}

} // namespace vt12sim
