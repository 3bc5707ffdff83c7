#include "window/trends_window.h"

#include "core/uncaught_error.h"
#include "session/controller_session.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <limits>

namespace {
// The time axis moves on once a second; finer steps would cost more than they show.
constexpr int kTrendsRefreshMs = 1000;
// Two points for each second of the window: about one for each pixel of the curve.
constexpr int kCurvePoints = 1200;
constexpr int kTimeTicks = 11;
constexpr QMargins kChartMargins(4, 2, 8, 2);
// Value labels of one width in a fixed font keep the stacked plots' time axes in line.
constexpr const char* kWholeLabels = "%6.0f";

QString LabelFormat(double top) {
    if (top < 10)
        return QStringLiteral("%6.2f");
    if (top < 100)
        return QStringLiteral("%6.1f");
    return QString::fromLatin1(kWholeLabels);
}

QString WithUnits(const QString& name, const QString& units) {
    return units.isEmpty() ? name : QStringLiteral("%1 [%2]").arg(name, units);
}

QString Clock(qint64 atMs) {
    return QDateTime::fromMSecsSinceEpoch(atMs).toString(QStringLiteral("HH:mm:ss"));
}
} // namespace

TrendsWindow::TrendsWindow(ControllerSession& session, VacuumSource vacuum, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), vacuum_(std::move(vacuum)) {
    setObjectName(QStringLiteral("fTrends"));
    setWindowTitle(QStringLiteral("Trends"));
    resize(960, 760);

    Plot vacuumPlot = MakePlot("cTrendsVacuum", QStringLiteral("Vacuum"), 1);
    vacuumPlot.fractions = true;
    AddCurve(vacuumPlot, TrendQuantity::Vacuum, QStringLiteral("Vacuum"), QColor(0, 90, 200));
    AddCurve(vacuumPlot, TrendQuantity::SlaveVacuum, QStringLiteral("Slave Vacuum"),
             QColor(0, 170, 200));
    Plot fanPlot = MakePlot("cTrendsFan", QStringLiteral("Fan [%]"), 100);
    AddCurve(fanPlot, TrendQuantity::FanPercent, QStringLiteral("Fan Output"), QColor(200, 150, 0));
    Plot currentPlot = MakePlot("cTrendsCurrents", QStringLiteral("Current [mA]"), 100);
    AddCurve(currentPlot, TrendQuantity::OddCurrent, QStringLiteral("Odd Gates"),
             QColor(210, 0, 0));
    AddCurve(currentPlot, TrendQuantity::EvenCurrent, QStringLiteral("Even Gates"),
             QColor(120, 0, 160));
    AddCurve(currentPlot, TrendQuantity::SlaveOddCurrent, QStringLiteral("Slave Odd Gates"),
             QColor(240, 120, 100));
    AddCurve(currentPlot, TrendQuantity::SlaveEvenCurrent, QStringLiteral("Slave Even Gates"),
             QColor(190, 130, 230));
    Plot gatePlot = MakePlot("cTrendsGates", QStringLiteral("Workstations"), 12);
    AddCurve(gatePlot, TrendQuantity::ActiveSensors, QStringLiteral("Active Sensors"),
             QColor(220, 170, 0));
    AddCurve(gatePlot, TrendQuantity::OpenGates, QStringLiteral("Open Gates"), QColor(0, 150, 0));
    gatePlot.values->setTickType(QValueAxis::TicksDynamic);
    gatePlot.values->setTickInterval(4);
    gatePlot.time->setLabelsVisible(true);
    for (Plot* plot : {&vacuumPlot, &fanPlot, &currentPlot, &gatePlot})
        plots_.push_back(std::move(*plot));

    lTrendsState = new QLabel(this);
    lTrendsState->setTextFormat(Qt::PlainText);
    lTrendsState->setObjectName(QStringLiteral("lTrendsState"));
    bTrendsPause = new QPushButton(QStringLiteral("Pause"), this);
    bTrendsPause->setObjectName(QStringLiteral("bTrendsPause"));
    bTrendsPause->setCheckable(true);
    auto* exportCsv = new QPushButton(QStringLiteral("Export CSV…"), this);
    exportCsv->setObjectName(QStringLiteral("bTrendsExport"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lTrendsState, 1);
    buttons->addWidget(bTrendsPause);
    buttons->addWidget(exportCsv);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    // The bottom plot carries the time labels as well.
    for (const Plot& plot : plots_)
        layout->addWidget(plot.view, &plot == &plots_.back() ? 5 : 4);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    connect(bTrendsPause, &QPushButton::toggled, this,
            [this](bool paused) { RunGuarded([&] { SetPaused(paused); }); });
    connect(exportCsv, &QPushButton::clicked, this, [this] { RunGuarded([this] { Export(); }); });
    connect(&refresh_, &QTimer::timeout, this, [this] { RunGuarded([this] { Refresh(); }); });
    refresh_.setInterval(kTrendsRefreshMs);
}

TrendsWindow::Plot TrendsWindow::MakePlot(const char* name, const QString& title,
                                          double lowestTop) {
    auto* chart = new QChart;
    chart->setMargins(kChartMargins);
    chart->setBackgroundRoundness(0);
    chart->legend()->setAlignment(Qt::AlignTop);
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);

    auto* time = new QDateTimeAxis;
    time->setFormat(QStringLiteral("HH:mm:ss"));
    time->setTickCount(kTimeTicks);
    time->setLabelsVisible(false);
    chart->addAxis(time, Qt::AlignBottom);

    auto* values = new QValueAxis;
    values->setTitleText(title);
    values->setRange(0, lowestTop);
    values->setLabelFormat(QString::fromLatin1(kWholeLabels));
    values->setLabelsFont(QFont(QStringLiteral("Liberation Mono"), 8));
    chart->addAxis(values, Qt::AlignLeft);

    auto* view = new QChartView(chart, this);
    view->setObjectName(QString::fromLatin1(name));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(140);
    return {view, values, time, lowestTop, false, {}};
}

