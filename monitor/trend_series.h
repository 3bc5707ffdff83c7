#pragma once
// The live status over the last minutes, one sample per status poll, for the trends window's
// curves and its CSV file. Samples older than the window are dropped, and a cap on their count
// bounds the memory however fast the polls come.

#include "monitor/status_display.h"
#include "monitor/vacuum_reading.h"

#include <QByteArray>
#include <QList>
#include <QPointF>
#include <QString>
#include <deque>
#include <optional>

// The vacuum of a poll with the units the pressure panels show.
struct TrendVacuum {
    VacuumReading reading;
    QString units;
    QString slaveUnits;
};

struct TrendSample {
    qint64 atMs = 0; // since the epoch
    std::optional<double> vacuum;
    std::optional<double> slaveVacuum;
    int fanPercent = 0;
    int oddMilliamps = 0;
    int evenMilliamps = 0;
    std::optional<int> slaveOddMilliamps;
    std::optional<int> slaveEvenMilliamps;
    int activeSensors = 0;
    int openGates = 0;
};

enum class TrendQuantity {
    Vacuum,
    SlaveVacuum,
    FanPercent,
    OddCurrent,
    EvenCurrent,
    SlaveOddCurrent,
    SlaveEvenCurrent,
    ActiveSensors,
    OpenGates,
};

class TrendSeries {
public:
    static constexpr qint64 kDefaultWindowMs = 10 * 60 * 1000;
    // Ten minutes of polls at well above the line's pace.
    static constexpr int kDefaultMaxSamples = 30000;

    explicit TrendSeries(qint64 windowMs = kDefaultWindowMs, int maxSamples = kDefaultMaxSamples)
        : windowMs_(windowMs), maxSamples_(maxSamples) {}

    // The slave's currents go with the next master poll.
    void AddSlaveStatus(const UnitStatus& slave) { slave_ = slave; }
    // vacuum: only for a unit with a pressure input. New units start the curves afresh, as
    // the earlier values would be shown under them.
    void AddStatus(qint64 atMs, const StatusDisplay& shown,
                   const std::optional<TrendVacuum>& vacuum);
    void Clear();

    const std::deque<TrendSample>& Samples() const { return samples_; }
    const QString& VacuumUnits() const { return units_; }
    const QString& SlaveVacuumUnits() const { return slaveUnits_; }

    // x: ms since the epoch. Above maxPoints the samples are taken in groups, each drawn by
    // its lowest and highest value, so a short peak survives the thinning.
    QList<QPointF> Curve(TrendQuantity quantity, int maxPoints) const;

    // A header line with the units, then a row per sample with its local time in ISO 8601.
    QByteArray Csv() const;

private:
    bool HasSlave() const;

    qint64 windowMs_;
    int maxSamples_;
    std::deque<TrendSample> samples_;
    std::optional<UnitStatus> slave_;
    QString units_;
    QString slaveUnits_;
};

// The CSV written through a temporary file, so a failed write leaves no file and an existing
// one as it was. The platform's message on failure.
std::optional<QString> SaveTrendCsv(const TrendSeries& series, const QString& path);
