#include "data/vacuum_settings_controls.h"

#include "tests/support/test_registry.h"

#include <QTest>

namespace {

FeatureLevels Levels(const QString& master) {
    FeatureLevels levels;
    levels.SetMasterCode(FirmwareCode::FromText(master));
    return levels;
}

VacuumControls Entered(const QString& range, const QString& error) {
    VacuumControls controls;
    controls.eCurrInpCaption = QStringLiteral("VACUUM");
    controls.eCurrInpUnits = QStringLiteral("kPa");
    controls.eCurrInpRng = range;
    controls.eCurrInpError = error;
    return controls;
}

} // namespace

class TestVacuumSettingsControls : public QObject {
    Q_OBJECT

private slots:
    void numbersStored_data();
    void numbersStored();
    void errorLevel_data();
    void errorLevel();
    void errorWordsOnlyFromF04A();
    void textsCutToTheirFields();
    void storedValuesShown_data();
    void storedValuesShown();
    void errorControlsLeftBelowF04A();
    void panelsTakeTheTrimmedTexts();
    void errorLevelComesBackForEveryCount_data();
    void errorLevelComesBackForEveryCount();
    void shownAndRebuiltComesBackByteForByte_data();
    void shownAndRebuiltComesBackByteForByte();
};

void TestVacuumSettingsControls::numbersStored_data() {
    QTest::addColumn<QString>("range");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("slaveRange");
    QTest::addColumn<qint64>("storedRange");
    QTest::addColumn<qint64>("storedWarning");
    QTest::addColumn<qint64>("storedSlaveRange");

    QTest::newRow("empty") << ""
                           << ""
                           << "" << qint64(20000) << qint64(0) << qint64(0);
    QTest::newRow("zero") << "0"
                          << "0"
                          << "0" << qint64(20000) << qint64(0) << qint64(0);
    QTest::newRow("typed leniently") << " 12,5 kPa"
                                     << "1.2.3"
                                     << "-7" << qint64(12500) << qint64(12300) << qint64(-7000);
    QTest::newRow("thousandths on a tie") << "0.0025"
                                          << "0.0015"
                                          << "20.05" << qint64(2) << qint64(2) << qint64(20050);
    QTest::newRow("below a thousandth") << "0.0004"
                                        << "letters"
                                        << "1e3" << qint64(20000) << qint64(0) << qint64(1000000);
}

void TestVacuumSettingsControls::numbersStored() {
    QFETCH(QString, range);
    QFETCH(QString, warning);
    QFETCH(QString, slaveRange);
    QFETCH(qint64, storedRange);
    QFETCH(qint64, storedWarning);
    QFETCH(qint64, storedSlaveRange);

    VacuumControls controls = Entered(range, QString());
    controls.eCurrInpWarning = warning;
    controls.eCurrInpRngS = slaveRange;
    const VacuumSettingsBlock image = BuildVacuumImage(controls, Levels(QStringLiteral("F05A")));
    QCOMPARE(image.SensorRange(SensorSide::Master), storedRange);
    QCOMPARE(image.SensorWarning(SensorSide::Master), storedWarning);
    QCOMPARE(image.SensorRange(SensorSide::Slave), storedSlaveRange);
    QCOMPARE(image.SensorWarning(SensorSide::Slave), qint64(0));
}

void TestVacuumSettingsControls::errorLevel_data() {
    QTest::addColumn<QString>("range");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("counts");

    QTest::newRow("range 20, error 10") << "20"
                                        << "10" << 545;
    QTest::newRow("empty error is the range") << "20"
                                              << "" << 909;
    QTest::newRow("error 0 is the bottom") << "20"
                                           << "0" << 181;
    QTest::newRow("empty range counts as 20") << ""
                                              << "10" << 545;
    QTest::newRow("tie goes to even") << "20"
                                      << "1.25" << 227; // 45.5 + 181
    QTest::newRow("below the word") << "20"
                                    << "-100" << 0;
    QTest::newRow("beyond the word") << "20"
                                     << "1e9" << 65535;
    QTest::newRow("negative range") << "-20"
                                    << "10" << 0;
}

void TestVacuumSettingsControls::errorLevel() {
    QFETCH(QString, range);
    QFETCH(QString, error);
    QFETCH(int, counts);

    const VacuumSettingsBlock image =
        BuildVacuumImage(Entered(range, error), Levels(QStringLiteral("F04A")));
    QCOMPARE(int(image.ErrorLevel()), counts);
}

