#pragma once
// --json output: JSON Lines, one compact object per line, each carrying the format's version.
// A script reads numbers with their unit in the key or beside them, and times with their date
// and offset.

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QString>

// Raised when a key changes its meaning or goes; new keys keep it.
inline constexpr int kJsonSchema = 1;

// The object with its "schema", compact, ended by a line feed.
QByteArray JsonLine(const QJsonObject& object);

// ISO 8601 with milliseconds and the offset from UTC written out: "2026-12-10T03:04:05.120+01:00".
QString IsoTime(const QDateTime& time);

// {"value": 2.5, "unit": "kPa"}
QJsonObject Quantity(double value, const QString& unit);
