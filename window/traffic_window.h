#pragma once
// The traffic monitor: a window of its own beside the main window, showing the link's last few
// thousand events live, their result counts and round trips. It records only while open.

#include "link/traffic_ring.h"

#include <QTimer>
#include <QWidget>

class ControllerSession;
class QLabel;
class QPushButton;
class QTableView;
class TrafficItemModel;

class TrafficWindow : public QWidget {
public:
    TrafficWindow(ControllerSession& session, QWidget* parent);
    ~TrafficWindow() override;

    // What it recorded while it was open and not paused.
    const TrafficRing& Ring() const { return ring_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Refresh();
    void Clear();
    void SetPaused(bool paused);
    void Save();

    ControllerSession& session_;
    TrafficRing ring_;
    TrafficItemModel* rows_;
    QTableView* gTraffic;
    QLabel* lTrafficStats;
    QPushButton* bTrafficPause;
    QTimer refresh_;
    uint64_t shown_ = 0;
};