void TrendsWindow::AddCurve(Plot& plot, TrendQuantity quantity, const QString& name,
                            const QColor& colour) {
    auto* line = new QLineSeries;
    line->setName(name);
    QPen pen(colour);
    pen.setWidthF(1.6);
    line->setPen(pen);
    QChart* chart = plot.view->chart();
    chart->addSeries(line);
    line->attachAxis(plot.time);
    line->attachAxis(plot.values);
    plot.curves.push_back({quantity, line});
}

void TrendsWindow::showEvent(QShowEvent* event) {
    if (recording_.empty())
        StartRecording();
    if (!bTrendsPause->isChecked()) {
        Refresh();
        refresh_.start();
    }
    QWidget::showEvent(event);
}

void TrendsWindow::hideEvent(QHideEvent* event) {
    refresh_.stop();
    // Minimized, it goes on recording; closed, it costs nothing.
    if (!event->spontaneous())
        StopRecording();
    QWidget::hideEvent(event);
}

void TrendsWindow::StartRecording() {
    // Opened again: the curves start now rather than bridge the time it was closed.
    series_.Clear();
    recording_.push_back(connect(&session_, &ControllerSession::StatusPolled, this,
                                 [this](const StatusDisplay& shown) { TakeStatus(shown); }));
    recording_.push_back(connect(&session_, &ControllerSession::SlaveStatusPolled, this,
                                 [this](const UnitStatus& slave) {
                                     if (slave.live)
                                         series_.AddSlaveStatus(slave);
                                 }));
}

void TrendsWindow::StopRecording() {
    for (const QMetaObject::Connection& connection : recording_)
        disconnect(connection);
    recording_.clear();
}

