#pragma once
// The settings and counters a commissioned unit holds when the simulator starts, in wire order.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

namespace vt12sim {

// One gate's settings in the gate block.
inline constexpr int kGateRecordBytes = 16;

enum class Unit { Master, Slave };

// The slave's firmware is F05A, so its off delays are always in tenths of a second.
QByteArray initialGateSettings(Unit unit, const QString& unitCode);
QByteArray initialGateNames(Unit unit);
// installationMode: 0 single unit, 2 MASTER, 3 unit with a Torvex drive (system byte 20).
QByteArray initialSystemSettings(const QString& unitCode, uint8_t installationMode);
QByteArray initialVacuumSettings(const QString& unitCode);

// Gates 1 to 12, then "Starts:", "Errors:", "Bypass:", "Writes:".
using CounterSet = std::array<uint32_t, 16>;
CounterSet initialCounters(Unit unit);
constexpr int kStartsCounter = 12;
constexpr int kWritesCounter = 15;

QStringList gateNames(Unit unit);

} // namespace vt12sim
