#include "monitor/installation_layout.h"

#include "tests/support/test_registry.h"

#include <QTest>

class TestInstallationLayout : public QObject {
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void driveInstallation_data();
    void driveInstallation();
};

void TestInstallationLayout::layout_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("applied");
    QTest::addColumn<bool>("slaveShown");
    QTest::addColumn<bool>("numbering");
    QTest::addColumn<int>("barsLeft");
    QTest::addColumn<QString>("schematic");
    QTest::addColumn<QString>("masterLabel");
    QTest::addColumn<bool>("pressureFromVfd");

    QTest::newRow("single") << 0 << 0 << false << false << 140 << "MS_SINGLE"
                            << "" << false;
    // A slave on the RS-232 port: the bars make room, but no slave column.
    QTest::newRow("slave on RS-232") << 1 << 1 << false << false << 92 << "MS_MS"
                                     << "Master" << false;
    QTest::newRow("MASTER") << 2 << 2 << true << true << 92 << "MS_MS"
                            << "Master" << false;
    QTest::newRow("drive") << 3 << 3 << false << false << 140 << "MS_VFD"
                           << "" << true;
    QTest::newRow("stored 4") << 4 << 0 << false << false << 140 << "MS_SINGLE"
                              << "" << false;
    QTest::newRow("stored 255") << 255 << 0 << false << false << 140 << "MS_SINGLE"
                                << "" << false;
    QTest::newRow("negative") << -1 << 0 << false << false << 140 << "MS_SINGLE"
                              << "" << false;
}

void TestInstallationLayout::layout() {
    QFETCH(int, mode);
    QFETCH(int, applied);
    QFETCH(bool, slaveShown);
    QFETCH(bool, numbering);
    QFETCH(int, barsLeft);
    QFETCH(QString, schematic);
    QFETCH(QString, masterLabel);
    QFETCH(bool, pressureFromVfd);

    const InstallationLayout layout = LayoutOfInstallation(mode);
    QCOMPARE(layout.mode, applied);
    QCOMPARE(layout.slaveShown, slaveShown);
    QCOMPARE(layout.masterSlaveNumbering, numbering);
    QCOMPARE(layout.masterBarsLeft, barsLeft);
    QCOMPARE(layout.schematic, schematic);
    QCOMPARE(layout.masterPressureLabel, masterLabel);
    QCOMPARE(layout.pressureFromVfd, pressureFromVfd);
}

void TestInstallationLayout::driveInstallation_data() {
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<int>("storedMode");
    QTest::addColumn<bool>("offered");
    QTest::addColumn<bool>("panel");

    QTest::newRow("F04Z, drive stored") << "F04Z" << 3 << false << false;
    QTest::newRow("F05A, drive stored") << "F05A" << 3 << true << true;
    QTest::newRow("F05A, single") << "F05A" << 0 << true << false;
    QTest::newRow("F05A, MASTER") << "F05A" << 2 << true << false;
    QTest::newRow("F06C, drive stored") << "F06C" << 3 << true << true;
    QTest::newRow("nothing known yet") << "    " << 3 << false << false;
}

void TestInstallationLayout::driveInstallation() {
    QFETCH(QString, firmware);
    QFETCH(int, storedMode);
    QFETCH(bool, offered);
    QFETCH(bool, panel);

    FeatureLevels features;
    features.SetMasterCode(FirmwareCode::FromText(firmware));
    QCOMPARE(DriveInstallationOffered(features), offered);
    QCOMPARE(DriveStatusPanelShown(features, storedMode), panel);
}

VT12_TEST(TestInstallationLayout, TestApplication::None)
#include "tst_installation_layout.moc"
