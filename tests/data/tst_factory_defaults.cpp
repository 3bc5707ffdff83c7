#include "data/factory_defaults.h"

#include "tests/support/test_registry.h"

#include <QTest>
#include <algorithm>

namespace {

// Every byte of every settings image set, so that what the defaults leave can be told apart.
ControllerImages FilledImages(uint8_t installationMode) {
    ControllerImages images;
    for (const BlockSpec& block : kBlocks) {
        if (!block.isSettings())
            continue;
        std::ranges::fill(images.ReadImage(block.id), uint8_t(0x5A));
        std::ranges::fill(images.EditedImage(block.id), uint8_t(0xA5));
    }
    images.SystemSettings.Edited.SetInstallationMode(installationMode);
    return images;
}

} // namespace

class TestFactoryDefaults : public QObject {
    Q_OBJECT

private slots:
    void installationModeKept_data();
    void installationModeKept();
    void everyGateOfBothUnits();
    void namesPaddedWithZeros();
    void register96Kept();
    void vacuumAndReadImagesLeft();
};

void TestFactoryDefaults::installationModeKept_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("slaveRowsShown");

    QTest::newRow("single unit") << 0 << false;
    QTest::newRow("slave on RS-232") << 1 << false;
    QTest::newRow("MASTER") << 2 << true;
    QTest::newRow("Torvex drive") << 3 << false;
}

void TestFactoryDefaults::installationModeKept() {
    QFETCH(int, mode);
    QFETCH(bool, slaveRowsShown);

    ControllerImages images = FilledImages(uint8_t(mode));
    const FactoryDefaultsApplied applied = ApplyFactoryDefaults(images);
    QCOMPARE(int(images.SystemSettings.Edited.InstallationMode()), mode);
    QCOMPARE(applied.slaveRowsShown, slaveRowsShown);
    QCOMPARE(applied.eIniAirVelocity, QStringLiteral("4500"));

    SystemSettingsBlock expected = SystemDefaults;
    expected.SetInstallationMode(uint8_t(mode));
    QCOMPARE(images.SystemSettings.Edited.Bytes, expected.Bytes);
}

void TestFactoryDefaults::everyGateOfBothUnits() {
    // Also in a single unit: the slave images are only not saved there.
    ControllerImages images = FilledImages(0);
    ApplyFactoryDefaults(images);
    for (const GateSettingsBlock* block :
         {&images.GateSettings.Edited, &images.SlaveGateSettings.Edited}) {
        for (const GateRecord& gate : block->Gates) {
            QCOMPARE(int(gate.Enabled()), 1);
            QCOMPARE(int(gate.OnDelay()), 50);
            QCOMPARE(int(gate.OffDelay()), 10);
            QCOMPARE(int(gate.SizeFactor()), 1200);
            QCOMPARE(int(gate.Diameter1()), 5);
            QCOMPARE(int(gate.Diameter2()) + gate.Diameter3() + gate.Compensation(), 0);
            QCOMPARE(gate.Bytes[11], uint8_t(0)); // reserved bytes too
        }
    }
    QCOMPARE(images.GateNames.Edited.Names[0].Name(), QStringLiteral("Workstation 01"));
    QCOMPARE(images.GateNames.Edited.Names[11].Name(), QStringLiteral("Workstation 12"));
    QCOMPARE(images.SlaveGateNames.Edited.Names[0].Name(), QStringLiteral("Workstation 13"));
    QCOMPARE(images.SlaveGateNames.Edited.Names[11].Name(), QStringLiteral("Workstation 24"));
}

void TestFactoryDefaults::namesPaddedWithZeros() {
    ControllerImages images = FilledImages(2);
    ApplyFactoryDefaults(images);
    const GateName& name = images.SlaveGateNames.Edited.Names[8];
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(name.Bytes.data()), int(name.Bytes.size())),
             QByteArray("Workstation 21\0\0\0\0\0\0", 20));
}

void TestFactoryDefaults::register96Kept() {
    ControllerImages images = FilledImages(2);
    images.GateSettings.Edited.Register96 = {0x12, 0x34};
    images.SlaveGateSettings.Edited.Register96 = {0x56, 0x78};
    ApplyFactoryDefaults(images);
    QCOMPARE(images.GateSettings.Edited.Register96, (std::array<uint8_t, 2>{0x12, 0x34}));
    QCOMPARE(images.SlaveGateSettings.Edited.Register96, (std::array<uint8_t, 2>{0x56, 0x78}));
}

void TestFactoryDefaults::vacuumAndReadImagesLeft() {
    ControllerImages images = FilledImages(0);
    ApplyFactoryDefaults(images);
    QVERIFY(std::ranges::all_of(images.VacuumSettings.Edited.Bytes,
                                [](uint8_t b) { return b == 0xA5; }));
    for (const BlockSpec& block : kBlocks) {
        if (!block.isSettings())
            continue;
        QVERIFY2(
            std::ranges::all_of(images.ReadImage(block.id), [](uint8_t b) { return b == 0x5A; }),
            block.name);
    }
}

VT12_TEST(TestFactoryDefaults, TestApplication::Core)
#include "tst_factory_defaults.moc"
