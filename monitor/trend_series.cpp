#include "monitor/trend_series.h"

#include "core/file_write.h"
#include "data/csv_field.h"

#include <QDateTime>
#include <QStringList>
#include <algorithm>

namespace {

std::optional<double> ValueOf(const TrendSample& sample, TrendQuantity quantity) {
    switch (quantity) {
    case TrendQuantity::Vacuum:
        return sample.vacuum;
    case TrendQuantity::SlaveVacuum:
        return sample.slaveVacuum;
    case TrendQuantity::FanPercent:
        return sample.fanPercent;
    case TrendQuantity::OddCurrent:
        return sample.oddMilliamps;
    case TrendQuantity::EvenCurrent:
        return sample.evenMilliamps;
    case TrendQuantity::SlaveOddCurrent:
        return sample.slaveOddMilliamps;
    case TrendQuantity::SlaveEvenCurrent:
        return sample.slaveEvenMilliamps;
    case TrendQuantity::ActiveSensors:
        return sample.activeSensors;
    case TrendQuantity::OpenGates:
        return sample.openGates;
    }
    return std::nullopt;
}

// Units are typed by the user, so a header field may need quoting.
QString WithUnits(const QString& name, const QString& units) {
    return CsvField(units.isEmpty() ? name : QStringLiteral("%1 [%2]").arg(name, units));
}

template <typename T> QString Cell(const std::optional<T>& value) {
    return value ? QString::number(*value) : QString();
}

QString LocalIsoTime(qint64 atMs) {
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(atMs);
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODateWithMs);
}

} // namespace

void TrendSeries::AddStatus(qint64 atMs, const StatusDisplay& shown,
                            const std::optional<TrendVacuum>& vacuum) {
    if (vacuum && (vacuum->units != units_ || vacuum->slaveUnits != slaveUnits_)) {
        const bool anyVacuum =
            std::any_of(samples_.begin(), samples_.end(), [](const TrendSample& sample) {
                return sample.vacuum || sample.slaveVacuum;
            });
        if (anyVacuum)
            samples_.clear();
        units_ = vacuum->units;
        slaveUnits_ = vacuum->slaveUnits;
    }
    TrendSample sample;
    sample.atMs = atMs;
    if (vacuum) {
        sample.vacuum = vacuum->reading.master.value;
        if (vacuum->reading.slave)
            sample.slaveVacuum = vacuum->reading.slave->value;
    }
    sample.fanPercent = shown.fanPercentage;
    sample.oddMilliamps = shown.unit.odd.current;
    sample.evenMilliamps = shown.unit.even.current;
    if (slave_) {
        sample.slaveOddMilliamps = slave_->odd.current;
        sample.slaveEvenMilliamps = slave_->even.current;
        slave_.reset();
    }
    sample.activeSensors = shown.activeSensorCount;
    sample.openGates = shown.unit.openGateCount;
    samples_.push_back(sample);

    while (!samples_.empty() && samples_.front().atMs < atMs - windowMs_)
        samples_.pop_front();
    while (samples_.size() > static_cast<size_t>(maxSamples_))
        samples_.pop_front();
}

void TrendSeries::Clear() {
    samples_.clear();
    slave_.reset();
}

bool TrendSeries::HasSlave() const {
    return std::any_of(samples_.begin(), samples_.end(), [](const TrendSample& sample) {
        return sample.slaveOddMilliamps || sample.slaveVacuum;
    });
}

QList<QPointF> TrendSeries::Curve(TrendQuantity quantity, int maxPoints) const {
    QList<QPointF> all;
    for (const TrendSample& sample : samples_)
        if (const std::optional<double> value = ValueOf(sample, quantity))
            all.append(QPointF(static_cast<double>(sample.atMs), *value));
    if (all.size() <= maxPoints)
        return all;
    const qsizetype groups = std::max(maxPoints / 2, 1);
    const qsizetype size = (all.size() + groups - 1) / groups;
    QList<QPointF> thinned;
    for (qsizetype first = 0; first < all.size(); first += size) {
        const auto begin = all.cbegin() + first;
        const auto end = all.cbegin() + std::min(first + size, all.size());
        const auto [low, high] = std::minmax_element(
            begin, end, [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
        thinned.append(low < high ? *low : *high);
        if (low != high)
            thinned.append(low < high ? *high : *low);
    }
    return thinned;
}

QByteArray TrendSeries::Csv() const {
    const bool slave = HasSlave();
    QStringList header{QStringLiteral("Time"),
                       WithUnits(QStringLiteral("Vacuum"), units_),
                       QStringLiteral("Fan Output [%]"),
                       QStringLiteral("Odd Driver Current [mA]"),
                       QStringLiteral("Even Driver Current [mA]"),
                       QStringLiteral("Active Sensors"),
                       QStringLiteral("Open Gates")};
    if (slave)
        header << WithUnits(QStringLiteral("Slave Vacuum"), slaveUnits_)
               << QStringLiteral("Slave Odd Driver Current [mA]")
               << QStringLiteral("Slave Even Driver Current [mA]");
    QString text = header.join(u',') + u'\n';
    for (const TrendSample& sample : samples_) {
        QStringList row{LocalIsoTime(sample.atMs),
                        Cell(sample.vacuum),
                        QString::number(sample.fanPercent),
                        QString::number(sample.oddMilliamps),
                        QString::number(sample.evenMilliamps),
                        QString::number(sample.activeSensors),
                        QString::number(sample.openGates)};
        if (slave)
            row << Cell(sample.slaveVacuum) << Cell(sample.slaveOddMilliamps)
                << Cell(sample.slaveEvenMilliamps);
        text += row.join(u',') + u'\n';
    }
    return text.toUtf8();
}

std::optional<QString> SaveTrendCsv(const TrendSeries& series, const QString& path) {
    if (const FileWritten written = WriteWholeFile(path, series.Csv()); !written)
        return written.failure;
    return std::nullopt;
}
