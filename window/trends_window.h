#pragma once
// The trends: a window of its own beside the main window with the vacuum, the fan output, the
// gate motor currents and the workstation counts over the last minutes, drawn from the status
// polls the link makes anyway. It records only while open.

#include "monitor/trend_series.h"

#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

class ControllerSession;
class QChart;
class QChartView;
class QDateTimeAxis;
class QLabel;
class QLineSeries;
class QPushButton;
class QValueAxis;

class TrendsWindow : public QWidget {
public:
    // The vacuum figures and units as the pressure panels show them.
    using VacuumSource = std::function<TrendVacuum()>;

    TrendsWindow(ControllerSession& session, VacuumSource vacuum, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    struct Curve {
        TrendQuantity quantity;
        QLineSeries* line;
    };
    struct Plot {
        QChartView* view;
        QValueAxis* values;
        QDateTimeAxis* time;
        double lowestTop; // the value axis shows at least 0 to this
        bool fractions;   // a small sensor range needs decimals
        std::vector<Curve> curves;
    };

    Plot MakePlot(const char* name, const QString& title, double lowestTop);
    static void AddCurve(Plot& plot, TrendQuantity quantity, const QString& name,
                         const QColor& colour);
    void ShowPlot(Plot& plot, qint64 nowMs);
    void AlignPlots();
    void StartRecording();
    void StopRecording();
    void TakeStatus(const StatusDisplay& shown);
    void Refresh();
    void SetPaused(bool paused);
    void Export();

    ControllerSession& session_;
    VacuumSource vacuum_;
    TrendSeries series_;
    std::vector<Plot> plots_;
    QLabel* lTrendsState;
    QPushButton* bTrendsPause;
    QTimer refresh_;
    std::vector<QMetaObject::Connection> recording_;
};
