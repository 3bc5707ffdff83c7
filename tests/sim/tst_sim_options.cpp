// The simulator's command line: what others' tests start it with must mean what it says.

#include "sim/sim_options.h"

#include <QTest>

using namespace vt12sim;
using Outcome = ParsedCommandLine::Outcome;

class TstSimOptions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qunsetenv("VT12_PORT_DIR"); }
    void refusesBadInput_data();
    void refusesBadInput();
    void readsEveryOption();
    void defaults();
    void helpNamesSignalsAndContent();
};

void TstSimOptions::refusesBadInput_data() {
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("unknown option") << QStringList{"--port-dir", "/tmp", "--bogus"};
    QTest::newRow("no port directory") << QStringList{"--com", "3"};
    QTest::newRow("COM 0") << QStringList{"--port-dir", "/tmp", "--com", "0"};
    QTest::newRow("COM 100") << QStringList{"--port-dir", "/tmp", "--com", "100"};
    QTest::newRow("COM not a number") << QStringList{"--port-dir", "/tmp", "--com", "x"};
    QTest::newRow("negative latency") << QStringList{"--port-dir", "/tmp", "--latency", "-1"};
    QTest::newRow("hardware 256") << QStringList{"--port-dir", "/tmp", "--hw", "256"};
    QTest::newRow("short firmware code") << QStringList{"--port-dir", "/tmp", "--firmware", "F5"};
    QTest::newRow("unknown id style") << QStringList{"--port-dir", "/tmp", "--id-style", "new2"};
    QTest::newRow("stray argument") << QStringList{"--port-dir", "/tmp", "COM3"};
    QTest::newRow("option without its value") << QStringList{"--port-dir"};
}

void TstSimOptions::refusesBadInput() {
    QFETCH(QStringList, arguments);
    const ParsedCommandLine parsed = parseCommandLine(QStringList{"vt12sim"} + arguments);
    QCOMPARE(parsed.outcome, Outcome::Error);
    QVERIFY(!parsed.text.isEmpty());
}

void TstSimOptions::readsEveryOption() {
    const ParsedCommandLine parsed =
        parseCommandLine({"vt12sim", "--port-dir", "/tmp/ports", "--com", "7", "--pace",
                          "--latency", "15", "--silent", "--firmware", "B03C", "--id-style", "old",
                          "--hw", "2", "--master", "--store-differently"});
    QCOMPARE(parsed.outcome, Outcome::Run);
    const SimOptions& options = parsed.options;
    QCOMPARE(options.portDir, QStringLiteral("/tmp/ports"));
    QCOMPARE(options.com, 7);
    QVERIFY(options.paced);
    QCOMPARE(options.latencyMs, 15);
    QVERIFY(options.silent);
    QCOMPARE(options.unit.firmwareCode, QStringLiteral("B03C"));
    QVERIFY(options.unit.oldIdentification);
    QCOMPARE(options.unit.hardwareVersion, uint8_t{2});
    QVERIFY(options.unit.master);
    QVERIFY(options.unit.storeDifferently);
}

void TstSimOptions::defaults() {
    qputenv("VT12_PORT_DIR", "/tmp/from-env");
    const ParsedCommandLine parsed = parseCommandLine({"vt12sim"});
    qunsetenv("VT12_PORT_DIR");
    QCOMPARE(parsed.outcome, Outcome::Run);
    const SimOptions& options = parsed.options;
    QCOMPARE(options.portDir, QStringLiteral("/tmp/from-env"));
    QCOMPARE(options.com, 1);
    QVERIFY(!options.paced);
    QCOMPARE(options.latencyMs, 0);
    QVERIFY(!options.silent);
    QCOMPARE(options.unit.firmwareCode, QStringLiteral("F05A"));
    QVERIFY(!options.unit.oldIdentification);
    QCOMPARE(options.unit.hardwareVersion, uint8_t{4});
    QVERIFY(!options.unit.master);
    QVERIFY(!options.unit.storeDifferently);
}

void TstSimOptions::helpNamesSignalsAndContent() {
    const ParsedCommandLine parsed = parseCommandLine({"vt12sim", "--help"});
    QCOMPARE(parsed.outcome, Outcome::Help);
    for (const char* word : {"--port-dir", "--com", "--pace", "--latency", "--silent", "--firmware",
                             "--id-style", "--hw", "--master", "--store-differently", "SIGTERM",
                             "SIGUSR1", "SIGUSR2", "Saw 1", "VT12F05A"}) {
        QVERIFY2(parsed.text.contains(QLatin1String(word)), word);
    }
}

QTEST_GUILESS_MAIN(TstSimOptions)
#include "tst_sim_options.moc"
