#include "data/feature_levels.h"

#include "tests/support/test_registry.h"

#include <QTest>
#include <initializer_list>

namespace {

uint Set(std::initializer_list<Feature> features) {
    uint bits = 0;
    for (const Feature f : features)
        bits |= 1u << int(f);
    return bits;
}

const uint kF03A = Set({Feature::HardwareVersionReported, Feature::ActiveAfterStart});
const uint kF03G = kF03A | Set({Feature::CleanHowOftenInMinutes});
const uint kF03K = kF03G | Set({Feature::BootloaderInfoRead, Feature::ControllerMinAirflowGates});
const uint kF04A = kF03K | Set({Feature::FanOffDelayInSeconds, Feature::OffDelayInTenths,
                                Feature::VacuumErrorSettings, Feature::KeepLastUsedOpen});
const uint kF04B = kF04A | Set({Feature::PressureFromVFDWritten});
const uint kF05A =
    kF04B | Set({Feature::PressureFromVFDShown, Feature::VFDOnPort2, Feature::DriveStatusPanel});

} // namespace

class TestFeatureLevels : public QObject {
    Q_OBJECT

private slots:
    void featuresOfAFirmware_data();
    void featuresOfAFirmware();
    void everyFeatureHasOneRule();
    void slaveReread_data();
    void slaveReread();
    void hardwareVersion_data();
    void hardwareVersion();
};

void TestFeatureLevels::featuresOfAFirmware_data() {
    QTest::addColumn<QString>("master");
    QTest::addColumn<QString>("slave");
    QTest::addColumn<uint>("features");

    const uint slaveTenths = Set({Feature::SlaveOffDelayInTenths});
    QTest::newRow("nothing known") << "    "
                                   << "    " << 0u;
    QTest::newRow("no code found") << "----"
                                   << "    " << 0u;
    QTest::newRow("oldest numbering") << " 205"
                                      << "    " << 0u;
    QTest::newRow("B03A") << "B03A"
                          << "    " << 0u;
    QTest::newRow("B03B") << "B03B"
                          << "    " << Set({Feature::BootloaderMode});
    QTest::newRow("B03C") << "B03C"
                          << "    " << Set({Feature::BootloaderMode});
    QTest::newRow("F02Z") << "F02Z"
                          << "    " << Set({Feature::BootloaderMode});
    QTest::newRow("F03A") << "F03A"
                          << "    " << kF03A;
    QTest::newRow("F03F") << "F03F"
                          << "    " << kF03A;
    QTest::newRow("F03G") << "F03G"
                          << "    " << kF03G;
    QTest::newRow("F03J") << "F03J"
                          << "    " << kF03G;
    QTest::newRow("F03K") << "F03K"
                          << "    " << kF03K;
    QTest::newRow("F03Z") << "F03Z"
                          << "    " << kF03K;
    QTest::newRow("F04A") << "F04A"
                          << "    " << kF04A;
    QTest::newRow("F04B") << "F04B"
                          << "    " << kF04B;
    QTest::newRow("F04Z") << "F04Z"
                          << "    " << kF04B;
    QTest::newRow("F05A") << "F05A"
                          << "    " << kF05A;
    QTest::newRow("later letter") << "G01A"
                                  << "    " << kF05A;
    QTest::newRow("slave F04A alone") << "    "
                                      << "F04A" << slaveTenths;
    QTest::newRow("slave F03K") << "F05A"
                                << "F03K" << kF05A;
    QTest::newRow("both F04A") << "F04A"
                               << "F04A" << (kF04A | slaveTenths);
    // The slave's code never switches master features, nor bootloader mode.
    QTest::newRow("slave in bootloader") << "F04A"
                                         << "B03C" << kF04A;
}

void TestFeatureLevels::featuresOfAFirmware() {
    QFETCH(QString, master);
    QFETCH(QString, slave);
    QFETCH(uint, features);

    FeatureLevels levels;
    levels.SetMasterCode(FirmwareCode::FromText(master));
    levels.SetSlaveCode(FirmwareCode::FromText(slave));
    for (const FeatureRule& rule : kFeatureRules) {
        const bool expected = (features >> int(rule.feature)) & 1u;
        QVERIFY2(levels.Has(rule.feature) == expected,
                 qPrintable(QStringLiteral("feature %1").arg(int(rule.feature))));
    }
}

void TestFeatureLevels::everyFeatureHasOneRule() {
    uint seen = 0;
    for (const FeatureRule& rule : kFeatureRules) {
        QVERIFY((seen & (1u << int(rule.feature))) == 0);
        seen |= 1u << int(rule.feature);
    }
    QCOMPARE(seen, (1u << (int(Feature::SlaveOffDelayInTenths) + 1)) - 1);
}

void TestFeatureLevels::slaveReread_data() {
    QTest::addColumn<QString>("slave");
    QTest::addColumn<bool>("reread");

    QTest::newRow("unknown") << "    " << true;
    QTest::newRow("F firmware") << "F04A" << false;
    QTest::newRow("bootloader") << "B03C" << true;
    QTest::newRow("lower case f") << "f04a" << true;
}

void TestFeatureLevels::slaveReread() {
    QFETCH(QString, slave);
    QFETCH(bool, reread);

    FeatureLevels levels;
    levels.SetMasterCode(FirmwareCode("F05A"));
    levels.SetSlaveCode(FirmwareCode::FromText(slave));
    QCOMPARE(levels.SlaveNeedsPeriodicReread(), reread);
}

void TestFeatureLevels::hardwareVersion_data() {
    QTest::addColumn<QString>("master");
    QTest::addColumn<int>("reported");
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("pressureInput");

    QTest::newRow("F02Z reports 5") << "F02Z" << 5 << 2 << false;
    QTest::newRow("unknown reports 4") << "    " << 4 << 2 << false;
    QTest::newRow("F03A reports 5") << "F03A" << 5 << 5 << true;
    QTest::newRow("F05A reports 4") << "F05A" << 4 << 4 << true;
    QTest::newRow("F05A reports 3") << "F05A" << 3 << 3 << false;
}

void TestFeatureLevels::hardwareVersion() {
    QFETCH(QString, master);
    QFETCH(int, reported);
    QFETCH(int, version);
    QFETCH(bool, pressureInput);

    FeatureLevels levels;
    levels.SetMasterCode(FirmwareCode::FromText(master));
    const uint8_t taken = levels.HardwareVersion(uint8_t(reported));
    QCOMPARE(int(taken), version);
    QCOMPARE(FeatureLevels::HasPressureInput(taken), pressureInput);
}

VT12_TEST(TestFeatureLevels, TestApplication::Core)
#include "tst_feature_levels.moc"
