// Settings as a technician meets them, against the simulator: values the screens show rounded,
// older firmware, loads that must be exact, a MASTER file on a single unit, a slave lost and
// back, an update between a backup and its restore, and a file no unit could hold. Every wait
// is bounded and ends on a condition.

#include "data/settings_file.h"
#include "monitor/gate_table_display.h"
#include "tests/e2e/window_session.h"
#include "tests/firmware/srecord_text.h"
#include "tests/support/file_dialog_answer.h"
#include "tests/support/test_registry.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTableView>

#include <csignal>

namespace {
constexpr int kIntegrityCom = 3;
// Detection, 322 chunks and the restart after the end chunk.
constexpr int kUploadTimeoutMs = 90000;
constexpr int kIntegrityCliTimeoutMs = 30000;
constexpr int kSlaveRows = 12;

// Every read of connecting answered, the slave's too where one answers.
bool WaitConnected(TfVT12SetAppMain& window) {
    const ControllerSession& session = window.Session();
    return QTest::qWaitFor(
        [&] {
            return session.Scheduler().AnswerCount() >= 12 && session.Scheduler().JobMask() == 0 &&
                   !window.ui.eOnDelay->text().isEmpty();
        },
        kTimeoutMs);
}

TfVT12SetAppMain* Connect(WindowSession& session) {
    session.StorePort(kIntegrityCom);
    TfVT12SetAppMain& window = session.Open();
    return WaitConnected(window) ? &window : nullptr;
}

// "Save to Vantor", until the scheduler has nothing left of it.
bool SaveToVantor(TfVT12SetAppMain& window) {
    window.ui.bSave->click();
    const TJobScheduler& scheduler = window.Session().Scheduler();
    return QTest::qWaitFor([&] { return !scheduler.VerifyLog() && scheduler.JobMask() == 0; },
                           kTimeoutMs);
}

// The Changes window's rows: setting and edited value.
QList<QPair<QString, QString>> ChangesShown(TfVT12SetAppMain& window) {
    window.ui.bShowChanges->click();
    const QAbstractItemModel* rows = window.findChild<QTableView*>("gChanges")->model();
    QList<QPair<QString, QString>> shown;
    for (int row = 0; row < rows->rowCount(); ++row)
        shown.append(
            {rows->index(row, 1).data().toString(), rows->index(row, 3).data().toString()});
    return shown;
}

// The data of every write-multiple-registers request on the line, by start register.
QMultiMap<int, QByteArray> Writes(const TraceFile& trace) {
    QMultiMap<int, QByteArray> writes;
    for (const QString& frame : trace.Events(QStringLiteral("TX"))) {
        const QByteArray bytes = QByteArray::fromHex(frame.toLatin1());
        if (bytes.size() > 9 && bytes[1] == 0x10)
            writes.insert(uint8_t(bytes[2]) << 8 | uint8_t(bytes[3]),
                          bytes.mid(7, bytes.size() - 9));
    }
    return writes;
}

QString GateCell(TfVT12SetAppMain& window, int row, int column) {
    return window.Session().GateTable().Text(row, column);
}

// The window's own file of the unit, changed by edit and put where Load from File finds it.
template <typename Edit>
QString ChangedFile(WindowSession& session, TfVT12SetAppMain& window, Edit edit) {
    const QString path = QDir(session.ProgramDir()).filePath(QStringLiteral("changed.vt12"));
    AnswerFileDialog(window.ui.dSave, path);
    window.ui.bSaveToFile->click();
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return {};
    ControllerImages images;
    const SettingsFileLoaded loaded = TakeSettingsFile(file.readAll(), images);
    edit(images);
    file.seek(0);
    file.write(SettingsFileBytes(images, {loaded.mFwData.value_or(QString()),
                                          loaded.mCtcs.value_or(QString()),
                                          loaded.mCtcs24.value_or(QString())}));
    return path;
}

void Load(TfVT12SetAppMain& window, const QString& path) {
    AnswerFileDialog(window.ui.dOpen, path);
    window.ui.bLoadFromFile->click();
}
} // namespace

