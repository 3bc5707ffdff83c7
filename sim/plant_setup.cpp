#include "sim/plant_setup.h"

#include "sim/register_bytes.h"
#include "sim/register_content.h"
#include "sim/unit_profile.h"

namespace vt12sim {

namespace {

constexpr int kMinuteMs = 60000;

uint8_t byteAt(QByteArrayView block, int offset) {
    return static_cast<uint8_t>(block[offset]);
}

// Diameters of 80 and more are millimetres.
int inches(uint8_t diameter) {
    return diameter >= 80 ? (diameter * 10 + 127) / 254 : diameter;
}

} // namespace

GateSetup readGateSetup(QByteArrayView block, bool offDelayTenths) {
    GateSetup setup;
    for (int gate = 0; gate < 12; ++gate) {
        const int at = gate * kGateRecordBytes;
        const auto bit = static_cast<uint16_t>(1u << gate);
        if (byteAt(block, at) != 0) {
            setup.inUse |= bit;
        }
        if (byteAt(block, at + 1) != 0) {
            setup.minAirflow |= bit;
        }
        setup.onDelayMs[gate] = getWord(block, at + 2) * 10;
        setup.offDelayMs[gate] = getWord(block, at + 4) * (offDelayTenths ? 100 : 10);
        for (int d = 8; d <= 10; ++d) {
            const int diameter = inches(byteAt(block, at + d));
            setup.area[gate] += diameter * diameter;
        }
    }
    return setup;
}

SystemSetup readSystemSetup(QByteArrayView block, const QString& unitCode) {
    const bool seconds = codeFrom(unitCode, "F04A");
    SystemSetup setup;
    setup.fanOnDelayMs = getWord(block, 0) * 100;
    setup.fanOffUnitMs = seconds ? 1000 : 100;
    setup.fanOffDelayMs = getWord(block, 2) * setup.fanOffUnitMs;
    setup.openAtStop = byteAt(block, 7) != 0;
    setup.openAtError = byteAt(block, 8) != 0;
    setup.runAtError = byteAt(block, 9) != 0;
    setup.opRangeMin = byteAt(block, 13);
    setup.opRangeMax = byteAt(block, 14);
    const uint8_t cleanFlags = byteAt(block, 17);
    setup.regularCleaning = (cleanFlags & 0x01) != 0;
    setup.cleaningAtStop = (cleanFlags & 0x02) != 0;
    setup.cleanForMs = byteAt(block, 18) * kMinuteMs;
    const int everyMinutes = byteAt(block, 19) * (codeFrom(unitCode, "F03G") ? 1 : 5);
    setup.cleanEveryMs = everyMinutes * kMinuteMs;
    setup.cleanAtStopAfterMs = byteAt(block, 22) * kMinuteMs;
    setup.cleanAtStopForMs = byteAt(block, 23) * kMinuteMs;
    // The controller's own choice and its report came with F03K.
    setup.reportsMinAirflowGates = codeFrom(unitCode, "F03K");
    const uint8_t smart = byteAt(block, 24);
    setup.smartMinAirflow = setup.reportsMinAirflowGates && (smart & 0x80) != 0;
    setup.minAirflowPercent = smart & 0x7F;
    setup.keepLastUsedOpen = seconds && byteAt(block, 25) != 0;
    return setup;
}

} // namespace vt12sim
