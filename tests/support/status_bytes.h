#pragma once
// Writing status fields the way the controller sends them: words high byte first.

#include "data/status_block.h"

namespace status_bytes {

enum Field {
    SensorInputs = 0,
    ActiveSensors = 2,
    ManualRequests = 4,
    OpeningGates = 6,
    ClosingGates = 8,
    OpenGates = 10,
    OnDelayLeft = 16,
    OffDelayLeft = 18,
    CleaningTime = 22,
    ControllerMinAirflowGates = 28,
    NoticeFlags = 30,
};

inline void PutWord(StatusBlock& block, Field field, uint16_t value) {
    block.Bytes[static_cast<size_t>(field)] = static_cast<uint8_t>(value >> 8);
    block.Bytes[static_cast<size_t>(field) + 1] = static_cast<uint8_t>(value);
}

inline constexpr size_t kOddDriverCurrent = 12;
inline constexpr size_t kEvenDriverCurrent = 13;
inline constexpr size_t kFanOutput = 14;
inline constexpr size_t kCleaningState = 24;
inline constexpr size_t kHardwareVersion = 25;

} // namespace status_bytes
