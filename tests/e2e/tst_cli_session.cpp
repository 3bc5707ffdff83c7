// vt12cli against the simulator over a pseudo-terminal: the backup is the file the window
// saves after connecting, info gives the firmware code, and a port without a controller ends
// the command with exit code 2 after one round.

#include "data/settings_file.h"
#include "tests/e2e/cli_process.h"
#include "tests/e2e/window_session.h"
#include "tests/firmware/srecord_text.h"
#include "tests/support/file_dialog_answer.h"
#include "tests/support/full_file_system.h"
#include "tests/support/test_registry.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {
constexpr int kSessionCom = 4;
constexpr int kSessionTimeoutMs = 30000;
} // namespace

class TestCliSession : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void backupIsTheWindowsFileAndInfoNamesTheFirmware() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(kSessionCom, {"--master"}));
        session.StorePort(kSessionCom);
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
        const CliResult backup =
            RunCli({"backup", cliFile, "--port", QString::number(kSessionCom)});
        QCOMPARE(backup.exitCode, 0);
        QCOMPARE(ReadFileBytes(cliFile).size(), 2600);
        // The counters tick each second, and the two read them at different times: the rest
        // is the same byte for byte.
        ControllerImages fromCli;
        ControllerImages fromWindow;
        const SettingsFileLoaded cli = TakeSettingsFile(ReadFileBytes(cliFile), fromCli);
        const SettingsFileLoaded shown = TakeSettingsFile(ReadFileBytes(windowFile), fromWindow);
        QVERIFY(cli.ok && shown.ok);
        for (const BlockSpec& block : kBlocks) {
            if (!block.isSettings())
                continue;
            const auto a = std::as_const(fromCli).EditedImage(block.id);
            const auto b = std::as_const(fromWindow).EditedImage(block.id);
            QVERIFY2(std::equal(a.begin(), a.end(), b.begin(), b.end()), block.name);
        }
        QCOMPARE(cli.mFwData, shown.mFwData);
        QCOMPARE(cli.mCtcs.value().count(u'\n'), shown.mCtcs.value().count(u'\n'));
        QCOMPARE(cli.mCtcs24.value().count(u'\n'), shown.mCtcs24.value().count(u'\n'));

        const CliResult info = RunCli({"info", "--json"});
        QCOMPARE(info.exitCode, 0);
        const QJsonObject object = QJsonDocument::fromJson(info.out).object();
        QCOMPARE(object.value("firmwareCode").toString(),
                 window.Session().Features().MasterCode().Text());
        QCOMPARE(object.value("port").toInt(), kSessionCom);
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
        QVERIFY(sim.Start(kSessionCom, simulatorOptions));
        const QString port = QString::number(kSessionCom);
        const QString file = QDir(session.ProgramDir()).filePath("unit.vt12");
        QCOMPARE(RunCli({"backup", file, "--port", port}).exitCode, 0);
        QByteArray bytes = ReadFileBytes(file);
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
        QVERIFY(sim.Start(kSessionCom));
        const QString file = QDir(session.ProgramDir()).filePath("VT12F06A.vtfw");
        QFile firmware(file);
        QVERIFY(firmware.open(QIODevice::WriteOnly));
        firmware.write(srec::Text(srec::FirmwareLines(srec::FirmwareWindow("VT12F06A"))));
        firmware.close();

        const CliResult upload = RunCli({"firmware", file, "--port", QString::number(kSessionCom)});
        QCOMPARE(upload.exitCode, 0);
        QVERIFY2(upload.out.contains("\nPage 40.......\nFinished - OK\n"), upload.out.constData());
        QVERIFY(upload.out.endsWith("Firmware code: F06A\n"));

        const CliResult rejected = RunCli(
            {"firmware", sim.PortDir() + "/missing.vtfw", "--port", QString::number(kSessionCom)});
        QCOMPARE(rejected.exitCode, 4);
        QVERIFY(!rejected.err.isEmpty());
    }

    void monitorPrintsPollsUntilItsTime() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(kSessionCom, {"--pace"}));
        const CliResult monitor =
            RunCli({"monitor", "--json", "--seconds", "1", "--port", QString::number(kSessionCom)});
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

    // A backup FILE that is no regular file, or a full disk: exit 4 with a message, and what
    // stood there stays as it was. Output to a full disk is no success either.
    void unwritableOutputEndsWithFour() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(kSessionCom));
        const QString port = QString::number(kSessionCom);
        const QDir dir(session.ProgramDir());
        QVERIFY(QFile::link(dir.filePath("elsewhere.vt12"), dir.filePath("link.vt12")));
        QStringList refused{dir.filePath("link.vt12")};
        if (::geteuid() == 0) {
            QCOMPARE(::mknod(QFile::encodeName(dir.filePath("null")).constData(), S_IFCHR | 0600,
                             makedev(1, 3)),
                     0);
            refused << dir.filePath("null");
        }
        for (const QString& file : refused) {
            const CliResult backup = RunCli({"backup", file, "--port", port});
            QCOMPARE(backup.exitCode, 4);
            QVERIFY(backup.err.contains("not written over"));
        }
        QVERIFY(QFileInfo(dir.filePath("link.vt12")).isSymLink());
        QVERIFY(!QFileInfo::exists(dir.filePath("elsewhere.vt12")));

        QVERIFY(dir.mkdir("small"));
        const FullFileSystem disk(dir.filePath("small"));
        if (disk.Mounted()) {
            const QString old = dir.filePath("small/unit.vt12");
            QFile file(old);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("old");
            file.close();
            disk.Fill();
            const CliResult backup = RunCli({"backup", old, "--port", port});
            QCOMPARE(backup.exitCode, 4);
            QVERIFY(!backup.err.isEmpty());
            QCOMPARE(ReadFileBytes(old), QByteArray("old"));
        }

        QProcess counters;
        counters.setStandardOutputFile("/dev/full");
        counters.start(SimulatorProcess::BinDir() + "/vt12cli", {"counters", "--port", port});
        QVERIFY(counters.waitForFinished(kSessionTimeoutMs));
        QCOMPARE(counters.exitCode(), 4);
        if (!disk.Mounted())
            QSKIP(FullFileSystem::SkipReason());
    }

    // Gate names are the unit's or a file's text: a terminal gets their control characters
    // as escapes, never raw.
    void restoreEscapesControlCharacters() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(kSessionCom));
        const QString port = QString::number(kSessionCom);
        const QString file = QDir(session.ProgramDir()).filePath("unit.vt12");
        QCOMPARE(RunCli({"backup", file, "--port", port}).exitCode, 0);
        QByteArray bytes = ReadFileBytes(file);
        bytes.replace(900, 7, QByteArray("\x1b[2J\a\r\x9b"));
        QFile changed(file);
        QVERIFY(changed.open(QIODevice::WriteOnly));
        changed.write(bytes);
        changed.close();

        const CliResult dryRun = RunCli({"restore", file, "--dry-run", "--port", port});
        QVERIFY2(dryRun.exitCode == 0, dryRun.err.constData());
        QVERIFY2(dryRun.out.contains("\\x1b[2J\\x07\\x0d"), dryRun.out.constData());
        QVERIFY(std::ranges::none_of(
            dryRun.out, [](char c) { return (uint8_t(c) < 0x20 && c != '\n') || c == 0x7F; }));
    }

    void noControllerEndsWithTwo() {
        WindowSession session;
        const CliResult result = RunCli({"detect", "--port", "7"});
        QCOMPARE(result.exitCode, 2);
        QVERIFY(result.out.isEmpty());
        QVERIFY(!result.err.isEmpty());
    }
};

VT12_TEST(TestCliSession, TestApplication::Window)
#include "tst_cli_session.moc"
