#include "data/counter_lines.h"

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

QTEST_GUILESS_MAIN(TestCounterLines)
#include "tst_counter_lines.moc"
