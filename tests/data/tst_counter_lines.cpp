#include "data/counter_lines.h"
#include "data/counters_csv.h"

#include "tests/support/test_registry.h"

#include <QTest>

namespace {

CountersBlock Counters(std::initializer_list<std::pair<int, uint32_t>> values) {
    CountersBlock block;
    for (const auto& [n, value] : values) {
        for (int i = 0; i < 4; ++i)
            block.Bytes[size_t(4 * (n - 1) + i)] = uint8_t(value >> (24 - 8 * i));
    }
    return block;
}

} // namespace

class TestCounterLines : public QObject {
    Q_OBJECT

private slots:
    void prefix_data();
    void prefix();
    void lines_data();
    void lines();
    void csv_data();
    void csv();
};

void TestCounterLines::prefix_data() {
    QTest::addColumn<int>("memo");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QChar>("prefix");

    QTest::newRow("master of a pair") << int(CounterMemo::Master) << 2 << QChar(u'M');
    QTest::newRow("slave of a pair") << int(CounterMemo::Slave) << 2 << QChar(u'S');
    QTest::newRow("single unit") << int(CounterMemo::Master) << 0 << QChar(u' ');
    QTest::newRow("slave memo, single unit") << int(CounterMemo::Slave) << 0 << QChar(u' ');
    QTest::newRow("slave on RS-232") << int(CounterMemo::Master) << 1 << QChar(u' ');
    QTest::newRow("with a drive") << int(CounterMemo::Slave) << 3 << QChar(u' ');
}

void TestCounterLines::prefix() {
    QFETCH(int, memo);
    QFETCH(int, mode);
    QFETCH(QChar, prefix);
    QCOMPARE(CounterPrefix(CounterMemo(memo), mode), prefix);
}

void TestCounterLines::lines_data() {
    QTest::addColumn<QChar>("prefix");
    QTest::addColumn<bool>("expert");
    QTest::addColumn<QStringList>("tail"); // from gate 12 on

    QTest::newRow("plain") << QChar(u' ') << false
                           << QStringList{"#.  12:\t   7", "", "Starts:\t   4294967295"};
    QTest::newRow("expert") << QChar(u'S') << true
                            << QStringList{"#. S12:\t   7",          "",
                                           "Starts:\t   4294967295", "Errors:\t   0",
                                           "Bypass:\t   65536",      "Writes:\t   16777216"};
}

void TestCounterLines::lines() {
    QFETCH(QChar, prefix);
    QFETCH(bool, expert);
    QFETCH(QStringList, tail);

    const CountersBlock counters =
        Counters({{1, 0}, {3, 1500}, {12, 7}, {13, 0xFFFFFFFF}, {15, 0x10000}, {16, 0x1000000}});
    const QStringList lines = CounterLines(counters, prefix, expert);
    QCOMPARE(lines.size(), expert ? 17 : 14);
    QCOMPARE(lines[0], QStringLiteral("#. ") + prefix + "1:\t   0");
    QCOMPARE(lines[2], QStringLiteral("#. ") + prefix + "3:\t   1500");
    QCOMPARE(lines[9], QStringLiteral("#. ") + prefix + "10:\t   0");
    QCOMPARE(lines.mid(11), tail);
}

void TestCounterLines::csv_data() {
    QTest::addColumn<QString>("slaveCode"); // none: a single unit
    QTest::addColumn<bool>("expert");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("expectedRows");

    const QString at = QStringLiteral("2026-12-09 19:45:02");
    QTest::newRow("pair") << "F04A" << false << 1 + 2 * 13
                          << QStringList{at + ",F05A,master,3,Gate 3,1500",
                                         at + ",F05A,master,13,Starts,4294967295",
                                         at + ",F04A,slave,12,Gate 12,7",
                                         at + ",F04A,slave,13,Starts,4294967295"};
    QTest::newRow("single unit, expert")
        << QString() << true << 1 + 16
        << QStringList{at + ",F05A,master,16,Writes,16777216", at + ",F05A,master,14,Errors,0"};
    QTest::newRow("codes that need quoting")
        << " 205" << false << 1 + 2 * 13 << QStringList{at + ",\" 205\",slave,1,Gate 1,0"};
}

void TestCounterLines::csv() {
    QFETCH(QString, slaveCode);
    QFETCH(bool, expert);
    QFETCH(int, rows);
    QFETCH(QStringList, expectedRows);

    const CountersBlock counters =
        Counters({{3, 1500}, {12, 7}, {13, 0xFFFFFFFF}, {15, 0x10000}, {16, 0x1000000}});
    QList<UnitCounters> units{{"master", "F05A", &counters}};
    if (!slaveCode.isNull())
        units.append({"slave", slaveCode, &counters});
    const QDateTime at(QDate(2026, 12, 9), QTime(19, 45, 2));
    const QStringList lines = CountersCsv(at, units, expert).split(u'\n', Qt::SkipEmptyParts);

    QCOMPARE(lines.size(), rows);
    QCOMPARE(lines.first(), QStringLiteral("date,firmware,unit,counter,name,value"));
    for (const QString& row : expectedRows)
        QVERIFY2(lines.contains(row), qPrintable(row));
    QCOMPARE(lines.filter(QStringLiteral(",slave,")).isEmpty(), slaveCode.isNull());
}

VT12_TEST(TestCounterLines, TestApplication::Core)
#include "tst_counter_lines.moc"
