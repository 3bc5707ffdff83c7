#pragma once
// The live status words of a unit and of its drive, laid out as the status blocks carry them.

#include <QByteArray>
#include <cstdint>

namespace vt12sim {

struct UnitStatus {
    uint16_t sensorInputs = 0;
    // Bits 0-11 active workstations; bit 12 bypass, bit 13 security input in order,
    // bit 14 bypass lamp to blink.
    uint16_t activeSensors = 0;
    uint16_t manualRequests = 0;
    uint16_t openingGates = 0;
    uint16_t closingGates = 0;
    uint16_t openGates = 0;
    uint8_t oddDriverCurrent = 0;
    uint8_t evenDriverCurrent = 0;
    uint8_t fanOutput = 0;
    uint8_t slaveLink = 0;
    uint16_t onDelayLeft = 0;
    uint16_t offDelayLeft = 0;
    uint16_t cleaningTime = 0;
    uint8_t cleaningState = 0;
    uint8_t hardwareVersion = 0;
    uint16_t inputValue = 0;
    uint16_t minAirflowGates = 0;
    uint16_t noticeFlags = 0;
};

constexpr uint16_t kBypassInputOn = 0x1000;
constexpr uint16_t kSecurityInputInOrder = 0x2000;
constexpr uint16_t kBypassBlinking = 0x4000;

struct DriveStatus {
    // Bit 0 link to the drive, bit 1 running, bit 2 drive error, bit 3 run problem.
    uint16_t flags = 0;
    uint16_t maxFrequency = 0;
    uint16_t controlWord = 0;
    uint16_t frequencyReference = 0;
    uint16_t inputs = 0;
    uint16_t statusWord = 0;
    uint16_t outputFrequency = 0;
    uint16_t outputCurrent = 0;
    uint16_t outputPower = 0;
    uint16_t outputVoltage = 0;
    uint16_t filterPressure = 0;
    uint16_t fanPressure = 0;
};

// 32 bytes each.
QByteArray encodeUnitStatus(const UnitStatus& status);
QByteArray encodeDriveStatus(const DriveStatus& status);

} // namespace vt12sim
