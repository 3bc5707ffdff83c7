#include "window/traffic_window.h"

#include "core/file_write.h"
#include "core/uncaught_error.h"
#include "session/controller_session.h"
#include "session/traffic_item_model.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
// Often enough to look live, seldom enough to cost nothing next to the link.
constexpr int kTrafficRefreshMs = 250;
} // namespace

TrafficWindow::TrafficWindow(ControllerSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session) {
    setObjectName(QStringLiteral("fTraffic"));
    setWindowTitle(QStringLiteral("Traffic Monitor"));
    resize(900, 480);
    rows_ = new TrafficItemModel(ring_, this);
    gTraffic = new QTableView(this);
    gTraffic->setObjectName(QStringLiteral("gTraffic"));
    gTraffic->setModel(rows_);
    gTraffic->verticalHeader()->hide();
    gTraffic->verticalHeader()->setDefaultSectionSize(18);
    gTraffic->horizontalHeader()->setStretchLastSection(true);
    gTraffic->setSelectionBehavior(QAbstractItemView::SelectRows);
    gTraffic->setWordWrap(false);
    for (const auto& [column, width] :
         {std::pair{0, 80}, {1, 34}, {2, 160}, {3, 150}, {4, 50}, {5, 46}, {6, 90}, {7, 60}})
        gTraffic->setColumnWidth(column, width);
    lTrafficStats = new QLabel(this);
    lTrafficStats->setTextFormat(Qt::PlainText);
    lTrafficStats->setObjectName(QStringLiteral("lTrafficStats"));
    bTrafficPause = new QPushButton(QStringLiteral("Pause"), this);
    bTrafficPause->setObjectName(QStringLiteral("bTrafficPause"));
    bTrafficPause->setCheckable(true);
    auto* clear = new QPushButton(QStringLiteral("Clear"), this);
    clear->setObjectName(QStringLiteral("bTrafficClear"));
    auto* save = new QPushButton(QStringLiteral("Save…"), this);
    save->setObjectName(QStringLiteral("bTrafficSave"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lTrafficStats, 1);
    buttons->addWidget(bTrafficPause);
    buttons->addWidget(clear);
    buttons->addWidget(save);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gTraffic, 1);
    layout->addLayout(buttons);

    connect(bTrafficPause, &QPushButton::toggled, this,
            [this](bool paused) { RunGuarded([&] { SetPaused(paused); }); });
    connect(clear, &QPushButton::clicked, this, [this] { RunGuarded([this] { Clear(); }); });
    connect(save, &QPushButton::clicked, this, [this] { RunGuarded([this] { Save(); }); });
    connect(&refresh_, &QTimer::timeout, this, [this] { RunGuarded([this] { Refresh(); }); });
    refresh_.setInterval(kTrafficRefreshMs);
    Refresh();
}

TrafficWindow::~TrafficWindow() {
    session_.SetTrafficMonitor(nullptr);
}

void TrafficWindow::showEvent(QShowEvent* event) {
    SetPaused(bTrafficPause->isChecked());
    QWidget::showEvent(event);
}

void TrafficWindow::hideEvent(QHideEvent* event) {
    session_.SetTrafficMonitor(nullptr);
    refresh_.stop();
    QWidget::hideEvent(event);
}

void TrafficWindow::SetPaused(bool paused) {
    // A paused monitor keeps its rows as they stand.
    session_.SetTrafficMonitor(paused ? nullptr : &ring_);
    if (paused) {
        refresh_.stop();
        Refresh();
    } else {
        refresh_.start();
    }
}

void TrafficWindow::Refresh() {
    lTrafficStats->setText(StatsText(ring_.Stats()));
    if (ring_.Recorded() == shown_)
        return;
    shown_ = ring_.Recorded();
    rows_->Refresh();
    gTraffic->scrollToBottom();
}

void TrafficWindow::Clear() {
    ring_.Clear();
    shown_ = 0;
    rows_->Refresh();
    Refresh();
}

void TrafficWindow::Save() {
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save Traffic"),
                                                      QString(), QStringLiteral("Trace (*.log)"));
    if (path.isEmpty())
        return;
    if (const FileWritten written = WriteWholeFile(path, TraceText(ring_)); !written)
        ReportUncaughtError(
            QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), written.failure));
}
