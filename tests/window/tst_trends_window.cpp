// The trends window fed by the status polls: points while open, a still picture while paused,
// and nothing recorded while closed.

#include "tests/support/offline_window.h"
#include "tests/support/register_replies.h"
#include "tests/support/test_registry.h"

#include <QChartView>
#include <QLineSeries>
#include <QPushButton>

namespace {
constexpr int kRefreshWaitMs = 3000;

qsizetype Points(QWidget* trends, const char* chart, const QString& curve) {
    auto* view = trends->findChild<QChartView*>(QString::fromLatin1(chart));
    for (QAbstractSeries* series : view->chart()->series())
        if (series->name() == curve || series->name().startsWith(curve + QStringLiteral(" [")))
            return static_cast<QLineSeries*>(series)->count();
    return -1;
}
} // namespace

class TestTrendsWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void statusPollsAddPoints() {
        OfflineWindow offline;
        offline.Open();
        ControllerSession& session = offline.Session();
        session.OnFirmwareInfo(ControllerSession::FirmwarePart::First,
                               replyOf(textReply("VT12F05A")));
        Bytes status(32, 0);
        status[14] = 128; // fan output
        status[25] = 5;   // hardware with a pressure input
        status[27] = 0xFF;
        status[26] = 0x01; // input 511 counts
        const auto poll = [&](int count) {
            for (int i = 0; i < count; ++i)
                session.OnStatusPoll(replyOf(status));
        };
        poll(2);

        offline.Ui().bTrends->click();
        auto* trends = offline.Window().findChild<QWidget*>(QStringLiteral("fTrends"));
        QVERIFY(trends && trends->isVisible());
        poll(3);
        QTRY_COMPARE_WITH_TIMEOUT(Points(trends, "cTrendsFan", "Fan Output"), 3, kRefreshWaitMs);
        QCOMPARE(Points(trends, "cTrendsVacuum", "Vacuum"), 3);
        QCOMPARE(Points(trends, "cTrendsCurrents", "Slave Odd Gates"), 0);

        auto* pause = trends->findChild<QPushButton*>(QStringLiteral("bTrendsPause"));
        pause->click();
        poll(2);
        QTest::qWait(kRefreshWaitMs / 2);
        QCOMPARE(Points(trends, "cTrendsFan", "Fan Output"), 3);
        pause->click();
        QCOMPARE(Points(trends, "cTrendsFan", "Fan Output"), 5);

        trends->close();
        poll(2);
        offline.Ui().bTrends->click();
        poll(1);
        QTRY_COMPARE_WITH_TIMEOUT(Points(trends, "cTrendsFan", "Fan Output"), 1, kRefreshWaitMs);
    }
};

VT12_TEST(TestTrendsWindow, TestApplication::Window)
#include "tst_trends_window.moc"
