#include "sim/register_content.h"

#include "sim/register_bytes.h"
#include "sim/unit_profile.h"

#include <algorithm>
#include <cmath>

namespace vt12sim {

namespace {

constexpr int kGates = 12;
constexpr int kGateNameBytes = 20;

struct GateLayout {
    uint8_t enabled;
    uint8_t diameter1;
    uint8_t diameter2;
    uint8_t compensation;
    uint16_t onDelayHundredths;
};

constexpr std::array<GateLayout, kGates> kMasterGates{{
    {1, 6, 3, 10, 50},
    {1, 5, 0, 0, 50},
    {1, 5, 0, 0, 50},
    {1, 4, 0, 10, 100},
    {1, 6, 0, 0, 50},
    {1, 4, 0, 0, 50},
    {1, 4, 0, 0, 50},
    {1, 3, 0, 0, 50},
    {1, 4, 0, 0, 100},
    {1, 6, 0, 10, 50},
    {1, 5, 0, 0, 50},
    {0, 4, 0, 0, 50},
}};

constexpr std::array<GateLayout, kGates> kSlaveGates{{
    {1, 8, 4, 10, 50},
    {1, 6, 0, 0, 50},
    {1, 6, 0, 0, 100},
    {1, 4, 0, 0, 50},
    {1, 5, 0, 10, 50},
    {1, 5, 0, 0, 50},
    {1, 4, 0, 0, 50},
    {1, 5, 0, 0, 50},
    {1, 3, 0, 0, 50},
    {1, 4, 0, 0, 50},
    {1, 4, 0, 0, 50},
    {0, 4, 0, 0, 50},
}};

const char* const kMasterNames[kGates] = {"Saw 1",  "Planer",  "Jointer",    "Saw 2",
                                          "Sander", "Router",  "Bandsaw",    "Drill Press",
                                          "Lathe",  "Moulder", "Edgebander", "Spare"};
const char* const kSlaveNames[kGates] = {
    "CNC Router", "Panel Saw", "Wide Belt Sander", "Mortiser",    "Tenoner",        "Shaper",
    "Saw 3",      "Planer 2",  "Dowel Drill",      "Cut-off Saw", "Boring Machine", "Spare 2"};

// Not interpreted by the tool; a unit keeps its own value there.
constexpr uint16_t kGateBlockTrailer = 0x5A0C;
// Reserved: the tool keeps what it reads there.
constexpr char kSystemReservedByte = 0x3C;
constexpr uint16_t kOffDelaySeconds = 5;

constexpr CounterSet kMasterCounters{15230, 9874, 7321, 12010, 5123, 4410, 8802, 2301,
                                     3120,  1999, 640,  0,     412,  3,    27,   58};
constexpr CounterSet kSlaveCounters{8400, 6100, 5520, 3010, 2990, 4470, 1203, 980,
                                    777,  1500, 320,  0,    398,  1,    5,    12};

double millimetres(uint8_t diameter) {
    return diameter >= 80 ? diameter : diameter * 25.4;
}

uint16_t sizeFactor(const GateLayout& gate) {
    const double largest = millimetres(std::max(gate.diameter1, gate.diameter2));
    const double factor = std::max(2.0, 5.0 + (largest - 100.0) * 3.0 / 70.0);
    return static_cast<uint16_t>(std::nearbyint(factor * 100.0));
}

uint8_t extraArea(const GateLayout& gate) {
    const double squares = gate.diameter1 * gate.diameter1 + gate.diameter2 * gate.diameter2;
    const double grown = 1.0 + gate.compensation / 100.0;
    return static_cast<uint8_t>(std::min(255.0, std::nearbyint(squares * (grown * grown - 1.0))));
}

void putSensorValue(QByteArray& bytes, int offset, int64_t thousandths) {
    for (int i = 0; i < 8; ++i) {
        bytes[offset + i] = static_cast<char>(static_cast<uint64_t>(thousandths) >> (8 * i));
    }
}

} // namespace

QByteArray initialGateSettings(Unit unit, const QString& unitCode) {
    const auto& gates = unit == Unit::Master ? kMasterGates : kSlaveGates;
    const bool tenths = unit == Unit::Slave || codeFrom(unitCode, "F04A");
    QByteArray block(kGates * kGateRecordBytes + 2, '\0');
    for (int i = 0; i < kGates; ++i) {
        const GateLayout& gate = gates[i];
        const int at = i * kGateRecordBytes;
        block[at] = static_cast<char>(gate.enabled);
        block[at + 1] = static_cast<char>(i == 0 ? 1 : 0);
        putWord(block, at + 2, gate.onDelayHundredths);
        putWord(block, at + 4, kOffDelaySeconds * (tenths ? 10 : 100));
        putWord(block, at + 6, sizeFactor(gate));
        block[at + 8] = static_cast<char>(gate.diameter1);
        block[at + 9] = static_cast<char>(gate.diameter2);
        block[at + 12] = static_cast<char>(extraArea(gate));
        block[at + 13] = static_cast<char>(gate.compensation);
    }
    putWord(block, kGates * kGateRecordBytes, kGateBlockTrailer);
    return block;
}

QByteArray initialGateNames(Unit unit) {
    const QStringList names = gateNames(unit);
    QByteArray block(kGates * kGateNameBytes, '\0');
    for (int i = 0; i < kGates; ++i) {
        putText(block, i * kGateNameBytes, names[i].toLatin1(), kGateNameBytes);
    }
    return block;
}

QStringList gateNames(Unit unit) {
    const auto& names = unit == Unit::Master ? kMasterNames : kSlaveNames;
    QStringList list;
    for (const char* name : names) {
        list.append(QString::fromLatin1(name));
    }
    return list;
}

QByteArray initialSystemSettings(const QString& unitCode, uint8_t installationMode) {
    const bool seconds = codeFrom(unitCode, "F04A");
    const bool cleaningInMinutes = codeFrom(unitCode, "F03G");
    QByteArray block(28, '\0');
    putWord(block, 0, 20);                                      // fan on delay 2.0 s
    putWord(block, 2, seconds ? 120 : 1200);                    // fan off delay 2 min
    putWord(block, 4, 12000);                                   // cancel after 1200 s
    block[6] = 1;                                               // MBA
    block[8] = 1;                                               // security input opens the gates
    block[10] = 1;                                              // open / close gate mode
    block[11] = 7;                                              // 58 mA
    block[12] = 71;                                             // 593 mA
    block[13] = static_cast<char>(128);                         // operating range 50 %
    block[14] = static_cast<char>(255);                         // .. 100 %
    block[15] = 100;                                            // reverse delay 1000 ms
    block[16] = 1;                                              // stop at current decay
    block[17] = 3;                                              // both cleanings
    block[18] = 3;                                              // cleaning 3 min
    block[19] = static_cast<char>(cleaningInMinutes ? 60 : 12); // every 60 min
    block[20] = static_cast<char>(installationMode);
    block[21] = 3;                       // inactive 3 s after power up
    block[22] = 10;                      // no cleaning at stop under 10 min
    block[23] = 1;                       // cleaning at stop 1 min
    block[24] = static_cast<char>(0x99); // smart minimum airflow 25 %
    // A drive installation takes its pressures from the sensors inside the drive.
    block[26] = installationMode == kDriveInstallation ? 1 : 0;
    block[27] = kSystemReservedByte;
    return block;
}

QByteArray initialVacuumSettings(const QString& unitCode) {
    QByteArray block(84, '\0');
    putText(block, 0, "Duct Vacuum", 16);
    putSensorValue(block, 16, 3000000);
    putSensorValue(block, 24, 2000000);
    putText(block, 32, "Pa", 8);
    putText(block, 40, "Slave Vacuum", 16);
    putSensorValue(block, 56, 3000000);
    putSensorValue(block, 64, 2000000);
    putText(block, 72, "Pa", 8);
    if (codeFrom(unitCode, "F04A")) {
        putWord(block, 80, 788); // error at 2500 Pa of 3000
    }
    return block;
}

CounterSet initialCounters(Unit unit) {
    return unit == Unit::Master ? kMasterCounters : kSlaveCounters;
}

} // namespace vt12sim