class TestSettingsIntegrity : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // What the screens show rounded, or in another firmware's units, is not rewritten by being
    // shown: nothing to list, nothing on the line.
    void connectThenSaveWritesNothing_data() {
        QTest::addColumn<QStringList>("simulator");
        // Fan On Delay 3.5 s, Cancel After 1205 tenths, OpRangeMin 129 beside MaxCurrent 71.
        QTest::newRow("rounded") << QStringList{"--set",         "hold:128=35", "--set",
                                                "hold:130=1205", "--set",       "hold:134=18305"};
        // Fan Off Delay 300 tenths, Clean How Often 60 beside How Long 3, KeepLastUsedOpen 1
        // beside Smart Minimum Airflow 0x99.
        const QStringList older{"--set",        "hold:129=300", "--set",
                                "hold:137=828", "--set",        "hold:140=39169"};
        QTest::newRow("F03A") << QStringList{"--firmware", "F03A"} + older;
        QTest::newRow("F03G") << QStringList{"--firmware", "F03G"} + older;
        QTest::newRow("MASTER") << QStringList{"--master"};
    }
    void connectThenSaveWritesNothing() {
        QFETCH(QStringList, simulator);
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(kIntegrityCom, simulator));
        TfVT12SetAppMain* window = Connect(session);
        QVERIFY(window);
        QVERIFY(ChangesShown(*window).isEmpty());
        QVERIFY(SaveToVantor(*window));
        QCOMPARE(window->ui.mKomSts->toPlainText().count(QStringLiteral("Writing")), 0);
        QCOMPARE(Writes(session.CloseAndReadTrace()).size(), 0);
    }

    // A slave lost for a while and back: its rows are the slave's again, not the emptied ones
    // kept as if edited, and the window's file holds them as a save would.
    void slaveBackAfterALossWritesNothing() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(kIntegrityCom, {"--master"}));
        TfVT12SetAppMain* linked = Connect(session);
        QVERIFY(linked);
        TfVT12SetAppMain& window = *linked;
        const ControllerSession& state = window.Session();
        QTRY_VERIFY_WITH_TIMEOUT(state.SlaveConnected(), kTimeoutMs);
        sim.Signal(SIGUSR1);
        QTRY_VERIFY_WITH_TIMEOUT(!window.ui.lSlaveIsNotConnected->isHidden(), kTimeoutMs);
        QCOMPARE(GateCell(window, kSlaveRows, ColDelayOff), QStringLiteral("0.0"));
        sim.Signal(SIGUSR1);
        QTRY_VERIFY_WITH_TIMEOUT(window.ui.lSlaveIsNotConnected->isHidden(), kTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(state.Scheduler().JobMask() == 0, kTimeoutMs);
        QVERIFY(!state.Images().IsChanged(BlockId::SlaveGateSettings));
        QCOMPARE(GateCell(window, kSlaveRows, ColDelayOff), QStringLiteral("5.0"));
        QVERIFY(SaveToVantor(window));
        QCOMPARE(Writes(session.CloseAndReadTrace()).size(), 0);
    }

    // The slave runs F05A: its Delay OFF in tenths, shown so once its version is known and
    // written so after an edit.
    void slaveRowsInTheSlavesUnits() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(kIntegrityCom, {"--master"}));
        TfVT12SetAppMain* linked = Connect(session);
        QVERIFY(linked);
        TfVT12SetAppMain& window = *linked;
        QTRY_COMPARE_WITH_TIMEOUT(window.Session().Features().SlaveCode().Text(),
                                  QStringLiteral("F05A"), kTimeoutMs);
        QCOMPARE(GateCell(window, kSlaveRows, ColDelayOff), QStringLiteral("5.0"));
        QVERIFY(window.Session().CommitGateCell(kSlaveRows, ColDelayOff, QStringLiteral("7")));
        QVERIFY(SaveToVantor(window));
        const QList<QByteArray> slaveWrites = Writes(session.CloseAndReadTrace()).values(512);
        QCOMPARE(slaveWrites.size(), 1);
        QCOMPARE(uint8_t(slaveWrites[0][4]) << 8 | uint8_t(slaveWrites[0][5]), 70);
    }

    // Loads and defaults put exactly their values in, whatever the screens held before.
    void loadWithSmartOffTakesTheFilesCompensation() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(kIntegrityCom));
        TfVT12SetAppMain* linked = Connect(session);
        QVERIFY(linked);
        TfVT12SetAppMain& window = *linked;
        QVERIFY(window.ui.cbSmartMinimumAiflowEnabled->isChecked());
        const QString path = ChangedFile(session, window, [](ControllerImages& images) {
            images.GateSettings.Edited.Gates[0].SetCompensation(15);
            images.SystemSettings.Edited.SetSmartMinAirflow(false, 25);
        });
        Load(window, path);
        QVERIFY(!window.ui.cbSmartMinimumAiflowEnabled->isChecked());
        QCOMPARE(GateCell(window, 0, ColCompensation), QStringLiteral("15"));
        QVERIFY(SaveToVantor(window));
        const QList<QByteArray> gateWrites = Writes(session.CloseAndReadTrace()).values(0);
        QCOMPARE(gateWrites.size(), 1);
        QCOMPARE(uint8_t(gateWrites[0][13]), uint8_t(15));
    }

    void defaultsAfterAnAirVelocityHaveNoCompensation() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(kIntegrityCom, {"--master"}));
        TfVT12SetAppMain* linked = Connect(session);
        QVERIFY(linked);
        TfVT12SetAppMain& window = *linked;
        window.ui.eIniAirVelocity->setText(QStringLiteral("3000"));
        window.ui.bDefault->click();
        const ControllerImages& images = window.Session().Images();
        for (int row = 0; row < 2 * kSlaveRows; ++row) {
            const GateSettingsBlock& unit =
                row < kSlaveRows ? images.GateSettings.Edited : images.SlaveGateSettings.Edited;
            QCOMPARE(unit.Gates[size_t(row % kSlaveRows)].Compensation(), uint8_t(0));
            QCOMPARE(GateCell(window, row, ColCompensation), QStringLiteral("0"));
        }
    }

    // A MASTER file on a unit without a slave: the slave's names stay shown, and the save says
    // that it could not write them.
    void masterFileOnASingleUnitKeepsItsSlavePart() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(kIntegrityCom));
        TfVT12SetAppMain* linked = Connect(session);
        QVERIFY(linked);
        TfVT12SetAppMain& window = *linked;
        const auto name = [](int gate) { return QStringLiteral("Slave gate %1").arg(gate); };
        const QString path = ChangedFile(session, window, [&](ControllerImages& images) {
            images.SystemSettings.Edited.SetInstallationMode(2);
            for (int gate = 0; gate < kSlaveRows; ++gate)
                images.SlaveGateNames.Edited.Names[size_t(gate)].SetName(name(gate + 13));
        });
        Load(window, path);
        QVERIFY(SaveToVantor(window));
        QVERIFY(window.ui.mKomSts->toPlainText().contains(
            QStringLiteral("Slave gate settings and names not written: no slave unit answers.")));
        // Polls that find no slave go on; the names stay.
        const uint32_t answers = window.Session().Scheduler().AnswerCount();
        QTRY_VERIFY_WITH_TIMEOUT(window.Session().Scheduler().AnswerCount() > answers + 20,
                                 kTimeoutMs);
        for (int gate = 0; gate < kSlaveRows; ++gate)
            QCOMPARE(GateCell(window, kSlaveRows + gate, ColName), name(gate + 13));
        QVERIFY(window.Session().SlavePartUnsaved());
        const QMultiMap<int, QByteArray> writes = Writes(session.CloseAndReadTrace());
        QVERIFY(!writes.contains(512) && !writes.contains(640));
    }

    // More minutes than the field holds: what the Changes window lists is what the controller
    // holds and the screen shows after a reload.
    void fanOffDelayBeyondItsField() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(kIntegrityCom));
        TfVT12SetAppMain* linked = Connect(session);
        QVERIFY(linked);
        TfVT12SetAppMain& window = *linked;
        window.ui.eOffDelay->setText(QStringLiteral("2000"));
        const auto changes = ChangesShown(window);
        QCOMPARE(changes.size(), 1);
        const QString listed = changes[0].second;
        QVERIFY(SaveToVantor(window));
        window.ui.bReload->click();
        const ControllerSession& state = window.Session();
        QTRY_VERIFY_WITH_TIMEOUT(state.Scheduler().JobMask() == 0, kTimeoutMs);
        QCOMPARE(window.ui.eOffDelay->text(), listed);
        QCOMPARE(QString::number(state.Images().SystemSettings.Read.FanOffDelay() / 60), listed);
    }

    // The backup of an F03K unit restored after its update to F06A, by a later run of the
    // program beside a newer backup of another unit: this unit's, with the same times in the new
    // firmware's units, on the controller.
    void backupRestoredAfterAnUpdateKeepsItsTimes() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        // Fan Off Delay 5 min in tenths, gate 1 Delay OFF 0.5 s in hundredths.
        QVERIFY(sim.Start(kIntegrityCom,
                          {"--firmware", "F03K", "--set", "hold:129=3000", "--set", "hold:2=50"}));
        TfVT12SetAppMain* linked = Connect(session);
        QVERIFY(linked);
        TfVT12SetAppMain& window = *linked;
        QCOMPARE(window.ui.eOffDelay->text(), QStringLiteral("5"));
        const QString firmware = QDir(session.ProgramDir()).filePath("VT12F06A.vtfw");
        QFile file(firmware);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(srec::Text(srec::FirmwareLines(srec::FirmwareWindow("VT12F06A"))));
        file.close();
        window.ui.eFirmwareFile->setText(firmware);
        QTRY_VERIFY_WITH_TIMEOUT(window.ui.bUploadFirmware->isEnabled(), kTimeoutMs);
        window.ui.bUploadFirmware->click();
        const ControllerSession& state = window.Session();
        QTRY_COMPARE_WITH_TIMEOUT(state.Features().MasterCode().Text(), QStringLiteral("F06A"),
                                  kUploadTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(state.Scheduler().JobMask() == 0, kTimeoutMs);
        const QString ours = LatestSettingsBackup(SettingsBackupFolder());
        QCOMPARE(state.UpdateBackup(), ours);
        QFile other(ours);
        const QString otherPath =
            QDir(SettingsBackupFolder()).filePath("vt12-2099-01-01_000000-F05A-otherunit.vt12");
        QVERIFY(other.copy(otherPath));
        session.CloseAndReadTrace();

        TfVT12SetAppMain& later = session.Open();
        QVERIFY(WaitConnected(later));
        const ControllerSession& laterState = later.Session();
        // Known by its update time once the bootloader told it; no list to choose from then.
        QTRY_COMPARE_WITH_TIMEOUT(laterState.UpdateBackup(), ours, kTimeoutMs);
        QCOMPARE(LatestSettingsBackup(SettingsBackupFolder()), otherPath);
        later.ui.bRestoreBackup->click();
        QTRY_VERIFY_WITH_TIMEOUT(later.ui.lBackupInfo->text().startsWith("Loaded "), kTimeoutMs);
        QVERIFY(SaveToVantor(later));
        QCOMPARE(laterState.Images().SystemSettings.Read.FanOffDelay(), uint16_t(300));
        QCOMPARE(laterState.Images().GateSettings.Read.Gates[0].OffDelay(), uint16_t(5));
        QCOMPARE(later.ui.eOffDelay->text(), QStringLiteral("5"));
        QCOMPARE(GateCell(later, 0, ColDelayOff), QStringLiteral("0.5"));
    }

    // 2,600 random bytes are no unit's settings: refused, nothing written.
    void cliRestoreRefusesRandomBytes() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(kIntegrityCom));
        const QString path = QDir(session.ProgramDir()).filePath("random.vt12");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QRandomGenerator random(2600);
        QByteArray bytes(kSettingsFileSize, '\0');
        for (char& byte : bytes)
            byte = char(random.bounded(256));
        file.write(bytes);
        file.close();
        const QString trace = QDir(session.ProgramDir()).filePath("trace.log");
        QProcess cli;
        cli.start(SimulatorProcess::BinDir() + "/vt12cli",
                  {"restore", path, "--port", QString::number(kIntegrityCom), "--trace", trace});
        if (!cli.waitForFinished(kIntegrityCliTimeoutMs))
            cli.kill();
        QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
        QCOMPARE(cli.exitCode(), 4);
        QVERIFY(!cli.readAllStandardError().isEmpty());
        QCOMPARE(Writes(TraceFile::Read(trace)).size(), 0);
    }
};

VT12_TEST(TestSettingsIntegrity, TestApplication::Window)
#include "tst_settings_integrity.moc"
