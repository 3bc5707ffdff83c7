#include "cli/counters_output.h"

#include "cli/json_lines.h"
#include "data/counter_lines.h"

#include <QJsonArray>

namespace {
constexpr int kAllCounters = 16;

QJsonObject unitObject(const UnitCounters& unit) {
    QJsonArray counters;
    for (int n = 1; n <= kAllCounters; ++n) {
        counters.append(
            QJsonObject{{QStringLiteral("counter"), n},
                        {QStringLiteral("name"), CounterName(n)},
                        {QStringLiteral("value"), static_cast<qint64>(unit.counters->Counter(n))}});
    }
    return {{QStringLiteral("firmwareCode"), unit.firmwareCode},
            {QStringLiteral("counters"), counters}};
}
} // namespace

QStringList CsvRecords(const QString& csv) {
    QStringList records;
    QString record;
    bool quoted = false;
    for (const QChar c : csv) {
        if (c == u'"')
            quoted = !quoted;
        if (c == u'\n' && !quoted) {
            records << record;
            record.clear();
            continue;
        }
        record += c;
    }
    if (!record.isEmpty())
        records << record;
    return records;
}

QString CountersCsvWithPort(const QString& csv, int port, bool withHeader) {
    const QStringList records = CsvRecords(csv);
    QString out;
    for (qsizetype i = 0; i < records.size(); ++i) {
        if (i == 0 && !withHeader)
            continue;
        out +=
            (i == 0 ? QStringLiteral("port") : QString::number(port)) + u',' + records[i] + u'\n';
    }
    return out;
}

QByteArray CountersJson(const QJsonObject& unitKeys, const QDateTime& time,
                        const UnitCounters& master, const std::optional<UnitCounters>& slave) {
    QJsonObject object = unitKeys;
    object.insert(QStringLiteral("time"), IsoTime(time));
    const QJsonObject masterObject = unitObject(master);
    for (auto it = masterObject.begin(); it != masterObject.end(); ++it)
        object.insert(it.key(), it.value());
    object.insert(QStringLiteral("slave"),
                  slave ? QJsonValue(unitObject(*slave)) : QJsonValue(QJsonValue::Null));
    return JsonLine(object);
}
