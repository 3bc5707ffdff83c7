#pragma once
// The counters of the units as a CSV file for the office: one row per counter, each naming the
// date of the export, the unit and the unit's firmware code.

#include "data/counters_block.h"

#include <QDateTime>
#include <QList>
#include <QString>

struct UnitCounters {
    QString unit; // "master", "slave"
    QString firmwareCode;
    const CountersBlock* counters;
};

// "date,firmware,unit,counter,name,value", then the counters the memo shows, unit by unit.
QString CountersCsv(const QDateTime& at, const QList<UnitCounters>& units, bool expertMode);
