// Units holding values the screens show rounded, or in older units: connecting and saving
// writes nothing; a typed value beyond its control is written as the screen shows it after a
// reload; an implausible file is refused by vt12cli.

#include "app/changes_window.h"
#include "monitor/pending_changes.h"
#include "tests/e2e/window_session.h"
#include "tests/support/file_dialog_answer.h"
#include "tests/support/window_test_main.h"

#include <QCheckBox>
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

// The window's own file of what it shows, changed by edit, loaded back.
void LoadChanged(TfVT12SetAppMain& window, const QString& path,
                 const std::function<void(QByteArray&)>& edit) {
    AnswerFileDialog(window.ui.dSave, path);
    window.ui.bSaveToFile->click();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    file.close();
    edit(bytes);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    AnswerFileDialog(window.ui.dOpen, path);
    window.ui.bLoadFromFile->click();
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

    // What a load or the defaults put into the edited images is what the screens held nothing
    // of: Smart Minimum Airflow, the air velocity.
    void loadsAreExact() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(kCom));
        TfVT12SetAppMain& window = Connect(session);
        if (!window.ui.cbSmartMinimumAiflowEnabled->isChecked())
            window.ui.cbSmartMinimumAiflowEnabled->click();
        LoadChanged(window, QDir(session.ProgramDir()).filePath("smart-off.vt12"),
                    [](QByteArray& bytes) {
                        bytes[24] = static_cast<char>(bytes[24] & 0x7F); // Smart off
                        bytes[100 + 13] = 15;                            // gate 1 compensation
                    });
        QCOMPARE(window.Session().GateTable().Text(0, ColCompensation), QStringLiteral("15"));
        Save(window);
        QCOMPARE(window.Session().Images().GateSettings.Read.Gates[0].Compensation(), uint8_t(15));

        window.ui.eIniAirVelocity->setText(QStringLiteral("3000"));
        window.ui.bDefault->click();
        for (const GateSettingsBlock* block :
             {&window.Session().Images().GateSettings.Edited,
              &window.Session().Images().SlaveGateSettings.Edited}) {
            for (const GateRecord& gate : block->Gates)
                QCOMPARE(gate.Compensation(), uint8_t(0));
        }
        QCOMPARE(window.Session().GateTable().Text(0, ColCompensation), QStringLiteral("0"));
    }

    // A MASTER's file in a single unit: the slave rows keep the file's names while no slave
    // answers, and the save says that it could not write them.
    void masterFileInASingleUnit() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(kCom));
        TfVT12SetAppMain& window = Connect(session);
        LoadChanged(window, QDir(session.ProgramDir()).filePath("master.vt12"),
                    [](QByteArray& bytes) {
                        bytes[20] = 2;
                        for (int i = 0; i < 12; ++i) {
                            const QByteArray name = "Slave saw " + QByteArray::number(i + 1);
                            bytes.replace(1200 + 20 * i, name.size(), name);
                        }
                    });
        // Polls tell that no slave answers.
        const uint32_t answers = window.Session().Scheduler().AnswerCount();
        QTRY_VERIFY_WITH_TIMEOUT(window.Session().Scheduler().AnswerCount() > answers + 3,
                                 kTimeoutMs);
        QCOMPARE(window.Session().GateTable().Text(12, ColName), QStringLiteral("Slave saw 1"));
        QCOMPARE(window.Session().GateTable().Text(23, ColName), QStringLiteral("Slave saw 12"));
        QVERIFY(ChangesShown(window).contains("cannot be written: no slave unit answers"));
        Save(window);
        QVERIFY(window.ui.mKomSts->toPlainText().contains("not written: no slave unit answers"));
        QCOMPARE(window.Session().GateTable().Text(12, ColName), QStringLiteral("Slave saw 1"));
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
