#include "core/command_line.h"
#include "core/path_bytes.h"

#include "tests/support/test_registry.h"

#include <QTest>

class TestCommandLine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void switches_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("expert");
        QTest::addColumn<bool>("privateLabel");
        QTest::addColumn<int>("fixedPort");
        QTest::newRow("none") << QStringList{} << false << false << 0;
        QTest::newRow("port in lower case") << QStringList{"port=7"} << false << false << 7;
        QTest::newRow("three digits use two") << QStringList{"PORT=123"} << false << false << 12;
        QTest::newRow("nothing behind") << QStringList{"PORT="} << false << false << 0;
        QTest::newRow("zero") << QStringList{"PORT=0"} << false << false << 0;
        QTest::newRow("negative") << QStringList{"PORT=-3"} << false << false << 0;
        QTest::newRow("not a number") << QStringList{"PORT=x1"} << false << false << 0;
        QTest::newRow("later port wins") << QStringList{"PORT=4", "PORT=9"} << false << false << 9;
        QTest::newRow("later bad port clears")
            << QStringList{"PORT=4", "PORT=x"} << false << false << 0;
        QTest::newRow("expert lower case") << QStringList{"expert"} << true << false << 0;
        QTest::newRow("expert with minus") << QStringList{"-EXPERT"} << false << false << 0;
        QTest::newRow("expert with letter") << QStringList{"EXPERTS"} << false << false << 0;
        QTest::newRow("all three")
            << QStringList{"EXPERT", "KORVANTE", "PORT=3"} << true << true << 3;
        QTest::newRow("unknown ignored") << QStringList{"hello", "Korvante"} << false << true << 0;
    }
    void switches() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, expert);
        QFETCH(bool, privateLabel);
        QFETCH(int, fixedPort);
        const CommandLine line = ParseCommandLine(arguments);
        QCOMPARE(line.expert, expert);
        QCOMPARE(line.privateLabel, privateLabel);
        QCOMPARE(line.fixedPort, fixedPort);
    }

    void traceKeepsTheFileNameAsWritten_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("traceFile");
        QTest::addColumn<bool>("expert");
        QTest::newRow("joined") << QStringList{"--Trace=/tmp/Link.log", "EXPERT"} << "/tmp/Link.log"
                                << true;
        QTest::newRow("separate") << QStringList{"--trace", "/tmp/Link.log", "EXPERT"}
                                  << "/tmp/Link.log" << true;
        QTest::newRow("separate takes the next argument as it is")
            << QStringList{"--TRACE", "expert"} << "expert" << false;
        QTest::newRow("nothing behind") << QStringList{"EXPERT", "--trace"} << QString() << true;
        const char* notUtf8[] = {"vt12set", "--TRACE=/tmp/t\xfe\xff.log", "--trace", "t\xe4.log"};
        QTest::newRow("joined, no UTF-8")
            << ProgramArguments(2, notUtf8) << PathFromBytes("/tmp/t\xfe\xff.log") << false;
        QTest::newRow("separate, no UTF-8")
            << ProgramArguments(4, notUtf8) << PathFromBytes("t\xe4.log") << false;
    }
    void traceKeepsTheFileNameAsWritten() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, traceFile);
        QFETCH(bool, expert);
        const CommandLine line = ParseCommandLine(arguments);
        QCOMPARE(line.traceFile, traceFile);
        QCOMPARE(PathBytes(line.traceFile), PathBytes(traceFile));
        QCOMPARE(line.expert, expert);
    }

    void information_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        const QString none;
        QTest::newRow("no arguments") << QStringList{} << none;
        QTest::newRow("switches only") << QStringList{"EXPERT", "PORT=3"} << none;
        QTest::newRow("unknown options ignored") << QStringList{"-x", "--bogus=1"} << none;
        QTest::newRow("help") << QStringList{"--help"} << "help";
        QTest::newRow("short help") << QStringList{"-h"} << "help";
        QTest::newRow("help all") << QStringList{"--help-all"} << "help";
        QTest::newRow("help behind unknown and switches")
            << QStringList{"-x", "expert", "--help"} << "help";
        QTest::newRow("help wins over version") << QStringList{"--version", "--help"} << "help";
        QTest::newRow("version") << QStringList{"--version"} << "version";
        QTest::newRow("version with trace") << QStringList{"--trace=/tmp/t", "-v"} << "version";
        QTest::newRow("switch spelled like help") << QStringList{"HELP"} << none;
        QTest::newRow("after the end of options") << QStringList{"--", "--help"} << none;
    }
    void information() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        arguments.prepend(QStringLiteral("/usr/bin/vt12set"));
        const std::optional<QString> text = InformationRequest(arguments, "5.0.0.1");
        if (expected.isEmpty()) {
            QVERIFY(!text);
        } else if (expected == u"version") {
            QCOMPARE(*text, QStringLiteral("vt12set 5.0.0.1\n"));
        } else {
            QVERIFY(text);
            // Every switch and every variable the program reads is explained.
            for (const char* word : {"--help", "--version", "--trace", "EXPERT", "KORVANTE",
                                     "PORT=n", "VT12_PORT_DIR", "VT12_PROGRAM_DIR"})
                QVERIFY2(text->contains(QLatin1String(word)), word);
        }
    }
};

VT12_TEST(TestCommandLine, TestApplication::Core)
#include "tst_command_line.moc"
