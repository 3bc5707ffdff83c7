// The simulator's command line: what others' tests start it with must mean what it says.

#include "sim/controller_model.h"
#include "sim/modbus_responder.h"
#include "sim/sim_options.h"
#include "tests/sim/sim_requests.h"

#include "tests/support/test_registry.h"

#include <QDateTime>
#include <QTest>

#include <bit>

using namespace vt12sim;
using Outcome = ParsedCommandLine::Outcome;

class TstSimOptions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qunsetenv("VT12_PORT_DIR"); }
    void refusesBadInput_data();
    void refusesBadInput();
    void readsEveryOption();
    void listensOnTheLoopback_data();
    void listensOnTheLoopback();
    void defaults();
    void helpNamesSignalsAndContent();
    void helpTellsTheUpdateTimeTheBootloaderSends();
};

void TstSimOptions::refusesBadInput_data() {
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("unknown option") << QStringList{"--port-dir", "/tmp", "--bogus"};
    QTest::newRow("no port directory") << QStringList{"--com", "3"};
    QTest::newRow("COM 0") << QStringList{"--port-dir", "/tmp", "--com", "0"};
    QTest::newRow("COM 100") << QStringList{"--port-dir", "/tmp", "--com", "100"};
    QTest::newRow("COM not a number") << QStringList{"--port-dir", "/tmp", "--com", "x"};
    QTest::newRow("negative latency") << QStringList{"--port-dir", "/tmp", "--latency", "-1"};
    QTest::newRow("late answer -1") << QStringList{"--port-dir", "/tmp", "--late-answer", "-1"};
    QTest::newRow("late by a minute and more")
        << QStringList{"--port-dir", "/tmp", "--late-by", "60001"};
    QTest::newRow("hardware 256") << QStringList{"--port-dir", "/tmp", "--hw", "256"};
    QTest::newRow("short firmware code") << QStringList{"--port-dir", "/tmp", "--firmware", "F5"};
    QTest::newRow("unknown id style") << QStringList{"--port-dir", "/tmp", "--id-style", "new2"};
    QTest::newRow("seed not a number") << QStringList{"--port-dir", "/tmp", "--seed", "x"};
    QTest::newRow("negative seed") << QStringList{"--port-dir", "/tmp", "--seed", "-1"};
    QTest::newRow("stray argument") << QStringList{"--port-dir", "/tmp", "COM3"};
    QTest::newRow("option without its value") << QStringList{"--port-dir"};
    QTest::newRow("drop past the memory")
        << QStringList{"--port-dir", "/tmp", "--drop-chunk", "0x10000"};
    QTest::newRow("drop no times") << QStringList{"--port-dir", "/tmp", "--drop-chunk", "0x6000,0"};
    QTest::newRow("drop not a number") << QStringList{"--port-dir", "/tmp", "--drop-chunk", "x"};
    QTest::newRow("drop with a third part")
        << QStringList{"--port-dir", "/tmp", "--drop-chunk", "0x6000,2,3"};
    QTest::newRow("slave and drive") << QStringList{"--port-dir", "/tmp", "--master", "--drive"};
    QTest::newRow("unknown line noise") << QStringList{"--port-dir", "/tmp", "--line-noise", "hum"};
    QTest::newRow("negative restart") << QStringList{"--port-dir", "/tmp", "--restart-ms", "-1"};
    QTest::newRow("listening beyond the loopback") << QStringList{"--tcp", "0.0.0.0:5020"};
    QTest::newRow("listening on a plant address") << QStringList{"--modbus-tcp", "10.0.0.5:502"};
    QTest::newRow("listening without a port") << QStringList{"--tcp", "127.0.0.1"};
    QTest::newRow("port too big") << QStringList{"--tcp", "127.0.0.1:65536"};
    QTest::newRow("both network kinds")
        << QStringList{"--tcp", "127.0.0.1:1", "--modbus-tcp", "127.0.0.1:2"};
    QTest::newRow("dropping on the 0th request")
        << QStringList{"--tcp", "127.0.0.1:1", "--drop-connection-on", "110,0"};
    QTest::newRow("dropping a connection on a COM link")
        << QStringList{"--port-dir", "/tmp", "--drop-connection-on", "16"};
}

// The loopback address in both families, without a port directory.
void TstSimOptions::listensOnTheLoopback_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("link");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::newRow("tcp") << QStringList{"--tcp", "127.0.0.1:5020", "--drop-connection-on", "110"}
                         << int(SimLink::Tcp) << "127.0.0.1" << 5020;
    QTest::newRow("modbus-tcp ipv6")
        << QStringList{"--modbus-tcp", "[::1]:0"} << int(SimLink::ModbusTcp) << "::1" << 0;
}

void TstSimOptions::listensOnTheLoopback() {
    QFETCH(QStringList, arguments);
    QFETCH(int, link);
    QFETCH(QString, host);
    QFETCH(int, port);
    const ParsedCommandLine parsed = parseCommandLine(QStringList{"vt12sim"} + arguments);
    QCOMPARE(parsed.outcome, Outcome::Run);
    QCOMPARE(int(parsed.options.link), link);
    QCOMPARE(parsed.options.listenHost, host);
    QCOMPARE(int(parsed.options.listenPort), port);
}

void TstSimOptions::refusesBadInput() {
    QFETCH(QStringList, arguments);
    const ParsedCommandLine parsed = parseCommandLine(QStringList{"vt12sim"} + arguments);
    QCOMPARE(parsed.outcome, Outcome::Error);
    QVERIFY(!parsed.text.isEmpty());
}

