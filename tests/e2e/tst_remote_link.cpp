// The controller reached over the network, through a serial device server (tcp://) and a
// Modbus TCP gateway (modbus-tcp://), both played by the simulator on the loopback address
// with 50 ms of latency: detection, the read set, a verified save and test mode in the window,
// a connection dropped during a save, vt12cli backup, restore and firmware, and a connection
// dropped during the firmware upload.

#include "tests/e2e/cli_process.h"
#include "tests/e2e/window_session.h"
#include "tests/firmware/srecord_text.h"
#include "tests/support/test_registry.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>

namespace {
constexpr int kRemoteTimeoutMs = 30000;

bool ShownBold(const QPushButton* button) {
    return button->font().bold();
}

void AddKinds() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("serial server") << "--tcp";
    QTest::newRow("Modbus TCP gateway") << "--modbus-tcp";
}
} // namespace

class TestRemoteLink : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windowSavesAcrossADroppedConnection_data() { AddKinds(); }
    void windowSavesAcrossADroppedConnection() {
        QFETCH(QString, kind);
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        const QString url =
            sim.StartListening(kind, {"--latency", "50", "--drop-connection-on", "16"});
        QVERIFY(!url.isEmpty());
        session.StorePort(4, "COM4=" + url);
        TfVT12SetAppMain& window = session.Open();
        QSignalSpy linkShown(&window.Session(), &ControllerSession::LinkChanged);
        QTRY_COMPARE_WITH_TIMEOUT(session.Caption(), QStringLiteral("Detected on COM4"),
                                  kRemoteTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(window.Session().Scheduler().AnswerCount() >= 12,
                                 kRemoteTimeoutMs);
        QVERIFY(window.ui.pVTDetected->toolTip().contains(url));

        // The write resets the connection: the link goes down and comes back by itself.
        linkShown.clear();
        window.ui.eOnDelay->setText(QStringLiteral("3"));
        window.ui.bSave->click();
        QTRY_VERIFY_WITH_TIMEOUT(linkShown.size() >= 2, kRemoteTimeoutMs);
        QCOMPARE(linkShown.first().first().toBool(), false);
        QCOMPARE(linkShown.last().first().toBool(), true);
        QTRY_VERIFY_WITH_TIMEOUT(window.Session().Scheduler().AnswerCount() >= 12,
                                 kRemoteTimeoutMs);

        window.ui.eOnDelay->setText(QStringLiteral("4"));
        QVERIFY(ShownBold(window.ui.bSave));
        window.ui.bSave->click();
        QTRY_VERIFY_WITH_TIMEOUT(!window.Session().Scheduler().VerifyLog(), kRemoteTimeoutMs);
        QVERIFY2(LogLines(window).contains("Writing system settings...OK"),
                 qPrintable(LogLines(window).join(u'\n')));
        QVERIFY(LogLines(window).contains("Verifying...OK"));
        QVERIFY(!ShownBold(window.ui.bSave));

        // Test mode: function 101 passes as it is and the unit opens the gate.
        const uint8_t closed = window.Gates[0]->PictureKind();
        window.ui.bTestOn->click();
        QPushButton* gate = window.Gates[0]->findChild<QPushButton*>(QStringLiteral("bTlacitko"));
        QVERIFY(gate);
        gate->click();
        QTRY_VERIFY_WITH_TIMEOUT(window.Gates[0]->PictureKind() != closed, kRemoteTimeoutMs);
    }

    // Nobody listens: the panel names the host, its tooltip the address and the cause.
    void refusedPortNamesHostAndCause() {
        WindowSession session;
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const uint16_t port = closed.serverPort();
        closed.close();
        const QString url = QStringLiteral("tcp://127.0.0.1:%1").arg(port);
        session.StorePort(4, "COM4=" + url);
        TfVT12SetAppMain& window = session.Open({"PORT=4"});
        QTRY_VERIFY_WITH_TIMEOUT(window.ui.pVTDetected->toolTip().contains("refused"),
                                 kRemoteTimeoutMs);
        QVERIFY(window.ui.pVTDetected->toolTip().contains(url));
        QCOMPARE(session.Caption(), QStringLiteral("... trying detect on COM4"));
    }

    void cliBackupRestoreAndFirmware_data() { AddKinds(); }
    void cliBackupRestoreAndFirmware() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        SimulatorProcess sim(dir.path());
        // The connection goes at the hundredth firmware chunk.
        const QString url = sim.StartListening(
            kind, {"--latency", "50", "--restart-ms", "500", "--drop-connection-on", "110,100"});
        QVERIFY(!url.isEmpty());

        const QString before = dir.filePath("before.vt12");
        QCOMPARE(RunCli({"backup", before, "--device", url}).exitCode, 0);
        QByteArray changed = ReadFileBytes(before);
        QVERIFY(!changed.isEmpty());
        changed[1] = static_cast<char>(changed[1] + 10); // Fan On Delay one second longer
        const QString file = dir.filePath("changed.vt12");
        QVERIFY(WriteFileBytes(file, changed));
        const CliResult restored = RunCli({"restore", file, "--device", url});
        QVERIFY2(restored.exitCode == 0, restored.err.constData());
        const QString after = dir.filePath("after.vt12");
        QCOMPARE(RunCli({"backup", after, "--device", url}).exitCode, 0);
        QCOMPARE(ReadFileBytes(after).left(28), changed.left(28));

        const QString firmware = dir.filePath("update.vtfw");
        QVERIFY(WriteFileBytes(firmware,
                               srec::Text(srec::FirmwareLines(srec::FirmwareWindow("VT12F06A")))));
        // As on a serial line: the unit is left in its bootloader, and the update run again
        // finishes it.
        const CliResult interrupted = RunCli({"firmware", firmware, "--device", url, "-q"});
        QVERIFY(interrupted.exitCode > 0);
        const CliResult detected = RunCli({"detect", "--device", url});
        QVERIFY2(detected.out.contains(" B0"), detected.out.constData());
        const CliResult updated = RunCli({"firmware", firmware, "--device", url, "-q"});
        QVERIFY2(updated.exitCode == 0, updated.err.constData());
        QVERIFY2(updated.out.endsWith("Firmware code: F06A\n"), updated.out.constData());
    }
};

VT12_TEST(TestRemoteLink, TestApplication::Window)
#include "tst_remote_link.moc"
