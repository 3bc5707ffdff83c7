// vt12cli against the simulator over a pseudo-terminal: the backup is the file the window
// saves after connecting, info gives the firmware code, and a port without a controller ends
// the command with exit code 2 after one round.

#include "tests/e2e/window_session.h"
#include "tests/support/file_dialog_answer.h"
#include "tests/support/window_test_main.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>

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
        QCOMPARE(Read(cliFile), Read(windowFile));

        const CliResult info = RunCli({"info", "--json"});
        QCOMPARE(info.exitCode, 0);
        const QJsonObject object = QJsonDocument::fromJson(info.out).object();
        QCOMPARE(object.value("firmwareCode").toString(),
                 window.Session().Features().MasterCode().Text());
        QCOMPARE(object.value("port").toInt(), kCom);
        QCOMPARE(object.value("installationMode").toInt(), 2);
        QVERIFY(object.value("slaveConnected").toBool());
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
