#include "data/counters_csv.h"

#include "data/counter_lines.h"

namespace {
// A firmware code is the controller's text: it may hold blanks at its ends, commas or quotes.
QString Field(const QString& text) {
    const bool plain = !text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') &&
                       !text.contains(u'\r') && text.trimmed() == text;
    if (plain)
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}
} // namespace

QString CountersCsv(const QDateTime& at, const QList<UnitCounters>& units, bool expertMode) {
    QString csv = QStringLiteral("date,firmware,unit,counter,name,value\n");
    const QString date = at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    for (const UnitCounters& unit : units) {
        const QString prefix =
            QStringList{date, Field(unit.firmwareCode), Field(unit.unit)}.join(u',') + u',';
        for (int n = 1; n <= ShownCounterCount(expertMode); ++n) {
            csv += prefix + QStringLiteral("%1,%2,%3\n")
                                .arg(QString::number(n), CounterName(n),
                                     QString::number(unit.counters->Counter(n)));
        }
    }
    return csv;
}
