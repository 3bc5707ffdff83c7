#include "link/com_port_error.h"
#include "link/port_detector.h"
#include "tests/link/fake_scheduler_host.h"
#include "tests/support/fake_time_base.h"

#include <QTest>
#include <set>

namespace {
class FakePort : public SerialChannel {
public:
    std::set<int> present;
    int number = 0;
    bool open = false;
    int ComNumber() const override { return number; }
    void SetComNumber(int n) override { number = n; }
    void Open() override {
        if (!present.contains(number))
            throw ComPortError(QStringLiteral("Invalid port number (COM%1)").arg(number));
        open = true;
    }
    void Close() override { open = false; }
    bool Active() const override { return open; }
};

class FakeDetectorHost : public DetectorHost {
public:
    int nextJobs = 0;
    int detects = 0;
    bool delay = false;
    QStringList events;
    void PostNextJob() override { ++nextJobs; }
    void PostDetectPort() override { ++detects; }
    void StartDelay() override { delay = true; }
    void StopDelay() override { delay = false; }
    void ShowTrying(int port) override { events << QStringLiteral("trying %1").arg(port); }
    void LinkDown() override { events << QStringLiteral("down"); }
    void PortOpened(int port) override { events << QStringLiteral("open %1").arg(port); }
    void PortOpenFailed(int port, const QString& text) override {
        events << QStringLiteral("fail %1 %2").arg(port).arg(text);
    }
    void PortClosed(int port) override { events << QStringLiteral("close %1").arg(port); }
};
} // namespace

class TestPortDetector : public QObject {
    Q_OBJECT
    FakeTimeBase time;
    FakeSchedulerHost schedulerHost;
    ControllerImages images;

private Q_SLOTS:
    void steps_data() {
        QTest::addColumn<int>("startNumber");
        QTest::addColumn<int>("fixedPort");
        QTest::addColumn<QList<int>>("present");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("stored port 3 found")
            << 2 << 0 << QList<int>{3} << QStringList{"open 3", "trying 3", "down"};
        QTest::newRow("absent port")
            << 3 << 0 << QList<int>{}
            << QStringList{"fail 4 Invalid port number (COM4)", "trying 4", "down"};
        QTest::newRow("wraps after 10")
            << 10 << 0 << QList<int>{1} << QStringList{"open 1", "trying 1", "down"};
        QTest::newRow("pinned port")
            << 7 << 5 << QList<int>{5, 8} << QStringList{"open 5", "trying 5", "down"};
    }
    void steps() {
        QFETCH(int, startNumber);
        QFETCH(int, fixedPort);
        QFETCH(QList<int>, present);
        QFETCH(QStringList, events);
        TModbusClient client(time);
        TJobScheduler scheduler(client, images, schedulerHost);
        FakePort port;
        FakeDetectorHost host;
        TPortDetector detector(port, scheduler, host);
        port.present = std::set<int>(present.begin(), present.end());
        port.number = startNumber;
        detector.FixedPort = fixedPort;
        scheduler.ErrorCount = 9;
        scheduler.AnswerCount = 40;
        scheduler.JobMask = JOB_WRITE_GATE_SETTINGS;
        detector.DetectPort();
        QCOMPARE(host.events, events);
        QCOMPARE(scheduler.ErrorCount, 0);
        QCOMPARE(host.nextJobs, port.open ? 1 : 0);
        QCOMPARE(host.delay, !port.open);
        QCOMPARE(scheduler.JobMask, port.open ? kFullReloadJobs : JOB_WRITE_GATE_SETTINGS);
        QCOMPARE(scheduler.AnswerCount, port.open ? 0u : 40u);
    }

    void scanCyclesThroughAllPorts() {
        TModbusClient client(time);
        TJobScheduler scheduler(client, images, schedulerHost);
        FakePort port;
        FakeDetectorHost host;
        TPortDetector detector(port, scheduler, host);
        for (int i = 0; i < 12; ++i) {
            detector.DelayExpired();
            detector.DetectPort();
        }
        QCOMPARE(host.events.filter("trying").join(u','),
                 QStringLiteral("trying 1,trying 2,trying 3,trying 4,trying 5,trying 6,trying 7,"
                                "trying 8,trying 9,trying 10,trying 1,trying 2"));
        QCOMPARE(host.detects, 12);
    }

    void openPortIsClosedBeforeTheNext() {
        TModbusClient client(time);
        TJobScheduler scheduler(client, images, schedulerHost);
        FakePort port;
        FakeDetectorHost host;
        TPortDetector detector(port, scheduler, host);
        port.present = {1, 2};
        detector.DetectPort();
        detector.DetectPort();
        QCOMPARE(host.events.join(u','),
                 QStringLiteral("open 1,trying 1,down,close 1,open 2,trying 2,down"));
        detector.DelayExpired();
        QCOMPARE(host.nextJobs, 3);
    }
};

QTEST_GUILESS_MAIN(TestPortDetector)
#include "tst_port_detector.moc"
