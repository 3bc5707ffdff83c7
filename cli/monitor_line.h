#pragma once
// monitor: one line per status poll, from what the STATUS && TEST page would show.

#include "monitor/status_display.h"
#include "monitor/vacuum_reading.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QTime>

// Gates, one character each: O open, C closed, o opening, c closing, - not in use.
QString GateLetters(const UnitStatus& unit);
// Sensors, one character each: S active, M kept open for the minimum airflow, . idle.
QString SensorLetters(const UnitStatus& unit);

QString MonitorLine(const QTime& time, const StatusDisplay& shown, const VacuumReading& vacuum);
// The keys of one poll for --json: "time", "gates", "sensors", "activeSensors", "openGates",
// "fanPercent", "oddCurrentMilliamps", "evenCurrentMilliamps" and "vacuum" ({"value", "unit"},
// null without a reading).
QJsonObject MonitorObject(const QDateTime& time, const StatusDisplay& shown,
                          const VacuumReading& vacuum, const QString& vacuumUnit);
