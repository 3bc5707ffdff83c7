// The program stopped by a signal, as a desktop logout, Ctrl+C or a closed terminal do: it
// closes the normal way, so Settings.ini holds the port and the port is closed.

#include "tests/e2e/simulator_process.h"
#include "tests/e2e/trace_file.h"
#include "tests/support/test_registry.h"

namespace {
constexpr int kSignalsCom = 4;
} // namespace

class TestSignals : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void signalClosesTheNormalWay_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }
    void signalClosesTheNormalWay() {
        QFETCH(int, signal);
        SimulatorProcess sim;
        QVERIFY(sim.Start(kSignalsCom));
        QTemporaryDir programDir;
        const QString tracePath = programDir.filePath("trace.log");
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("VT12_PORT_DIR", sim.PortDir());
        environment.insert("VT12_PROGRAM_DIR", programDir.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        tool.setProcessEnvironment(environment);
        tool.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        tool.start(SimulatorProcess::BinDir() + "/vt12set", {"--trace=" + tracePath});
        QVERIFY(tool.waitForStarted(10000));
        // The trace reaches the file within a second of the controller's first answers.
        QTRY_VERIFY_WITH_TIMEOUT(
            TraceFile::Read(tracePath).Events(QStringLiteral("RESULT")).contains("OK"), 20000);

        ::kill(static_cast<pid_t>(tool.processId()), signal);
        QVERIFY(tool.waitForFinished(10000));
        QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tool.exitCode(), 0);
        QFile ini(programDir.filePath("Settings.ini"));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QVERIFY(ini.readAll().contains(QStringLiteral("Port=%1").arg(kSignalsCom).toLatin1()));
        QCOMPARE(TraceFile::Read(tracePath).Events(QStringLiteral("CLOSE")).last(),
                 QString::number(kSignalsCom));
    }
};

VT12_TEST(TestSignals, TestApplication::Core)
#include "tst_signals.moc"