void TestVacuumSettingsControls::errorWordsOnlyFromF04A() {
    VacuumControls controls = Entered(QStringLiteral("20"), QStringLiteral("10"));
    controls.eCurrInpStopAtError = true;
    VacuumSettingsBlock image = BuildVacuumImage(controls, Levels(QStringLiteral("F03K")));
    QCOMPARE(int(image.ErrorLevel()), 0);
    QCOMPARE(int(image.StopAtError()), 0);
    image = BuildVacuumImage(controls, Levels(QStringLiteral("F04A")));
    QCOMPARE(int(image.ErrorLevel()), 545);
    QCOMPARE(int(image.StopAtError()), 1);
    QCOMPARE(int(image.Bytes[82]), 0); // high byte first
}

void TestVacuumSettingsControls::textsCutToTheirFields() {
    VacuumControls controls = Entered(QStringLiteral("20"), QString());
    controls.eCurrInpCaption = QStringLiteral("DUCT PRESSURE HALL 2");
    controls.eCurrInpUnits = QStringLiteral("millibars");
    controls.eCurrInpCaptionS = QStringLiteral("S");
    const VacuumSettingsBlock image = BuildVacuumImage(controls, Levels(QStringLiteral("F05A")));
    QCOMPARE(image.SensorCaption(SensorSide::Master), QStringLiteral("DUCT PRESSURE HA"));
    QCOMPARE(image.SensorUnits(SensorSide::Master), QStringLiteral("millibar"));
    QCOMPARE(image.SensorCaption(SensorSide::Slave), QStringLiteral("S"));
    QCOMPARE(int(image.Bytes[41]), 0);
    // The range follows the cut caption in its own bytes.
    QCOMPARE(image.SensorRange(SensorSide::Master), qint64(20000));
}

void TestVacuumSettingsControls::storedValuesShown_data() {
    QTest::addColumn<qint64>("range");
    QTest::addColumn<int>("counts");
    QTest::addColumn<QString>("shownRange");
    QTest::addColumn<QString>("shownError");

    QTest::newRow("whole") << qint64(20000) << 545 << "20"
                           << "10";
    QTest::newRow("one decimal") << qint64(12500) << 909 << "12.5"
                                 << "12.5";
    QTest::newRow("range of 0 shown as 20, error as 0") << qint64(0) << 545 << "20"
                                                        << "0";
    QTest::newRow("thousandths kept") << qint64(20050) << 181 << "20.05"
                                      << "0";
    QTest::newRow("error between tenths") << qint64(20000) << 546 << "20"
                                          << "10.03";
    QTest::newRow("error below the bottom") << qint64(20000) << 0 << "20"
                                            << "-5"; // one decimal rebuilds 0 counts
    QTest::newRow("negative range") << qint64(-1500) << 909 << "-1.5"
                                    << "-1.5";
}

void TestVacuumSettingsControls::storedValuesShown() {
    QFETCH(qint64, range);
    QFETCH(int, counts);
    QFETCH(QString, shownRange);
    QFETCH(QString, shownError);

    VacuumSettingsBlock image;
    image.SetSensorRange(SensorSide::Master, range);
    image.SetErrorLevel(uint16_t(counts));
    VacuumControls controls;
    ShowVacuumSettings(image, Levels(QStringLiteral("F04A")), controls);
    QCOMPARE(controls.eCurrInpRng, shownRange);
    QCOMPARE(controls.eCurrInpError, shownError);
    QCOMPARE(controls.eCurrInpWarning, QStringLiteral("20"));
    QCOMPARE(controls.eCurrInpRngS, QStringLiteral("20"));
}

void TestVacuumSettingsControls::errorControlsLeftBelowF04A() {
    VacuumSettingsBlock image;
    image.SetErrorLevel(545);
    image.SetStopAtError(1);
    VacuumControls controls;
    controls.eCurrInpError = QStringLiteral("typed");
    ShowVacuumSettings(image, Levels(QStringLiteral("F03K")), controls);
    QCOMPARE(controls.eCurrInpError, QStringLiteral("typed"));
    QVERIFY(!controls.eCurrInpStopAtError);
    ShowVacuumSettings(image, Levels(QStringLiteral("F04A")), controls);
    QVERIFY(controls.eCurrInpStopAtError);
}

