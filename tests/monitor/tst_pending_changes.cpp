#include "data/factory_defaults.h"
#include "data/installation_mode.h"
#include "monitor/pending_changes.h"

#include "tests/support/test_registry.h"

#include <QTest>
#include <functional>

using Edit = std::function<void(ControllerImages&)>;
Q_DECLARE_METATYPE(Edit)

namespace {

GateRecord& Gate(GateSettingsBlock& block, int number) {
    return block.Gates[size_t(number - 1)];
}

void SetReadAndEdited(ControllerImages& images, const Edit& edit) {
    edit(images);
    images.GateSettings.Read = images.GateSettings.Edited;
    images.SlaveGateSettings.Read = images.SlaveGateSettings.Edited;
    images.GateNames.Read = images.GateNames.Edited;
    images.SlaveGateNames.Read = images.SlaveGateNames.Edited;
    images.SystemSettings.Read = images.SystemSettings.Edited;
    images.VacuumSettings.Read = images.VacuumSettings.Edited;
}

QStringList Lines(const QList<SettingChange>& changes) {
    QStringList lines;
    for (const SettingChange& change : changes)
        lines << change.block + QStringLiteral(" | ") + ChangeLine(change);
    return lines;
}

} // namespace

class TestPendingChanges : public QObject {
    Q_OBJECT

private slots:
    void listsChangesInTheScreensWords_data() {
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<int>("mode");
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QStringList>("expected");

        const Edit nothing = [](ControllerImages&) {};
        QTest::newRow("nothing edited") << "F05A" << 0 << nothing << QStringList{};
        QTest::newRow("fan on delay in seconds") << "F05A" << 0 << Edit([](ControllerImages& i) {
            i.SystemSettings.Edited.SetFanOnDelay(40);
        }) << QStringList{"system settings | Fan On Delay [sec.]: 3 \u2192 4"};
        QTest::newRow("fan off delay in minutes of tenths before F04A")
            << "F03K" << 0
            << Edit([](ControllerImages& i) { i.SystemSettings.Edited.SetFanOffDelay(1200); })
            << QStringList{"system settings | Fan Off Delay [min.]: 1 \u2192 2"};
        QTest::newRow("current in mA") << "F05A" << 0 << Edit([](ControllerImages& i) {
            i.SystemSettings.Edited.SetMaxCurrent(252);
        }) << QStringList{"system settings | Max. Current [200..2100 mA]: 2004 \u2192 2104"};
        QTest::newRow("gate off delay in tenths") << "F05A" << 0 << Edit([](ControllerImages& i) {
            Gate(i.GateSettings.Edited, 3).SetOffDelay(85);
        }) << QStringList{"gate settings | Gate 3 Delay OFF: 6.0 \u2192 8.5"};
        QTest::newRow("gate name") << "F05A" << 0 << Edit([](ControllerImages& i) {
            i.GateNames.Edited.Names[1].SetName("Planer 2");
        }) << QStringList{"gate names | Name of gate 2: Planer \u2192 Planer 2"};
        QTest::newRow("slave gate without a slave") << "F05A" << 0 << Edit([](ControllerImages& i) {
            Gate(i.SlaveGateSettings.Edited, 1).SetEnabled(0);
        }) << QStringList{};
        QTest::newRow("slave gate of a MASTER")
            << "F05A" << kInstallationMasterSlave
            << Edit([](ControllerImages& i) { Gate(i.SlaveGateSettings.Edited, 1).SetEnabled(0); })
            << QStringList{"slave gate settings | Gate S1 Enable: Yes \u2192 No"};
        QTest::newRow("sensor warning, 0 shown as 20")
            << "F05A" << 0 << Edit([](ControllerImages& i) {
                   i.VacuumSettings.Edited.SetSensorWarning(SensorSide::Master, 15500);
               })
            << QStringList{"Vacuum settings | Master Warning at: 20 \u2192 15.5"};
        QTest::newRow("a byte no control shows, in its block's place")
            << "F05A" << 0 << Edit([](ControllerImages& i) {
                   i.SystemSettings.Edited.SetMBA(7);
                   i.VacuumSettings.Edited.SetSensorWarning(SensorSide::Master, 15500);
               })
            << QStringList{"system settings | MBA (not shown): 1 \u2192 7",
                           "Vacuum settings | Master Warning at: 20 \u2192 15.5"};
        QTest::newRow("a value shown rounded: the stored numbers too")
            << "F05A" << 0
            << Edit([](ControllerImages& i) { i.SystemSettings.Edited.SetFanOnDelay(35); })
            << QStringList{"system settings | Fan On Delay [sec.]: 3 (stored 30) \u2192 3 "
                           "(stored 35)"};
    }
    void listsChangesInTheScreensWords() {
        QFETCH(QString, firmware);
        QFETCH(int, mode);
        QFETCH(Edit, edit);
        QFETCH(QStringList, expected);
        FeatureLevels features;
        features.SetMasterCode(FirmwareCode::FromText(firmware));
        features.SetSlaveCode(FirmwareCode::FromText(QStringLiteral("F05A")));
        ControllerImages images;
        SetReadAndEdited(images, [](ControllerImages& i) {
            i.SystemSettings.Edited = SystemDefaults;
            i.SystemSettings.Edited.SetFanOnDelay(30);
            i.SystemSettings.Edited.SetFanOffDelay(600);
            i.SystemSettings.Edited.SetMaxCurrent(240);
            Gate(i.GateSettings.Edited, 3).SetEnabled(1);
            Gate(i.GateSettings.Edited, 3).SetOffDelay(60);
            Gate(i.SlaveGateSettings.Edited, 1).SetEnabled(1);
            i.GateNames.Edited.Names[1].SetName("Planer");
            i.VacuumSettings.Edited.SetSensorRange(SensorSide::Master, 20000);
        });
        edit(images);
        QCOMPARE(Lines(PendingChanges(images, features, mode)), expected);
    }

