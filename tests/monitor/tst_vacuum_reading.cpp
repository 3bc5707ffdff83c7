#include "monitor/vacuum_reading.h"

#include "tests/support/test_registry.h"

#include <QTest>

namespace {

QString Name(PanelColour c) {
    if (c == kPanelGrey)
        return QStringLiteral("grey");
    if (c == kPanelDarkRed)
        return QStringLiteral("dark red");
    if (c == kPanelSilver)
        return QStringLiteral("silver");
    if (c == kPanelYellow)
        return QStringLiteral("yellow");
    return QStringLiteral("(%1,%2,%3)").arg(c.red).arg(c.green).arg(c.blue);
}

VacuumReadingInputs Inputs(int value, const QString& range, const QString& warning) {
    VacuumReadingInputs inputs;
    inputs.linkUp = true;
    inputs.installationMode = 2;
    inputs.masterValue = inputs.slaveValue = static_cast<uint16_t>(value);
    inputs.masterRange = inputs.slaveRange = range;
    inputs.masterWarning = inputs.slaveWarning = warning;
    inputs.errorLevel = 909;
    return inputs;
}

} // namespace

class TestVacuumReading : public QObject {
    Q_OBJECT

private slots:
    void figure_data();
    void figure();
    void slaveShowsNegative_data();
    void slaveShowsNegative();
    void errorIcon_data();
    void errorIcon();
    void slaveOnlyInMasterInstallation_data();
    void slaveOnlyInMasterInstallation();
};

void TestVacuumReading::figure_data() {
    QTest::addColumn<bool>("linkUp");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("range");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("background");

    QTest::newRow("half scale") << true << 545 << "3000"
                                << "2000"
                                << "1500"
                                << "yellow"
                                << "grey";
    QTest::newRow("full scale over warning") << true << 909 << "3000"
                                             << "2000"
                                             << "3000"
                                             << "yellow"
                                             << "dark red";
    QTest::newRow("exactly the warning") << true << 545 << "3000"
                                         << "1500"
                                         << "1500"
                                         << "yellow"
                                         << "dark red";
    QTest::newRow("bottom of range") << true << 181 << "3000"
                                     << "2000"
                                     << "0"
                                     << "yellow"
                                     << "grey";
    QTest::newRow("175 below the bottom") << true << 175 << "3000"
                                          << "2000"
                                          << "0"
                                          << "yellow"
                                          << "grey";
    QTest::newRow("171 still a value") << true << 171 << "3000"
                                       << "2000"
                                       << "0"
                                       << "yellow"
                                       << "grey";
    QTest::newRow("170 under range") << true << 170 << "3000"
                                     << "2000"
                                     << "-Lo-"
                                     << "silver"
                                     << "grey";
    QTest::newRow("under range, link down") << false << 0 << "3000"
                                            << "2000"
                                            << "--"
                                            << "silver"
                                            << "grey";
    QTest::newRow("919 still a value") << true << 919 << "3000"
                                       << "2000"
                                       << "3041"
                                       << "yellow"
                                       << "dark red";
    QTest::newRow("920 over range") << true << 920 << "3000"
                                    << "2000"
                                    << "-Hi-"
                                    << "silver"
                                    << "grey";
    QTest::newRow("over range, link down") << false << 920 << "3000"
                                           << "2000"
                                           << "-Hi-"
                                           << "silver"
                                           << "grey";
    QTest::newRow("empty entries take 3000 and 2000") << true << 909 << ""
                                                      << ""
                                                      << "3000"
                                                      << "yellow"
                                                      << "dark red";
    QTest::newRow("range 500 whole") << true << 545 << "500"
                                     << "2000"
                                     << "250"
                                     << "yellow"
                                     << "grey";
    QTest::newRow("range 100 whole") << true << 545 << "100"
                                     << "2000"
                                     << "50"
                                     << "yellow"
                                     << "grey";
    QTest::newRow("range 99.9 one decimal") << true << 909 << "99.9"
                                            << "2000"
                                            << "99.9"
                                            << "yellow"
                                            << "grey";
    QTest::newRow("range 20 one decimal") << true << 545 << "20"
                                          << "2000"
                                          << "10.0"
                                          << "yellow"
                                          << "grey";
    QTest::newRow("range 2.5 two decimals") << true << 545 << "2.5"
                                            << "2000"
                                            << "1.25"
                                            << "yellow"
                                            << "grey";
    QTest::newRow("range 0,5 two decimals") << true << 545 << "0,5"
                                            << "0.2"
                                            << "0.25"
                                            << "yellow"
                                            << "dark red";
    QTest::newRow("range 0.05 three decimals") << true << 545 << "0.05"
                                               << "1"
                                               << "0.025"
                                               << "yellow"
                                               << "grey";
    QTest::newRow("range 0") << true << 545 << "0"
                             << "2000"
                             << "--"
                             << "silver"
                             << "grey";
    QTest::newRow("range negative") << true << 545 << "-20"
                                    << "-50"
                                    << "--"
                                    << "silver"
                                    << "grey";
    QTest::newRow("range 0 under range") << true << 100 << "0"
                                         << "2000"
                                         << "-Lo-"
                                         << "silver"
                                         << "grey";
    QTest::newRow("range 1e6 whole") << true << 545 << "1e6"
                                     << "2000"
                                     << "500000"
                                     << "yellow"
                                     << "dark red";
    QTest::newRow("tiny range") << true << 909 << "1e-9"
                                << "2000"
                                << "0.00000000100"
                                << "yellow"
                                << "grey";
}

