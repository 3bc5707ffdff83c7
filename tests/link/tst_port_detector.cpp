#include "link/port_detector.h"
#include "tests/link/fake_link_roles.h"
#include "tests/support/fake_time_base.h"

#include "tests/support/test_registry.h"

#include <QTest>

class TestPortDetector : public QObject {
    Q_OBJECT
    FakeTimeBase time;
    ControllerImages images;
    FeatureLevels features;

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
        FakePort port;
        FakeLinkRoles host;
        TJobScheduler scheduler(client, images, features, host.Scheduler(port));
        TPortDetector detector(port, scheduler, host.Detector());
        client.OnResult = [&scheduler](TModbusResult& r) { scheduler.OnModbusResult(r); };
        scheduler.SetJob(JOB_READ_COUNTERS);
        for (int i = 0; i < 9; ++i) {
            scheduler.NextJob();
            time.Advance(1000);
        }
        QCOMPARE(scheduler.ErrorCount(), 9);
        // A save was going on when the link was lost.
        scheduler.StartVerifiedSave(JOB_WRITE_GATE_SETTINGS);
        port.open = false;
        host.nextJobPosts = 0;
        port.present = std::set<int>(present.begin(), present.end());
        port.number = startNumber;
        detector.SetFixedPort(fixedPort);
        detector.DetectPort();
        QCOMPARE(host.events, events);
        QCOMPARE(scheduler.ErrorCount(), 0);
        QCOMPARE(host.nextJobPosts, port.open ? 1 : 0);
        QCOMPARE(host.delayMs, port.open ? 0 : TPortDetector::kDelayMs);
        QCOMPARE(scheduler.JobMask(),
                 port.open ? kFullReloadJobs : JOB_READ_COUNTERS | JOB_WRITE_GATE_SETTINGS);
        QCOMPARE(scheduler.VerifyLog(), !port.open);
    }

    void scanCyclesThroughAllPorts() {
        TModbusClient client(time);
        FakePort port;
        port.open = false;
        FakeLinkRoles host;
        TJobScheduler scheduler(client, images, features, host.Scheduler(port));
        TPortDetector detector(port, scheduler, host.Detector());
        for (int i = 0; i < 12; ++i) {
            detector.DelayExpired();
            detector.DetectPort();
        }
        QCOMPARE(host.events.filter("trying").join(u','),
                 QStringLiteral("trying 1,trying 2,trying 3,trying 4,trying 5,trying 6,trying 7,"
                                "trying 8,trying 9,trying 10,trying 1,trying 2"));
        QCOMPARE(host.detectPortPosts, 12);
    }

    void openPortIsClosedBeforeTheNext() {
        TModbusClient client(time);
        FakePort port;
        port.open = false;
        FakeLinkRoles host;
        TJobScheduler scheduler(client, images, features, host.Scheduler(port));
        TPortDetector detector(port, scheduler, host.Detector());
        port.present = {1, 2};
        detector.DetectPort();
        detector.DetectPort();
        QCOMPARE(host.events.join(u','),
                 QStringLiteral("open 1,trying 1,down,close 1,open 2,trying 2,down"));
        detector.DelayExpired();
        QCOMPARE(host.nextJobPosts, 3);
    }

    // A remote port connects in the background: nothing is sent before it got through, and a
    // host that refuses is asked again after ever longer pauses, back to the short one once
    // it took a connection.
    void remotePortConnectsInTheBackground() {
        TModbusClient client(time);
        FakePort port;
        port.open = false;
        port.present = port.remote = {4};
        FakeLinkRoles host;
        TJobScheduler scheduler(client, images, features, host.Scheduler(port));
        TPortDetector detector(port, scheduler, host.Detector());
        detector.SetFixedPort(4);
        int lastPause = 0;
        for (int i = 0; i < 10; ++i) {
            detector.DetectPort();
            QVERIFY(port.Opening());
            detector.DelayExpired();
            QCOMPARE(host.detectPortPosts + host.nextJobPosts, 0);
            port.Connected(false);
            QVERIFY(host.delayMs >= lastPause);
            QVERIFY(host.delayMs <= TPortDetector::kLongestRetryPauseMs);
            lastPause = host.delayMs;
            host.delayMs = 0;
        }
        QCOMPARE(lastPause, TPortDetector::kLongestRetryPauseMs);
        QCOMPARE(host.events.filter("fail").size(), 10);
        detector.DetectPort();
        port.Connected(true);
        QCOMPARE(host.events.last(), QStringLiteral("open 4"));
        QCOMPARE(host.nextJobPosts, 1);
        QCOMPARE(scheduler.JobMask(), kFullReloadJobs);
        detector.DetectPort();
        port.Connected(false);
        QCOMPARE(host.delayMs, TPortDetector::kDelayMs);
    }
};

VT12_TEST(TestPortDetector, TestApplication::Core)
#include "tst_port_detector.moc"