void TestVacuumSettingsControls::panelsTakeTheTrimmedTexts() {
    VacuumSettingsBlock image;
    image.SetSensorCaption(SensorSide::Master, QStringLiteral("  SUCTION "));
    image.SetSensorUnits(SensorSide::Master, QStringLiteral("Pa"));
    image.SetSensorCaption(SensorSide::Slave, QStringLiteral("HALL B"));
    image.SetSensorUnits(SensorSide::Slave, QString(QChar(0x0001)) + QStringLiteral("in.wc"));
    VacuumControls controls;
    const VacuumPanelTexts panels =
        ShowVacuumSettings(image, Levels(QStringLiteral("F05A")), controls);
    QCOMPARE(controls.eCurrInpCaption, QStringLiteral("SUCTION"));
    QCOMPARE(panels.lCurrInpLabel, QStringLiteral("SUCTION"));
    QCOMPARE(panels.lCurrentInputUnits, QStringLiteral("Pa"));
    QCOMPARE(panels.lCurrInpLabelS, QStringLiteral("HALL B"));
    QCOMPARE(panels.lCurrentInputUnitsS, QStringLiteral("in.wc"));
}

void TestVacuumSettingsControls::errorLevelComesBackForEveryCount_data() {
    QTest::addColumn<qint64>("range");

    QTest::newRow("20 kPa") << qint64(20000);
    QTest::newRow("one thousandth") << qint64(1);
    QTest::newRow("0.25") << qint64(250);
    QTest::newRow("7.3") << qint64(7300);
    QTest::newRow("2500") << qint64(2500000);
    QTest::newRow("negative") << qint64(-20000);
}

void TestVacuumSettingsControls::errorLevelComesBackForEveryCount() {
    QFETCH(qint64, range);

    const FeatureLevels levels = Levels(QStringLiteral("F04A"));
    VacuumSettingsBlock read;
    read.SetSensorRange(SensorSide::Master, range);
    for (int counts = 0; counts <= 65535; counts += counts < 2000 ? 1 : 97) {
        read.SetErrorLevel(uint16_t(counts));
        VacuumControls controls;
        ShowVacuumSettings(read, levels, controls);
        const VacuumSettingsBlock rebuilt = BuildVacuumImage(controls, levels);
        if (rebuilt.ErrorLevel() != counts)
            QFAIL(qPrintable(QStringLiteral("%1 counts shown as %2 came back as %3")
                                 .arg(counts)
                                 .arg(controls.eCurrInpError)
                                 .arg(rebuilt.ErrorLevel())));
    }
}

void TestVacuumSettingsControls::shownAndRebuiltComesBackByteForByte_data() {
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<qint64>("range");
    QTest::addColumn<qint64>("warning");
    QTest::addColumn<int>("counts");
    QTest::addColumn<int>("stopAtError");

    for (const char* firmware : {"----", "F03A", "F04A", "F05A"}) {
        const bool errors = Levels(QString::fromLatin1(firmware)).Has(Feature::VacuumErrorSettings);
        QTest::addRow("%s kPa", firmware)
            << QString::fromLatin1(firmware) << qint64(20000) << qint64(15000) << (errors ? 545 : 0)
            << (errors ? 1 : 0);
        QTest::addRow("%s thousandths", firmware)
            << QString::fromLatin1(firmware) << qint64(1234567) << qint64(-1) << (errors ? 200 : 0)
            << 0;
        QTest::addRow("%s large", firmware)
            << QString::fromLatin1(firmware) << qint64(9000000000000000000)
            << qint64(-9000000000000000000) << (errors ? 909 : 0) << 0;
    }
}

void TestVacuumSettingsControls::shownAndRebuiltComesBackByteForByte() {
    QFETCH(QString, firmware);
    QFETCH(qint64, range);
    QFETCH(qint64, warning);
    QFETCH(int, counts);
    QFETCH(int, stopAtError);

    const FeatureLevels levels = Levels(firmware);
    VacuumSettingsBlock read;
    read.SetSensorCaption(SensorSide::Master, QStringLiteral("PRESSURE IN DUCT"));
    read.SetSensorUnits(SensorSide::Master, QStringLiteral("mbar"));
    read.SetSensorCaption(SensorSide::Slave, QStringLiteral("HALL 2"));
    read.SetSensorUnits(SensorSide::Slave, QStringLiteral("inches"));
    read.SetSensorRange(SensorSide::Master, range);
    read.SetSensorWarning(SensorSide::Master, warning);
    read.SetSensorRange(SensorSide::Slave, warning);
    read.SetSensorWarning(SensorSide::Slave, range);
    read.SetErrorLevel(uint16_t(counts));
    read.SetStopAtError(uint16_t(stopAtError));

    VacuumControls controls;
    ShowVacuumSettings(read, levels, controls);
    QCOMPARE(BuildVacuumImage(controls, levels).Bytes, read.Bytes);
}

VT12_TEST(TestVacuumSettingsControls, TestApplication::Core)
#include "tst_vacuum_settings_controls.moc"
