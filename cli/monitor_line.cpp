#include "cli/monitor_line.h"

#include "cli/json_lines.h"

namespace {
QChar gateLetter(const std::optional<GatePicture>& picture) {
    if (!picture)
        return u'-';
    switch (*picture) {
    case GatePicture::Open:
        return u'O';
    case GatePicture::Closed:
        return u'C';
    case GatePicture::Opening:
        return u'o';
    case GatePicture::Closing:
        return u'c';
    case GatePicture::Disabled:
        break;
    }
    return u'-';
}

QChar sensorLetter(SignalColor signal) {
    switch (signal) {
    case SignalColor::Active:
        return u'S';
    case SignalColor::MinAirflow:
        return u'M';
    case SignalColor::Idle:
        break;
    }
    return u'.';
}

QString current(const DriverDisplay& driver) {
    return driver.milliamps + QStringLiteral(" mA");
}

QString timeText(const QTime& time) {
    return time.toString(QStringLiteral("HH:mm:ss.zzz"));
}
} // namespace

QString GateLetters(const UnitStatus& unit) {
    QString letters;
    for (const GateFrameStatus& gate : unit.gates)
        letters += gateLetter(gate.picture);
    return letters;
}

QString SensorLetters(const UnitStatus& unit) {
    QString letters;
    for (const GateFrameStatus& gate : unit.gates)
        letters += sensorLetter(gate.signal);
    return letters;
}

QString MonitorLine(const QTime& time, const StatusDisplay& shown, const VacuumReading& vacuum) {
    return QStringLiteral("%1 gates %2 sensors %3 active %4 open %5 fan %6 currents %7 %8 "
                          "vacuum %9")
        .arg(timeText(time), GateLetters(shown.unit), SensorLetters(shown.unit),
             shown.activeSensors, shown.unit.openGates, shown.fanPercent, current(shown.unit.odd),
             current(shown.unit.even), vacuum.master.text);
}

QJsonObject MonitorObject(const QDateTime& time, const StatusDisplay& shown,
                          const VacuumReading& vacuum, const QString& vacuumUnit) {
    // As the panel shows it, rounded to its figures.
    bool numeric = false;
    const double shownValue = vacuum.master.text.toDouble(&numeric);
    const QJsonValue vacuumValue = vacuum.master.value.has_value() && numeric
                                       ? QJsonValue(Quantity(shownValue, vacuumUnit))
                                       : QJsonValue(QJsonValue::Null);
    return {
        {QStringLiteral("time"), IsoTime(time)},
        {QStringLiteral("gates"), GateLetters(shown.unit)},
        {QStringLiteral("sensors"), SensorLetters(shown.unit)},
        {QStringLiteral("activeSensors"), shown.activeSensorCount},
        {QStringLiteral("openGates"), shown.unit.openGateCount},
        {QStringLiteral("fanPercent"), shown.fanPercentage},
        {QStringLiteral("oddCurrentMilliamps"), shown.unit.odd.current},
        {QStringLiteral("evenCurrentMilliamps"), shown.unit.even.current},
        {QStringLiteral("vacuum"), vacuumValue},
    };
}
