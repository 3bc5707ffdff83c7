#include "data/system_limits.h"

#include "tests/support/test_registry.h"

#include <QTest>

class TestSystemLimits : public QObject {
    Q_OBJECT

private slots:
    void entryIsBounded_data();
    void entryIsBounded();
    void unboundedFieldsStayZero();
};

void TestSystemLimits::entryIsBounded_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");

    QTest::newRow("MinCurrent") << int(SystemBound::MinCurrent) << 6 << 60;
    QTest::newRow("MaxCurrent") << int(SystemBound::MaxCurrent) << 24 << 252;
    QTest::newRow("ReverseDelay") << int(SystemBound::ReverseDelay) << 10 << 200;
    QTest::newRow("CleanHowLong") << int(SystemBound::CleanHowLong) << 1 << 60;
    QTest::newRow("CleanHowOften") << int(SystemBound::CleanHowOften) << 2 << 99;
    QTest::newRow("CleanAtStopRunMin") << int(SystemBound::CleanAtStopRunMin) << 2 << 60;
    QTest::newRow("CleanAtStopHowLong") << int(SystemBound::CleanAtStopHowLong) << 1 << 20;
    QTest::newRow("SmartMinAirflow percent")
        << int(SystemBound::SmartMinAirflowPercent) << 0 << 100;
}

void TestSystemLimits::entryIsBounded() {
    QFETCH(int, field);
    QFETCH(int, min);
    QFETCH(int, max);
    const auto bound = SystemBound(field);

    QCOMPARE(Bounded(bound, min - 1), min);
    QCOMPARE(Bounded(bound, min), min);
    QCOMPARE(Bounded(bound, min + 1), min + 1);
    QCOMPARE(Bounded(bound, max), max);
    QCOMPARE(Bounded(bound, max + 1), max);
    // Entries far outside a byte still land inside the bounds.
    QCOMPARE(Bounded(bound, -100000), min);
    QCOMPARE(Bounded(bound, 100000), max);
}

void TestSystemLimits::unboundedFieldsStayZero() {
    // Only the bounded entries of the two records carry anything.
    for (const int at : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 14, 16, 17, 20, 21, 25, 26, 27}) {
        QCOMPARE(SystemMin.Bytes[size_t(at)], uint8_t(0));
        QCOMPARE(SystemMax.Bytes[size_t(at)], uint8_t(0));
    }
    QVERIFY(!SystemMax.SmartMinAirflowEnabled());
}

VT12_TEST(TestSystemLimits, TestApplication::Core)
#include "tst_system_limits.moc"
