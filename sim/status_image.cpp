#include "sim/status_image.h"

#include "sim/register_bytes.h"

namespace vt12sim {

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

} // namespace vt12sim
