// The traffic monitor against the simulator: opened before the first request, its rows and
// figures are the trace's.

#include "tests/e2e/window_session.h"
#include "tests/support/test_registry.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>

namespace {
constexpr int kFrameColumn = 8;
constexpr int kResultColumn = 6;

int Figure(const QString& stats, const QString& name) {
    const QRegularExpression figure(name + QStringLiteral(" (\\d+)"));
    return figure.match(stats).captured(1).toInt();
}
} // namespace

class TestTrafficMonitor : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rowsAndFiguresMatchTheTrace() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(2, {"--faults", "timeout=10", "--seed", "3"}));
        session.StorePort(2);
        TfVT12SetAppMain& window = session.Open();
        window.ui.bTrafficMonitor->click();
        auto* monitor = window.findChild<QWidget*>(QStringLiteral("fTraffic"));
        QVERIFY(monitor && monitor->isVisible());
        auto* table = monitor->findChild<QTableView*>(QStringLiteral("gTraffic"));
        auto* stats = monitor->findChild<QLabel*>(QStringLiteral("lTrafficStats"));
        QTRY_VERIFY_WITH_TIMEOUT(Figure(stats->text(), "Requests") >= 40, kTimeoutMs);
        monitor->findChild<QPushButton*>(QStringLiteral("bTrafficPause"))->click();

        QStringList sent;
        int ok = 0;
        const QAbstractItemModel* rows = table->model();
        for (int row = 0; row < rows->rowCount(); ++row) {
            const QString frame = rows->index(row, kFrameColumn).data().toString();
            if (rows->index(row, 1).data() == QStringLiteral("TX"))
                sent << frame;
            ok += rows->index(row, kResultColumn).data() == QStringLiteral("OK");
        }
        QCOMPARE(Figure(stats->text(), "Requests"), sent.size());
        QCOMPARE(Figure(stats->text(), "OK"), ok);
        QVERIFY(Figure(stats->text(), "Timeouts") > 0);

        const TraceFile trace = session.CloseAndReadTrace();
        QCOMPARE(trace.Events(QStringLiteral("TX")).mid(0, sent.size()), sent);
        QCOMPARE(trace.Events(QStringLiteral("RESULT")).mid(0, sent.size()).count("OK"), ok);
    }
};

VT12_TEST(TestTrafficMonitor, TestApplication::Window)
#include "tst_traffic_monitor.moc"
