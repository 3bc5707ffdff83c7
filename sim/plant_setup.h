#pragma once
// The stored settings the unit acts on, read out of its settings blocks into milliseconds,
// masks and areas.

#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstdint>

namespace vt12sim {

struct GateSetup {
    uint16_t inUse = 0;
    // The manually chosen minimum-airflow gates.
    uint16_t minAirflow = 0;
    std::array<int, 12> onDelayMs{};
    std::array<int, 12> offDelayMs{};
    // Sum of the squares of the gate diameters in inches: what the workstation lets through.
    std::array<int, 12> area{};
};

struct SystemSetup {
    int fanOnDelayMs = 0;
    int fanOffDelayMs = 0;
    // The unit OffDelayLeft counts in: tenths of a second, or seconds.
    int fanOffUnitMs = 100;
    bool openAtStop = false;
    bool openAtError = false;
    bool runAtError = false;
    uint8_t opRangeMin = 0;
    uint8_t opRangeMax = 255;
    bool regularCleaning = false;
    bool cleaningAtStop = false;
    int cleanEveryMs = 0;
    int cleanForMs = 0;
    int cleanAtStopAfterMs = 0;
    int cleanAtStopForMs = 0;
    // The unit picks its own minimum-airflow gates (Smart Minimum Airflow) and reports them.
    bool smartMinAirflow = false;
    int minAirflowPercent = 0;
    bool reportsMinAirflowGates = false;
    bool keepLastUsedOpen = false;
};

// offDelayTenths: the unit's firmware keeps gate off delays in tenths, not hundredths.
GateSetup readGateSetup(QByteArrayView block, bool offDelayTenths);
SystemSetup readSystemSetup(QByteArrayView block, const QString& unitCode);

} // namespace vt12sim
