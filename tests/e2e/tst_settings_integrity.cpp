// Units holding values the screens show rounded, or in older units: connecting and saving
// writes nothing; a typed value beyond its control is written as the screen shows it after a
// reload; an implausible file is refused by vt12cli.

#include "app/changes_window.h"
#include "tests/e2e/window_session.h"
#include "tests/support/window_test_main.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>

namespace {
constexpr int kTimeoutMs = WindowSession::kDetectTimeoutMs;
constexpr int kCom = 6;

// Connected, every read of the start answered.
TfVT12SetAppMain& Connect(WindowSession& session) {
    session.StorePort(kCom);
    TfVT12SetAppMain& window = session.Open();
    const TJobScheduler& scheduler = window.Session().Scheduler();
    [&] {
        QTRY_VERIFY_WITH_TIMEOUT(scheduler.AnswerCount() >= 12 && scheduler.JobMask() == 0,
                                 kTimeoutMs);
    }();
    return window;
}

void Save(TfVT12SetAppMain& window) {
    window.ui.bSave->click();
    QTRY_VERIFY_WITH_TIMEOUT(!window.Session().Scheduler().VerifyLog(), kTimeoutMs);
}

QStringList Writes(WindowSession& session) {
    return session.CloseAndReadTrace().Requests().filter(QStringLiteral("16:"));
}

QString ChangesShown(TfVT12SetAppMain& window) {
    window.ui.bShowChanges->click();
    auto* changes = window.findChild<ChangesWindow*>();
    return changes ? changes->findChild<QLabel*>(QStringLiteral("lChangesCount"))->text()
                   : QString();
}
} // namespace

class TestSettingsIntegrity : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void connectThenSaveWritesNothing_data() {
        QTest::addColumn<QStringList>("simulator");
        // Fan On Delay 3.5 s, OpRangeMin 129 (50.6 %), Cancel After 120.5 s.
        QTest::newRow("rounded on the screens") << QStringList{
            "--set", "hold:128=35", "--set", "hold:134=18305", "--set", "hold:130=1205"};
        // Fan Off Delay 300 tenths, Clean How Often 60, Keep Last Used Gates Open 1.
        const QStringList older{"--set",        "hold:129=300", "--set",
                                "hold:137=828", "--set",        "hold:140=39169"};
        QTest::newRow("F03A") << QStringList{"--firmware", "F03A"} + older;
        QTest::newRow("F03G") << QStringList{"--firmware", "F03G"} + older;
    }
    void connectThenSaveWritesNothing() {
        QFETCH(QStringList, simulator);
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(kCom, simulator));
        TfVT12SetAppMain& window = Connect(session);
        QCOMPARE(ChangesShown(window),
                 QStringLiteral("Nothing differs from the controller's settings."));
        Save(window);
        QCOMPARE(Writes(session), QStringList{});
    }

    // 2000 minutes lie beyond the up-down: what is written is what the screen shows after a
    // reload, and what the Changes window said.
    void fanOffDelayBeyondItsControl() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(kCom));
        TfVT12SetAppMain& window = Connect(session);
        window.ui.eOffDelay->setText(QStringLiteral("2000"));
        const QList<SettingChange> changes =
            PendingChanges(window.Session().Images(), window.Session().Features(),
                           window.Session().InstallationMode());
        QCOMPARE(changes.size(), 1);
        Save(window);
        window.ui.bReload->click();
        QTRY_VERIFY_WITH_TIMEOUT(window.Session().Scheduler().JobMask() == 0, kTimeoutMs);
        QCOMPARE(window.ui.eOffDelay->text(), changes[0].edited);
        QCOMPARE(Writes(session), QStringList{QStringLiteral("16:128,14")});
    }

    void cliRefusesRandomBytes() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(kCom));
        const QString file = QDir(session.ProgramDir()).filePath("random.vt12");
        QByteArray bytes(2600, '\0');
        QRandomGenerator random(2600);
        for (char& byte : bytes)
            byte = static_cast<char>(random.bounded(256));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        out.close();
        const QString trace = QDir(session.ProgramDir()).filePath("cli-trace.log");
        QProcess cli;
        cli.start(SimulatorProcess::BinDir() + "/vt12cli",
                  {"restore", file, "--port", QString::number(kCom), "--trace", trace});
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 4);
        QVERIFY(cli.readAllStandardError().contains("outside their limits"));
        QCOMPARE(TraceFile::Read(trace).Requests().filter(QStringLiteral("16:")), QStringList{});
    }
};

VT12_WINDOW_TEST_MAIN(TestSettingsIntegrity)
#include "tst_settings_integrity.moc"