void TestVacuumReading::figure() {
    QFETCH(bool, linkUp);
    QFETCH(int, value);
    QFETCH(QString, range);
    QFETCH(QString, warning);
    QFETCH(QString, text);
    QFETCH(QString, colour);
    QFETCH(QString, background);

    VacuumReadingInputs inputs = Inputs(value, range, warning);
    inputs.linkUp = linkUp;
    const VacuumReading reading = ShowVacuumReading(inputs);
    QCOMPARE(reading.master.text, text);
    QCOMPARE(Name(reading.master.colour), colour);
    QCOMPARE(Name(reading.master.background), background);
    // The trends take the figure as a number: the text before its rounding, none without it.
    QCOMPARE(reading.master.value.has_value(), colour == QStringLiteral("yellow"));
    if (reading.master.value) {
        const qsizetype point = text.indexOf(u'.');
        const int decimals = point < 0 ? 0 : int(text.size() - point - 1);
        QCOMPARE(QString::number(*reading.master.value, 'f', decimals), text);
    }
    QVERIFY(reading.slave);
    if (value >= 181) {
        QCOMPARE(reading.slave->text, text);
        QCOMPARE(Name(reading.slave->background), background);
    }
}

void TestVacuumReading::slaveShowsNegative_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("range");
    QTest::addColumn<QString>("slave");

    QTest::newRow("175") << 175 << "3000"
                         << "-25";
    QTest::newRow("171") << 171 << "3000"
                         << "-41";
    QTest::newRow("180, range 20 rounds to no sign") << 180 << "20"
                                                     << "0.0";
    QTest::newRow("180, range 2") << 180 << "2"
                                  << "0.00";
    QTest::newRow("180, range 3000") << 180 << "3000"
                                     << "-4";
}

void TestVacuumReading::slaveShowsNegative() {
    QFETCH(int, value);
    QFETCH(QString, range);
    QFETCH(QString, slave);

    const VacuumReading reading = ShowVacuumReading(Inputs(value, range, "2000"));
    QCOMPARE(reading.master.text, QString::number(0, 'f', slave.section(u'.', 1).size()));
    QVERIFY(reading.slave);
    QCOMPARE(reading.slave->text, slave);
    QCOMPARE(Name(reading.slave->colour), QStringLiteral("yellow"));
    QCOMPARE(Name(reading.slave->background), QStringLiteral("grey"));
}

void TestVacuumReading::errorIcon_data() {
    QTest::addColumn<int>("errorLevel");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("known");
    QTest::addColumn<bool>("shown");

    QTest::newRow("546 over 545") << 545 << 546 << true << true;
    QTest::newRow("545 at 545") << 545 << 545 << true << false;
    QTest::newRow("over range") << 909 << 920 << true << true;
    QTest::newRow("level 0, no input") << 0 << 0 << true << false;
    QTest::newRow("firmware without an error level") << 0 << 545 << false << false;
}

void TestVacuumReading::errorIcon() {
    QFETCH(int, errorLevel);
    QFETCH(int, value);
    QFETCH(bool, known);
    QFETCH(bool, shown);

    VacuumReadingInputs inputs = Inputs(value, "3000", "2000");
    inputs.errorLevel = static_cast<uint16_t>(errorLevel);
    inputs.errorLevelKnown = known;
    inputs.slaveValue = 0;
    QCOMPARE(ShowVacuumReading(inputs).errorIconVisible, shown);
}

void TestVacuumReading::slaveOnlyInMasterInstallation_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("slave");

    QTest::newRow("single") << 0 << false;
    QTest::newRow("slave on RS-232") << 1 << false;
    QTest::newRow("MASTER") << 2 << true;
    QTest::newRow("drive") << 3 << false;
}

void TestVacuumReading::slaveOnlyInMasterInstallation() {
    QFETCH(int, mode);
    QFETCH(bool, slave);

    VacuumReadingInputs inputs = Inputs(545, "3000", "2000");
    inputs.installationMode = mode;
    QCOMPARE(ShowVacuumReading(inputs).slave.has_value(), slave);
}

VT12_TEST(TestVacuumReading, TestApplication::None)
#include "tst_vacuum_reading.moc"
