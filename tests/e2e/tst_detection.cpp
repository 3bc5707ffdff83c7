// The program's window against real simulators on pseudo-terminals: finding the controller,
// the full read set, supervision of the link, and the pulled cable and adapter.

#include "app/main_window.h"
#include "tests/e2e/simulator_process.h"
#include "tests/e2e/trace_file.h"
#include "tests/support/window_test_main.h"

#include <QLabel>
#include <QTimer>
#include <csignal>

namespace {
constexpr int kDetectTimeoutMs = 15000;

QString caption(TfVT12SetAppMain& window) {
    return window.ui.pVTDetected->text();
}

// Collects every caption the link panel shows, in order, without repeats.
class CaptionLog {
public:
    explicit CaptionLog(TfVT12SetAppMain& window) {
        QObject::connect(&timer_, &QTimer::timeout, [this, &window] {
            const QString now = caption(window);
            if (seen.isEmpty() || seen.last() != now)
                seen << now;
        });
        timer_.start(5);
    }
    QStringList seen;

private:
    QTimer timer_;
};
} // namespace

class TestDetection : public QObject {
    Q_OBJECT

    QTemporaryDir programDir;
    QTemporaryDir portDir;
    QString tracePath;

    void writeSettingsPort(int port) {
        QFile ini(programDir.filePath("Settings.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(QStringLiteral("[Last]\nPort=%1\n").arg(port).toUtf8());
    }

    std::unique_ptr<TfVT12SetAppMain> openWindow(QStringList arguments = {}) {
        arguments << "--trace=" + tracePath;
        auto window = std::make_unique<TfVT12SetAppMain>(arguments);
        window->show();
        return window;
    }

private Q_SLOTS:
    void init() {
        qputenv("VT12_PROGRAM_DIR", programDir.path().toUtf8());
        qputenv("VT12_PORT_DIR", portDir.path().toUtf8());
        tracePath = programDir.filePath("trace.log");
        QFile::remove(programDir.filePath("Settings.ini"));
    }

    void storedPortFoundWithTheFullReadSet() {
        SimulatorProcess sim(portDir.path());
        QVERIFY(sim.Start(3, {"--pace"}));
        writeSettingsPort(3);
        auto window = openWindow();
        QTRY_COMPARE_WITH_TIMEOUT(caption(*window), QStringLiteral("Detected on COM3"),
                                  kDetectTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(window->Scheduler().AnswerCount >= 14, kDetectTimeoutMs);
        window->close();
        const TraceFile trace = TraceFile::Read(tracePath);
        QCOMPARE(trace.Events("OPEN").first(), QStringLiteral("3"));
        const QStringList expected{
            "3:2048,124", "3:2172,124", "3:24320,124", "4:16,32",  "3:128,14", "3:0,97", "3:512,97",
            "3:256,120",  "3:640,120",  "3:656,4",     "3:384,42", "4:0,16",   "4:0,16"};
        QCOMPARE(trace.Requests().mid(0, expected.size()), expected);
        QVERIFY(!trace.Events("RESULT").contains("TIMEOUT"));
        QCOMPARE(QFile(programDir.filePath("Settings.ini")).exists(), true);
    }

    void noControllerCyclesThroughThePorts() {
        auto window = openWindow();
        CaptionLog log(*window);
        QTRY_VERIFY_WITH_TIMEOUT(log.seen.count("... trying detect on COM1") >= 2, 10000);
        QStringList expected;
        for (int port = 1; port <= 10; ++port)
            expected << QStringLiteral("... trying detect on COM%1").arg(port);
        expected << QStringLiteral("... trying detect on COM1");
        QCOMPARE(log.seen.mid(log.seen.indexOf(expected.first()), expected.size()), expected);
    }

    void pinnedPortIsRetried() {
        SimulatorProcess sim(portDir.path());
        QVERIFY(sim.Start(3));
        auto window = openWindow({"PORT=5"});
        QVERIFY(window->windowTitle().endsWith(" [COM5]"));
        QTest::qWait(1500);
        QCOMPARE(caption(*window), QStringLiteral("... trying detect on COM5"));
        window->close();
        const QStringList failures = TraceFile::Read(tracePath).Events("OPENFAIL");
        QVERIFY2(failures.size() >= 4, qPrintable(failures.join(u'|')));
        QCOMPARE(failures.filter(QStringLiteral("5 Invalid port number (COM5)")).size(),
                 failures.size());
    }

    void silentControllerIsFoundAgain() {
        SimulatorProcess sim(portDir.path());
        QVERIFY(sim.Start(3));
        writeSettingsPort(3);
        auto window = openWindow();
        QTRY_COMPARE_WITH_TIMEOUT(caption(*window), QStringLiteral("Detected on COM3"),
                                  kDetectTimeoutMs);
        sim.Signal(SIGUSR2);
        QTRY_COMPARE_WITH_TIMEOUT(caption(*window), QStringLiteral("... trying detect on COM4"),
                                  kDetectTimeoutMs);
        QVERIFY(!window->LinkUp);
        sim.Signal(SIGUSR2);
        QTRY_COMPARE_WITH_TIMEOUT(caption(*window), QStringLiteral("Detected on COM3"),
                                  kDetectTimeoutMs);
        window->close();
        const QStringList results = TraceFile::Read(tracePath).Events("RESULT");
        QVERIFY(results.count("TIMEOUT") >= 10);
    }

    void pulledAdapterClosesThePortAtOnce() {
        auto sim = std::make_unique<SimulatorProcess>(portDir.path());
        QVERIFY(sim->Start(3));
        writeSettingsPort(3);
        auto window = openWindow();
        QTRY_COMPARE_WITH_TIMEOUT(caption(*window), QStringLiteral("Detected on COM3"),
                                  kDetectTimeoutMs);
        sim.reset();
        // Well before ten timeouts could have run out.
        QTRY_VERIFY_WITH_TIMEOUT(caption(*window).startsWith("... trying detect on COM"), 1500);
        QVERIFY(!window->ComPort.Active() || window->ComPort.ComNumber() != 3);
        sim = std::make_unique<SimulatorProcess>(portDir.path());
        QVERIFY(sim->Start(3));
        QTRY_COMPARE_WITH_TIMEOUT(caption(*window), QStringLiteral("Detected on COM3"),
                                  kDetectTimeoutMs);
    }
};

VT12_WINDOW_TEST_MAIN(TestDetection)
#include "tst_detection.moc"
