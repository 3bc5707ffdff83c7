#include "data/counters_csv.h"

#include "data/counter_lines.h"
#include "data/csv_field.h"

QString CountersCsv(const QDateTime& at, const QList<UnitCounters>& units, bool expertMode) {
    QString csv = QStringLiteral("date,firmware,unit,counter,name,value\n");
    const QString date = at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    for (const UnitCounters& unit : units) {
        const QString prefix =
            QStringList{date, CsvField(unit.firmwareCode), CsvField(unit.unit)}.join(u',') + u',';
        for (int n = 1; n <= ShownCounterCount(expertMode); ++n) {
            csv += prefix + QStringLiteral("%1,%2,%3\n")
                                .arg(QString::number(n), CounterName(n),
                                     QString::number(unit.counters->Counter(n)));
        }
    }
    return csv;
}