    // The report lists what was read: every field once, the slave's blocks only with a slave.
    void settingsOfOneSide_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("gateBlocks");
        QTest::newRow("single unit") << 0 << 1;
        QTest::newRow("MASTER") << kInstallationMasterSlave << 2;
    }
    void settingsOfOneSide() {
        QFETCH(int, mode);
        QFETCH(int, gateBlocks);
        FeatureLevels features;
        features.SetMasterCode(FirmwareCode::FromText(QStringLiteral("F05A")));
        ControllerImages images;
        images.GateNames.Read.Names[0].SetName("Saw");
        const QList<SettingInWords> read = SettingsInWords(images, ImageSide::Read, features, mode);
        QStringList keys;
        int names = 0;
        for (const SettingInWords& setting : read) {
            keys << setting.block + u'|' + setting.field;
            if (setting.field.startsWith("Name of gate"))
                ++names;
        }
        QCOMPARE(keys.removeDuplicates(), 0);
        QCOMPARE(names, gateBlocks * 12);
        QCOMPARE(read.constFirst().block, QStringLiteral("gate settings"));
        const auto saw = std::ranges::find_if(
            read, [](const SettingInWords& s) { return s.field.startsWith("Name of gate"); });
        QCOMPARE(saw->value, QStringLiteral("Saw"));
    }

    void blocksInWords_data() {
        QTest::addColumn<BlockId>("block");
        QTest::addColumn<QString>("words");
        QTest::newRow("written, as its log names it")
            << BlockId::VacuumSettings << "Vacuum settings";
        QTest::newRow("read only") << BlockId::SlaveStatus << "slave status";
        QTest::newRow("numbered") << BlockId::FirmwareInfo2 << "firmware info 2";
    }

    void blocksInWords() {
        QFETCH(BlockId, block);
        QFETCH(QString, words);
        QCOMPARE(BlockInWords(block), words);
    }
};

VT12_TEST(TestPendingChanges, TestApplication::None)
#include "tst_pending_changes.moc"