void TstSimOptions::readsEveryOption() {
    const ParsedCommandLine parsed = parseCommandLine({"vt12sim",
                                                       "--port-dir",
                                                       "/tmp/ports",
                                                       "--com",
                                                       "7",
                                                       "--pace",
                                                       "--latency",
                                                       "15",
                                                       "--late-answer",
                                                       "30",
                                                       "--late-by",
                                                       "700",
                                                       "--silent",
                                                       "--drop-chunk",
                                                       "0x6000,10",
                                                       "--firmware",
                                                       "B03C",
                                                       "--id-style",
                                                       "old",
                                                       "--hw",
                                                       "2",
                                                       "--master",
                                                       "--store-differently",
                                                       "--live",
                                                       "--seed",
                                                       "2147483647",
                                                       "--security-alarm",
                                                       "--bypass",
                                                       "--drive-fault",
                                                       "--drive-offline",
                                                       "--address-bit7",
                                                       "--restart-ms",
                                                       "15000",
                                                       "--refuse-firmware",
                                                       "--line-noise",
                                                       "echo"});
    QCOMPARE(parsed.outcome, Outcome::Run);
    const SimOptions& options = parsed.options;
    QCOMPARE(options.portDir, QStringLiteral("/tmp/ports"));
    QCOMPARE(options.com, 7);
    QVERIFY(options.paced);
    QCOMPARE(options.latencyMs, 15);
    QCOMPARE(options.lateAnswer, 30);
    QCOMPARE(options.lateByMs, 700);
    QVERIFY(options.silent);
    QCOMPARE(options.dropChunkAt, uint16_t{0x6000});
    QCOMPARE(options.dropChunkTimes, 10);
    QCOMPARE(options.unit.firmwareCode, QStringLiteral("B03C"));
    QVERIFY(options.unit.oldIdentification);
    QCOMPARE(options.unit.hardwareVersion, uint8_t{2});
    QVERIFY(options.unit.master);
    QVERIFY(options.unit.storeDifferently);
    QVERIFY(options.unit.live);
    QCOMPARE(options.unit.seed, uint32_t{2147483647});
    QVERIFY(options.unit.securityAlarm);
    QVERIFY(options.unit.bypass);
    QVERIFY(options.unit.driveTripped);
    QVERIFY(options.unit.driveLinkLost);
    QVERIFY(options.unit.addressBit7);
    QCOMPARE(options.unit.restartMs, 15000);
    QVERIFY(options.unit.refusesFirmware);
    QCOMPARE(options.lineNoise, LineNoiseKind::Echo);
    QVERIFY(parseCommandLine({"vt12sim", "--port-dir", "/tmp", "--drive"}).options.unit.drive);
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
    QCOMPARE(options.lateAnswer, 0);
    QVERIFY(options.lateByMs > 500);
    QVERIFY(!options.silent);
    QCOMPARE(options.dropChunkTimes, 0);
    QCOMPARE(options.unit.firmwareCode, QStringLiteral("F05A"));
    QVERIFY(!options.unit.oldIdentification);
    QCOMPARE(options.unit.hardwareVersion, uint8_t{4});
    QVERIFY(!options.unit.master);
    QVERIFY(!options.unit.storeDifferently);
    QVERIFY(!options.unit.live);
    QCOMPARE(options.unit.seed, uint32_t{1});
    QVERIFY(!options.unit.securityAlarm);
    QVERIFY(!options.unit.bypass);
    QVERIFY(!options.unit.drive);
    QVERIFY(!options.unit.driveTripped);
    QVERIFY(!options.unit.driveLinkLost);
    QVERIFY(!options.unit.addressBit7);
}

void TstSimOptions::helpNamesSignalsAndContent() {
    const ParsedCommandLine parsed = parseCommandLine({"vt12sim", "--help"});
    QCOMPARE(parsed.outcome, Outcome::Help);
    for (const char* word : {"--port-dir",      "--com",
                             "--pace",          "--latency",
                             "--silent",        "--firmware",
                             "--id-style",      "--hw",
                             "--master",        "--store-differently",
                             "--late-answer",   "--late-by",
                             "SIGTERM",         "SIGUSR1",
                             "SIGUSR2",         "Saw 1",
                             "VT12F05A",        "--live",
                             "--seed",          "--security-alarm",
                             "--bypass",        "SIGRTMIN+1",
                             "SIGRTMIN+2",      "--drop-chunk",
                             "--drive",         "--drive-fault",
                             "--drive-offline", "--address-bit7",
                             "SIGRTMIN+3",      "SIGRTMIN+4"}) {
        QVERIFY2(parsed.text.contains(QLatin1String(word)), word);
    }
}

void TstSimOptions::helpTellsTheUpdateTimeTheBootloaderSends() {
    ControllerModel model{UnitProfile{}};
    ModbusResponder responder(model);
    const QByteArray answer =
        responder.answer(simtest::wordsRequest(3, 24320, 124)).value_or(QByteArray());
    QCOMPARE(answer.size(), 253);
    uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) {
        bits = bits << 8 | static_cast<uint8_t>(answer[3 + 64 + i]);
    }
    const double days = std::bit_cast<double>(bits);
    const QDateTime sent =
        QDateTime(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC).addSecs(qRound64(days * 86400));

    const QString help = parseCommandLine({"vt12sim", "--help"}).text;
    const QString told = QStringLiteral("updated ") + sent.toString("yyyy-MM-dd HH:mm");
    QVERIFY2(help.contains(told), qPrintable(told));
}

VT12_TEST(TstSimOptions, TestApplication::Core)
#include "tst_sim_options.moc"
