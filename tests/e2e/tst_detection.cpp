// The program's window against real simulators on pseudo-terminals: finding the controller,
// the full read set, supervision of the link, and the pulled cable and adapter.

#include "core/uncaught_error.h"
#include "tests/e2e/window_session.h"
#include "tests/support/test_registry.h"

#include <QElapsedTimer>
#include <QTimer>
#include <csignal>

namespace {
constexpr int kDetectTimeoutMs = WindowSession::kDetectTimeoutMs;

// Collects every caption the link panel shows, in order, without repeats.
class CaptionLog {
public:
    explicit CaptionLog(WindowSession& session) {
        QObject::connect(&timer_, &QTimer::timeout, [this, &session] {
            const QString now = session.Caption();
            if (seen.isEmpty() || seen.last() != now)
                seen << now;
        });
        timer_.start(5);
    }
    QStringList seen;

private:
    QTimer timer_;
};

// Errors that would have been shown to the user.
struct ErrorCount {
    int count = 0;
    ErrorCount() {
        SetUncaughtErrorHandler([this](const QString&) { ++count; });
    }
    ~ErrorCount() { SetUncaughtErrorHandler(nullptr); }
};
} // namespace

class TestDetection : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void storedPortFoundWithTheFullReadSet() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(3, {"--pace"}));
        session.StorePort(3);
        TfVT12SetAppMain& window = session.Open();
        QTRY_COMPARE_WITH_TIMEOUT(session.Caption(), QStringLiteral("Detected on COM3"),
                                  kDetectTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(window.Session().Scheduler().AnswerCount() >= 14,
                                 kDetectTimeoutMs);
        const TraceFile trace = session.CloseAndReadTrace();
        QCOMPARE(trace.Events("OPEN").first(), QStringLiteral("3"));
        const QStringList expected{
            "3:2048,124", "3:2172,124", "3:24320,124", "4:16,32",  "3:128,14", "3:0,97", "3:512,97",
            "3:256,120",  "3:640,120",  "3:656,4",     "3:384,42", "4:0,16",   "4:0,16"};
        QCOMPARE(trace.Requests().mid(0, expected.size()), expected);
        QVERIFY(!trace.Events("RESULT").contains("TIMEOUT"));
        QVERIFY(QFile::exists(session.ProgramDir() + "/Settings.ini"));
    }

    void noControllerCyclesThroughThePorts() {
        WindowSession session;
        session.Open();
        CaptionLog log(session);
        QTRY_VERIFY_WITH_TIMEOUT(log.seen.count("... trying detect on COM1") >= 2, 10000);
        QStringList expected;
        for (int port = 1; port <= 10; ++port)
            expected << QStringLiteral("... trying detect on COM%1").arg(port);
        expected << QStringLiteral("... trying detect on COM1");
        QCOMPARE(log.seen.mid(log.seen.indexOf(expected.first()), expected.size()), expected);
    }

    void pinnedPortIsRetried() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(3));
        TfVT12SetAppMain& window = session.Open({"PORT=5"});
        QVERIFY(window.windowTitle().endsWith(" [COM5]"));
        QTest::qWait(2000);
        QCOMPARE(session.Caption(), QStringLiteral("... trying detect on COM5"));
        const QStringList failures = session.CloseAndReadTrace().Events("OPENFAIL");
        QVERIFY2(failures.size() >= 3, qPrintable(failures.join(u'|')));
        QCOMPARE(failures.filter(QStringLiteral("5 Invalid port number (COM5)")).size(),
                 failures.size());
    }

    // The figures of the README's link recovery: a pulled cable (the controller falls silent)
    // and an unplugged adapter, replugged under its old name, reached through the port folder
    // or through the [Ports] mapping of Settings.ini. No error reaches the user on the way.
    void silentControllerIsFoundAgain() {
        WindowSession session;
        ErrorCount errors;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(3));
        session.StorePort(3);
        TfVT12SetAppMain& window = session.Open();
        QTRY_COMPARE_WITH_TIMEOUT(session.Caption(), QStringLiteral("Detected on COM3"),
                                  kDetectTimeoutMs);
        QElapsedTimer clock;
        clock.start();
        sim.Signal(SIGUSR2);
        QTRY_COMPARE_WITH_TIMEOUT(session.Caption(), QStringLiteral("... trying detect on COM4"),
                                  kDetectTimeoutMs);
        const qint64 lost = clock.restart();
        QVERIFY(!window.Session().LinkUp());
        sim.Signal(SIGUSR2);
        QTRY_COMPARE_WITH_TIMEOUT(session.Caption(), QStringLiteral("Detected on COM3"),
                                  kDetectTimeoutMs);
        qInfo("silent: link shown lost after %lld ms; answering again: detected after %lld ms",
              lost, clock.elapsed());
        const QStringList results = session.CloseAndReadTrace().Events("RESULT");
        QVERIFY(results.count("TIMEOUT") >= 10);
        QCOMPARE(errors.count, 0);
    }

    void pulledAdapterClosesThePortAtOnce_data() {
        QTest::addColumn<bool>("mapped");
        QTest::newRow("port folder") << false;
        QTest::newRow("[Ports] mapping") << true;
    }
    void pulledAdapterClosesThePortAtOnce() {
        QFETCH(bool, mapped);
        WindowSession session;
        ErrorCount errors;
        QTemporaryDir adapterDir;
        const QString simDir = mapped ? adapterDir.path() : session.PortDir();
        const int simCom = mapped ? 7 : 3;
        auto sim = std::make_unique<SimulatorProcess>(simDir);
        QVERIFY(sim->Start(simCom));
        if (mapped) {
            qunsetenv("VT12_PORT_DIR");
            session.StorePort(3, QStringLiteral("COM3=%1/COM7").arg(simDir));
        } else {
            session.StorePort(3);
        }
        TfVT12SetAppMain& window = session.Open();
        QTRY_COMPARE_WITH_TIMEOUT(session.Caption(), QStringLiteral("Detected on COM3"),
                                  kDetectTimeoutMs);
        QElapsedTimer clock;
        clock.start();
        sim.reset();
        // Ten timeouts of the status poll would take at least 5 s.
        QTRY_VERIFY_WITH_TIMEOUT(session.Caption().startsWith("... trying detect on COM"), 4000);
        const qint64 lost = clock.elapsed();
        QVERIFY(!window.ComPort.Active() || window.ComPort.ComNumber() != 3);
        sim = std::make_unique<SimulatorProcess>(simDir);
        QVERIFY(sim->Start(simCom));
        clock.start();
        QTRY_COMPARE_WITH_TIMEOUT(session.Caption(), QStringLiteral("Detected on COM3"),
                                  kDetectTimeoutMs);
        qInfo("unplugged: link shown lost after %lld ms; replugged: detected after %lld ms", lost,
              clock.elapsed());
        QCOMPARE(errors.count, 0);
    }
};

VT12_TEST(TestDetection, TestApplication::Window)
#include "tst_detection.moc"