void TrendsWindow::TakeStatus(const StatusDisplay& shown) {
    // A link down is a gap in the curves, not a fall to zero.
    if (!shown.live)
        return;
    std::optional<TrendVacuum> vacuum;
    if (shown.showVacuumReading)
        vacuum = vacuum_();
    series_.AddStatus(QDateTime::currentMSecsSinceEpoch(), shown, vacuum);
}

void TrendsWindow::SetPaused(bool paused) {
    // Paused, the curves stand still to be read while the polls are still recorded, so
    // nothing is missing from them or from an export once it goes on.
    if (paused) {
        refresh_.stop();
    } else {
        refresh_.start();
    }
    Refresh();
}

void TrendsWindow::Refresh() {
    const std::deque<TrendSample>& samples = series_.Samples();
    AlignPlots();
    if (bTrendsPause->isChecked()) {
        lTrendsState->setText(
            QStringLiteral("Paused - recording goes on (%1 samples)").arg(samples.size()));
        return;
    }
    const qint64 nowMs = QDateTime::currentMSecsSinceEpoch();
    for (Plot& plot : plots_)
        ShowPlot(plot, nowMs);
    // Master and slave sensors may have units of their own.
    const std::vector<Curve>& vacuum = plots_.front().curves;
    vacuum[0].line->setName(WithUnits(QStringLiteral("Vacuum"), series_.VacuumUnits()));
    vacuum[1].line->setName(WithUnits(QStringLiteral("Slave Vacuum"), series_.SlaveVacuumUnits()));
    lTrendsState->setText(samples.empty()
                              ? QStringLiteral("Waiting for the live status")
                              : QStringLiteral("%1 samples since %2, last %3")
                                    .arg(samples.size())
                                    .arg(Clock(samples.front().atMs), Clock(samples.back().atMs)));
}

void TrendsWindow::ShowPlot(Plot& plot, qint64 nowMs) {
    plot.time->setRange(QDateTime::fromMSecsSinceEpoch(nowMs - TrendSeries::kDefaultWindowMs),
                        QDateTime::fromMSecsSinceEpoch(nowMs));
    double bottom = 0;
    double top = plot.lowestTop;
    for (const Curve& curve : plot.curves) {
        const QList<QPointF> points = series_.Curve(curve.quantity, kCurvePoints);
        for (const QPointF& point : points) {
            bottom = std::min(bottom, point.y());
            top = std::max(top, point.y());
        }
        // A curve with nothing to draw (no slave, no pressure input) leaves the legend.
        curve.line->setVisible(!points.isEmpty());
        curve.line->replace(points);
    }
    plot.values->setRange(bottom, top);
    if (top > plot.lowestTop || bottom < 0)
        plot.values->applyNiceNumbers();
    if (plot.fractions)
        plot.values->setLabelFormat(LabelFormat(plot.values->max()));
}

void TrendsWindow::AlignPlots() {
    // The bottom plot's time labels reach past its right edge and narrow it; each plot takes
    // the narrowest edges, so one moment stands at one place in every plot. The edges each
    // would have with the plain margins are compared, so the plots never creep inwards.
    const auto natural = [](const QChart* chart) {
        const QMargins added = chart->margins() - kChartMargins;
        return chart->plotArea().adjusted(-added.left(), 0, added.right(), 0);
    };
    double left = 0;
    double right = std::numeric_limits<double>::max();
    for (const Plot& plot : plots_) {
        left = std::max(left, natural(plot.view->chart()).left());
        right = std::min(right, natural(plot.view->chart()).right());
    }
    for (Plot& plot : plots_) {
        QChart* chart = plot.view->chart();
        const QRectF area = natural(chart);
        chart->setMargins(kChartMargins +
                          QMargins(qRound(left - area.left()), 0, qRound(area.right() - right), 0));
    }
}

void TrendsWindow::Export() {
    const QString name =
        QStringLiteral("trends-%1.csv")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss")));
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export CSV"), name,
                                                      QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty())
        return;
    if (const std::optional<QString> error = SaveTrendCsv(series_, path))
        ReportUncaughtError(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), *error));
}
