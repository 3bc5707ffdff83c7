#include "sim/status_image.h"

#include "sim/register_bytes.h"

namespace vt12sim {

namespace {

constexpr uint16_t kFullScale = 20000;

uint16_t scaled(uint8_t fanOutput, int top) {
    return static_cast<uint16_t>(fanOutput * top / 255);
}

} // namespace

QByteArray encodeUnitStatus(const UnitStatus& status) {
    QByteArray bytes;
    bytes.reserve(32);
    appendWord(bytes, status.sensorInputs);
    appendWord(bytes, status.activeSensors);
    appendWord(bytes, status.manualRequests);
    appendWord(bytes, status.openingGates);
    appendWord(bytes, status.closingGates);
    appendWord(bytes, status.openGates);
    bytes.append(static_cast<char>(status.oddDriverCurrent));
    bytes.append(static_cast<char>(status.evenDriverCurrent));
    bytes.append(static_cast<char>(status.fanOutput));
    bytes.append(static_cast<char>(status.slaveLink));
    appendWord(bytes, status.onDelayLeft);
    appendWord(bytes, status.offDelayLeft);
    appendWord(bytes, 0);
    appendWord(bytes, status.cleaningTime);
    bytes.append(static_cast<char>(status.cleaningState));
    bytes.append(static_cast<char>(status.hardwareVersion));
    appendWord(bytes, status.inputValue);
    appendWord(bytes, status.minAirflowGates);
    appendWord(bytes, status.noticeFlags);
    return bytes;
}

QByteArray encodeDriveStatus(const DriveStatus& status) {
    QByteArray bytes;
    bytes.reserve(32);
    appendWord(bytes, status.flags);
    appendWord(bytes, status.maxFrequency);
    for (int unused = 0; unused < 4; ++unused) {
        appendWord(bytes, 0);
    }
    appendWord(bytes, status.controlWord);
    appendWord(bytes, status.frequencyReference);
    appendWord(bytes, status.inputs);
    appendWord(bytes, status.statusWord);
    appendWord(bytes, status.outputFrequency);
    appendWord(bytes, status.outputCurrent);
    appendWord(bytes, status.outputPower);
    appendWord(bytes, status.outputVoltage);
    appendWord(bytes, status.filterPressure);
    appendWord(bytes, status.fanPressure);
    return bytes;
}

DriveStatus driveRunningAt(uint8_t fanOutput) {
    const bool running = fanOutput > 0;
    DriveStatus drive;
    drive.flags = running ? 0x0003 : 0x0001;
    drive.maxFrequency = 500;
    drive.controlWord = running ? 0x047F : 0x047E;
    drive.frequencyReference = scaled(fanOutput, kFullScale);
    drive.inputs = 0x0032; // automatic mode, immediate-stop circuit and enable in order
    drive.statusWord = running ? 0x0337 : 0x0231;
    drive.outputFrequency = drive.frequencyReference;
    drive.outputCurrent = scaled(fanOutput, 180);
    drive.outputPower = scaled(fanOutput, 110);
    drive.outputVoltage = scaled(fanOutput, 400);
    drive.filterPressure = static_cast<uint16_t>(120 + scaled(fanOutput, 300));
    drive.fanPressure = scaled(fanOutput, 800);
    return drive;
}

} // namespace vt12sim
