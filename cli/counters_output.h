#pragma once
// counters for scripts: CSV with the unit's port in front of every row, and JSON Lines.

#include "data/counters_csv.h"

#include <QByteArray>
#include <QJsonObject>
#include <QStringList>

// The records of a CSV text, each without its line end; a line feed inside quotes belongs to its
// field.
QStringList CsvRecords(const QString& csv);

// The rows of CountersCsv with a "port" column in front; the header only where asked, so a run
// over many units prints it once.
QString CountersCsvWithPort(const QString& csv, int port, bool withHeader);

// One line for a unit: unitKeys ("port", "device"), "time", "firmwareCode" and "counters"
// (all sixteen as {"counter", "name", "value"}), then the same for the slave unit under
// "slave", or null.
QByteArray CountersJson(const QJsonObject& unitKeys, const QDateTime& time,
                        const UnitCounters& master, const std::optional<UnitCounters>& slave);
