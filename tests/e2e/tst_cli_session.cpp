// vt12cli against the simulator over a pseudo-terminal: the backup is the file the window
// saves after connecting, info gives the firmware code, and a port without a controller ends
// the command with exit code 2 after one round.

#include "tests/e2e/window_session.h"
#include "tests/firmware/srecord_text.h"
#include "tests/support/file_dialog_answer.h"
#include "tests/support/window_test_main.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

namespace {
constexpr int kCom = 4;
constexpr int kCliTimeoutMs = 30000;

struct CliResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// The environment is the session's: its port and program directories.
CliResult RunCli(const QStringList& arguments) {
    QProcess cli;
    cli.start(SimulatorProcess::BinDir() + "/vt12cli", arguments);
    if (!cli.waitForFinished(kCliTimeoutMs)) {
        cli.kill();
        cli.waitForFinished();
        return {};
    }
    return {cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1,
            cli.readAllStandardOutput(), cli.readAllStandardError()};
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestCliSession : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void backupIsTheWindowsFileAndInfoNamesTheFirmware() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(kCom, {"--master"}));
        session.StorePort(kCom);
        TfVT12SetAppMain& window = session.Open();
        const TJobScheduler& scheduler = window.Session().Scheduler();
        QTRY_VERIFY_WITH_TIMEOUT(scheduler.AnswerCount() >= 12 && scheduler.JobMask() == 0 &&
                                     window.Session().SlaveConnected(),
                                 WindowSession::kDetectTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(scheduler.JobMask() == 0, WindowSession::kDetectTimeoutMs);
        const QString windowFile = QDir(session.ProgramDir()).filePath("window.vt12");
        AnswerFileDialog(window.ui.dSave, windowFile);
        window.ui.bSaveToFile->click();
        session.CloseAndReadTrace();

        const QString cliFile = QDir(session.ProgramDir()).filePath("cli.vt12");
        const CliResult backup = RunCli({"backup", cliFile, "--port", QString::number(kCom)});
        QCOMPARE(backup.exitCode, 0);
        QCOMPARE(Read(cliFile).size(), 2600);
        // The counter memos (from 2000 on) are read a moment apart, and the simulator's
        // counters run on: the settings and the identification must be the same.
        QCOMPARE(Read(cliFile).left(2000), Read(windowFile).left(2000));

        const CliResult info = RunCli({"info", "--json"});
        QCOMPARE(info.exitCode, 0);
        const QJsonObject object = QJsonDocument::fromJson(info.out).object();
        QCOMPARE(object.value("firmwareCode").toString(),
                 window.Session().Features().MasterCode().Text());
        QCOMPARE(object.value("port").toInt(), kCom);
        QCOMPARE(object.value("installationMode").toInt(), 2);
        QVERIFY(object.value("slaveConnected").toBool());
    }

    // A file with one changed system setting: only that block is written, and the command
    // succeeds only when its read-back verified.
    void restoreWritesTheChangedBlock_data() {
        QTest::addColumn<QStringList>("simulatorOptions");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("stored as written") << QStringList{} << 0;
        QTest::newRow("stored differently") << QStringList{"--store-differently"} << 3;
    }
    void restoreWritesTheChangedBlock() {
        QFETCH(QStringList, simulatorOptions);
        QFETCH(int, exitCode);
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(kCom, simulatorOptions));
        const QString port = QString::number(kCom);
        const QString file = QDir(session.ProgramDir()).filePath("unit.vt12");
        QCOMPARE(RunCli({"backup", file, "--port", port}).exitCode, 0);
        QByteArray bytes = Read(file);
        bytes[1] = static_cast<char>(bytes[1] + 10); // FanOnDelay one second longer
        QFile changed(file);
        QVERIFY(changed.open(QIODevice::WriteOnly));
        changed.write(bytes);
        changed.close();

        const CliResult dryRun = RunCli({"restore", file, "--dry-run", "--port", port});
        QCOMPARE(dryRun.exitCode, 0);
        QCOMPARE(QString::fromUtf8(dryRun.out),
                 QStringLiteral("Changed: system settings\n  Fan On Delay [sec.]: %1 \u2192 %2\n")
                     .arg(bytes[1] / 10 - 1)
                     .arg(bytes[1] / 10));

        const QString trace = QDir(session.ProgramDir()).filePath("trace.log");
        const CliResult restore = RunCli({"restore", file, "--port", port, "--trace", trace});
        QCOMPARE(restore.exitCode, exitCode);
        QVERIFY(restore.out.contains("Writing system settings...OK\nVerifying..."));
        // The system settings block: 14 registers at 128.
        const QStringList writes =
            TraceFile::Read(trace).Requests().filter(QRegularExpression("^16:"));
        QCOMPARE(writes, QStringList{"16:128,14"});
    }

    void firmwareUploadedAndStarted() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(kCom));
        const QString file = QDir(session.ProgramDir()).filePath("VT12F06A.vtfw");
        QFile firmware(file);
        QVERIFY(firmware.open(QIODevice::WriteOnly));
        firmware.write(srec::Text(srec::FirmwareLines(srec::FirmwareWindow("VT12F06A"))));
        firmware.close();

        const CliResult upload = RunCli({"firmware", file, "--port", QString::number(kCom)});
        QCOMPARE(upload.exitCode, 0);
        QVERIFY2(upload.out.contains("\nPage 40.......\nFinished - OK\n"), upload.out.constData());
        QVERIFY(upload.out.endsWith("Firmware code: F06A\n"));

        const CliResult rejected =
            RunCli({"firmware", sim.PortDir() + "/missing.vtfw", "--port", QString::number(kCom)});
        QCOMPARE(rejected.exitCode, 4);
        QVERIFY(!rejected.err.isEmpty());
    }

    void monitorPrintsPollsUntilItsTime() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(kCom, {"--pace"}));
        const CliResult monitor =
            RunCli({"monitor", "--json", "--seconds", "1", "--port", QString::number(kCom)});
        QCOMPARE(monitor.exitCode, 0);
        const QList<QByteArray> lines = monitor.out.trimmed().split('\n');
        QVERIFY(lines.size() >= 5);
        for (const QByteArray& line : lines) {
            const QJsonObject poll = QJsonDocument::fromJson(line).object();
            QCOMPARE(poll.value("gates").toString().size(), 12);
            QCOMPARE(poll.value("sensors").toString().size(), 12);
        }
    }

    void allPortsBacksUpEveryUnit() {
        WindowSession session;
        SimulatorProcess first(session.PortDir());
        SimulatorProcess second(session.PortDir());
        QVERIFY(first.Start(2));
        QVERIFY(second.Start(5, {"--master"}));
        const QString folder = session.ProgramDir();
        const CliResult backup = RunCli({"backup", folder, "--all-ports"});
        QCOMPARE(backup.exitCode, 0);
        const QStringList files = QDir(folder).entryList({"*.vt12"}, QDir::Files, QDir::Name);
        QCOMPARE(files.size(), 2);
        QVERIFY(files[0].startsWith("COM2-"));
        QVERIFY(files[1].startsWith("COM5-"));
        for (const QString& file : files)
            QCOMPARE(QFileInfo(QDir(folder).filePath(file)).size(), 2600);
    }

    void noControllerEndsWithTwo() {
        WindowSession session;
        const CliResult result = RunCli({"detect", "--port", "7"});
        QCOMPARE(result.exitCode, 2);
        QVERIFY(result.out.isEmpty());
        QVERIFY(!result.err.isEmpty());
    }
};

VT12_WINDOW_TEST_MAIN(TestCliSession)
#include "tst_cli_session.moc"
