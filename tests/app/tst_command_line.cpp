#include "app/command_line.h"

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

    void traceKeepsTheFileNameAsWritten() {
        const CommandLine line = ParseCommandLine({"--Trace=/tmp/Link.log", "EXPERT"});
        QCOMPARE(line.traceFile, QStringLiteral("/tmp/Link.log"));
        QVERIFY(line.expert);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
