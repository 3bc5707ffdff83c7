// The SETUP page's settings controls bound to the session's images.

#include "data/factory_defaults.h"
#include "tests/support/offline_window.h"
#include "tests/support/register_replies.h"
#include "tests/support/test_registry.h"
#include "window/main_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {
// As a click would, also while the link is down and the page's controls are disabled.
void toggle(QCheckBox* box) {
    box->setChecked(!box->isChecked());
    Q_EMIT box->clicked(box->isChecked());
}

} // namespace

class TestSetupSettingsView : public QObject {
    Q_OBJECT
    OfflineWindow offline;

    ControllerSession& session() { return offline.Session(); }
    MainWindowUi& ui() { return offline.Ui(); }

private Q_SLOTS:
    void init() { offline.Open(); }
    void cleanup() { offline.Close(); }

    void factoryDefaultsAtShow() {
        QCOMPARE(session().Images().SystemSettings.Edited.Bytes, SystemDefaults.Bytes);
        QCOMPARE(session().Images().SlaveGateNames.Edited.Names[0].Name(),
                 QStringLiteral("Workstation 13"));
        QCOMPARE(ui().eOnDelay->text(), QStringLiteral("0"));
        QCOMPARE(ui().eButtonCancel->text(), QStringLiteral("1200"));
        QCOMPARE(ui().eMaxCurrent->text(), QStringLiteral("593"));
        QCOMPARE(ui().eOpRangeMin->text(), QStringLiteral("50"));
        QVERIFY(ui().cbSmartMinimumAiflowEnabled->isChecked());
        QCOMPARE(ui().eIniAirVelocity->text(), QStringLiteral("4500"));
        QVERIFY(!offline.Window().ControlsLocked);
    }

    void everyKeystrokeRebuildsTheImages() {
        ui().eOnDelay->setText(QStringLiteral("5"));
        QCOMPARE(int(session().Images().SystemSettings.Edited.FanOnDelay()), 50);
        ui().eCurrInpRng->setText(QStringLiteral("5"));
        QCOMPARE(session().Images().VacuumSettings.Edited.SensorRange(SensorSide::Master),
                 qint64(5000));
        ui().eCurrInpRng->setText(QString());
        QCOMPARE(session().Images().VacuumSettings.Edited.SensorRange(SensorSide::Master),
                 qint64(20000));
        toggle(ui().cbOpenAtStop);
        QCOMPARE(int(session().Images().SystemSettings.Edited.OpenAtStop()), 1);
    }

    void readBlocksAreShownWithoutFeedingBack() {
        session().OnFirmwareInfo(ControllerSession::FirmwarePart::First,
                                 replyOf(textReply("VT12F04A")));
        SystemSettingsBlock system = SystemDefaults;
        system.SetFanOffDelay(2700);
        system.SetOpRangeMin(76);
        system.Bytes[27] = 0x77;
        session().OnSettingsRead(BlockId::SystemSettings,
                                 replyOf(Bytes(system.Bytes.begin(), system.Bytes.end())));
        QCOMPARE(ui().eOffDelay->text(), QStringLiteral("45"));
        QCOMPARE(ui().eOpRangeMin->text(), QStringLiteral("30"));
        QVERIFY(ui().lAtLeastOneGate->isVisibleTo(&offline.Window()));

        VacuumSettingsBlock vacuum;
        vacuum.SetSensorCaption(SensorSide::Master, QStringLiteral("SUCTION"));
        vacuum.SetSensorUnits(SensorSide::Master, QStringLiteral("mbar"));
        vacuum.SetSensorRange(SensorSide::Master, 20050);
        vacuum.SetSensorWarning(SensorSide::Master, 15000);
        vacuum.SetSensorRange(SensorSide::Slave, 10000);
        vacuum.SetSensorWarning(SensorSide::Slave, 5000);
        vacuum.SetErrorLevel(546);
        session().OnSettingsRead(BlockId::VacuumSettings,
                                 replyOf(Bytes(vacuum.Bytes.begin(), vacuum.Bytes.end())));
        QCOMPARE(ui().eCurrInpRng->text(), QStringLiteral("20.05"));
        QCOMPARE(ui().lCurrInpLabel->text(), QStringLiteral("SUCTION"));
        QCOMPARE(ui().lCurrentInputUnits->text(), QStringLiteral("mbar"));

        QVERIFY(!session().Images().IsChanged(BlockId::SystemSettings));
        QVERIFY(!session().Images().IsChanged(BlockId::VacuumSettings));
        // A change elsewhere rebuilds both images to what was read.
        toggle(ui().cbOpenAtStop);
        toggle(ui().cbOpenAtStop);
        QVERIFY(!session().Images().IsChanged(BlockId::SystemSettings));
        QVERIFY(!session().Images().IsChanged(BlockId::VacuumSettings));
    }

    void saveWritesAndReloadReads() {
        session().Scheduler().ClearJob(~0u);
        ui().eOnDelay->setText(QStringLiteral("7"));
        ui().bSave2->click();
        QVERIFY(session().Scheduler().VerifyLog());
        const uint32_t writes = JOB_WRITE_GATE_SETTINGS | JOB_WRITE_SYSTEM_SETTINGS |
                                JOB_WRITE_GATE_NAMES | JOB_WRITE_VACUUM_SETTINGS;
        QCOMPARE(session().Scheduler().JobMask() & writes, writes);
        QVERIFY(!session().Scheduler().HasJob(JOB_WRITE_SLAVE_GATE_NAMES));

        session().Scheduler().ClearJob(~0u);
        ui().BitBtn1->click();
        QCOMPARE(session().Scheduler().JobMask(), JOB_READ_SYSTEM_SETTINGS |
                                                      JOB_READ_GATE_SETTINGS | JOB_READ_GATE_NAMES |
                                                      JOB_READ_VACUUM_SETTINGS);
    }

    void defaultsButtonKeepsTheMode() {
        Bytes master(SystemDefaults.Bytes.begin(), SystemDefaults.Bytes.end());
        master[20] = 2;
        master[0] = 0x10;
        session().OnSettingsRead(BlockId::SystemSettings, replyOf(master));
        ui().bDefault->click();
        QCOMPARE(int(session().Images().SystemSettings.Edited.InstallationMode()), 2);
        QCOMPARE(int(session().Images().SystemSettings.Edited.FanOnDelay()), 1);
        QCOMPARE(ui().eOnDelay->text(), QStringLiteral("0"));
    }
};

VT12_TEST(TestSetupSettingsView, TestApplication::Window)
#include "tst_setup_settings_view.moc"
