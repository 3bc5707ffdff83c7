// vt12cli's arguments: what runs, and what is refused as a usage mistake before any port opens.
#include "cli/cli_options.h"

#include "tests/support/test_registry.h"

#include <QTest>

class TestCliOptions : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void refused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no command") << QStringList{};
        QTest::newRow("unknown command") << QStringList{"erase"};
        QTest::newRow("backup without a file") << QStringList{"backup"};
        QTest::newRow("backup with two files") << QStringList{"backup", "a", "b"};
        QTest::newRow("info with a file") << QStringList{"info", "a"};
        QTest::newRow("json outside the reports") << QStringList{"backup", "a", "--json"};
        QTest::newRow("json and csv") << QStringList{"counters", "--json", "--csv"};
        QTest::newRow("monitor beyond a year") << QStringList{"monitor", "--seconds", "31622401"};
        QTest::newRow("monitor far beyond a year")
            << QStringList{"monitor", "--seconds", "99999999999999"};
        QTest::newRow("quiet and verbose") << QStringList{"info", "-q", "-v"};
        QTest::newRow("show without a file") << QStringList{"show"};
        QTest::newRow("diff of three files") << QStringList{"diff", "a", "b", "c"};
        QTest::newRow("diff of two files on a port")
            << QStringList{"diff", "a", "b", "--port", "2"};
        QTest::newRow("show on all ports") << QStringList{"show", "a", "--all-ports"};
        QTest::newRow("csv outside counters") << QStringList{"info", "--csv"};
        QTest::newRow("dry run outside restore") << QStringList{"backup", "a", "--dry-run"};
        QTest::newRow("seconds outside monitor") << QStringList{"info", "--seconds", "5"};
        QTest::newRow("monitor for 0 seconds") << QStringList{"monitor", "--seconds", "0"};
        QTest::newRow("all ports and one port")
            << QStringList{"info", "--all-ports", "--port", "2"};
        QTest::newRow("monitor on all ports") << QStringList{"monitor", "--all-ports"};
        QTest::newRow("firmware without a file") << QStringList{"firmware"};
        QTest::newRow("restore without a file") << QStringList{"restore", "--dry-run"};
        QTest::newRow("port and device") << QStringList{"info", "--port", "3", "--device", "/x"};
        QTest::newRow("port 0") << QStringList{"info", "--port", "0"};
        QTest::newRow("port 100") << QStringList{"info", "--port", "100"};
        QTest::newRow("port not a number") << QStringList{"info", "--port", "COM3"};
        QTest::newRow("empty device") << QStringList{"info", "--device="};
        QTest::newRow("negative wait") << QStringList{"info", "--wait", "-1"};
        QTest::newRow("unknown option") << QStringList{"info", "--all"};
        QTest::newRow("option without its value") << QStringList{"info", "--port"};
    }
    void refused() {
        QFETCH(QStringList, arguments);
        const CliParsed parsed = ParseCliArguments(QStringList{"vt12cli"} + arguments, "1.0");
        QVERIFY(!parsed.request);
        QCOMPARE(parsed.exitCode, ExitCode::Usage);
        QVERIFY(parsed.text.contains("--help"));
    }

    void accepted_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("wait");
        QTest::newRow("detect") << QStringList{"detect"} << int(CliCommand::Detect) << "" << 0 << 0;
        QTest::newRow("backup on COM10, options after the file")
            << QStringList{"backup", "unit 1.vt12", "--port", "10", "--wait=30"}
            << int(CliCommand::Backup) << "unit 1.vt12" << 10 << 30;
        QTest::newRow("info json")
            << QStringList{"--json", "info"} << int(CliCommand::Info) << "" << 0 << 0;
        QTest::newRow("diff of a file with the unit on COM3")
            << QStringList{"diff", "a.vt12", "--port", "3"} << int(CliCommand::Diff) << "a.vt12"
            << 3 << 0;
        QTest::newRow("show, quietly")
            << QStringList{"-q", "show", "a.vt12"} << int(CliCommand::Show) << "a.vt12" << 0 << 0;
        QTest::newRow("counters csv on a device")
            << QStringList{"counters", "--csv", "--device", "/dev/serial/by-id/usb-x"}
            << int(CliCommand::Counters) << "" << 0 << 0;
    }
    void accepted() {
        QFETCH(QStringList, arguments);
        QFETCH(int, command);
        QFETCH(QString, file);
        QFETCH(int, port);
        QFETCH(int, wait);
        const CliParsed parsed = ParseCliArguments(QStringList{"vt12cli"} + arguments, "1.0");
        QVERIFY(parsed.request);
        QCOMPARE(int(parsed.request->command), command);
        QCOMPARE(parsed.request->file, file);
        QCOMPARE(parsed.request->port, port);
        QCOMPARE(parsed.request->waitSeconds, wait);
    }

    // The whole documented range, the largest value included: nothing overflows on the way.
    void monitorRunsUpToAYear() {
        const CliParsed parsed =
            ParseCliArguments({"vt12cli", "monitor", "--seconds", "31622400", "-v"}, "1.0");
        QVERIFY(parsed.request);
        QCOMPARE(parsed.request->seconds, kLongestMonitorSeconds);
        QVERIFY(parsed.request->verbose);
    }

    void helpAndVersionLeaveWithSuccess() {
        const CliParsed help = ParseCliArguments({"/usr/bin/vt12cli", "--help", "bogus"}, "1.0");
        QCOMPARE(help.exitCode, ExitCode::Done);
        QVERIFY(help.text.contains("COMMAND [FILE]"));
        QVERIFY(help.text.contains("Exit codes:"));
        for (const char* option : {"--version", "-V"}) {
            const CliParsed version = ParseCliArguments({"vt12cli", option}, "5.0.0.1");
            QCOMPARE(version.exitCode, ExitCode::Done);
            QCOMPARE(version.text, QStringLiteral("vt12cli 5.0.0.1\n"));
        }
    }
};

VT12_TEST(TestCliOptions, TestApplication::Core)
#include "tst_cli_options.moc"
