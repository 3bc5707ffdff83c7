#include "data/exact_rounding.h"

#include "tests/support/test_registry.h"

#include <QTest>
#include <limits>

class TestExactRounding : public QObject {
    Q_OBJECT

private slots:
    void ratioTiesGoToEven_data();
    void ratioTiesGoToEven();
    void scaledValueIsTheTypedDecimal_data();
    void scaledValueIsTheTypedDecimal();
    void productThatDoesNotFit();
};

void TestExactRounding::ratioTiesGoToEven_data() {
    QTest::addColumn<qint64>("numerator");
    QTest::addColumn<qint64>("denominator");
    QTest::addColumn<qint64>("rounded");

    QTest::newRow("50 % of 255: 127.5") << qint64(50 * 255) << qint64(100) << qint64(128);
    QTest::newRow("10 % of 255: 25.5") << qint64(10 * 255) << qint64(100) << qint64(26);
    QTest::newRow("30 % of 255: 76.5") << qint64(30 * 255) << qint64(100) << qint64(76);
    QTest::newRow("2.5") << qint64(5) << qint64(2) << qint64(2);
    QTest::newRow("3.5") << qint64(7) << qint64(2) << qint64(4);
    QTest::newRow("-2.5") << qint64(-5) << qint64(2) << qint64(-2);
    QTest::newRow("-3.5") << qint64(-7) << qint64(2) << qint64(-4);
    QTest::newRow("-2.6") << qint64(-13) << qint64(5) << qint64(-3);
    QTest::newRow("2.4") << qint64(12) << qint64(5) << qint64(2);
    QTest::newRow("exact") << qint64(-12) << qint64(4) << qint64(-3);
    QTest::newRow("largest") << std::numeric_limits<qint64>::max() << qint64(1)
                             << std::numeric_limits<qint64>::max();
}

void TestExactRounding::ratioTiesGoToEven() {
    QFETCH(qint64, numerator);
    QFETCH(qint64, denominator);
    QFETCH(qint64, rounded);
    QCOMPARE(RoundRatio(numerator, denominator), rounded);
}

void TestExactRounding::scaledValueIsTheTypedDecimal_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("numerator");
    QTest::addColumn<qint64>("denominator");
    QTest::addColumn<qint64>("rounded");

    const qint64 most = std::numeric_limits<qint64>::max();
    const qint64 least = std::numeric_limits<qint64>::min();
    // Each of these lands on the wrong side of the tie when computed in binary fractions.
    QTest::newRow("50 x 2.55") << 50.0 << qint64(255) << qint64(100) << qint64(128);
    QTest::newRow("0.0005 x 1000") << 0.0005 << qint64(1000) << qint64(1) << qint64(0);
    QTest::newRow("0.0015 x 1000") << 0.0015 << qint64(1000) << qint64(1) << qint64(2);
    QTest::newRow("1.0005 x 1000") << 1.0005 << qint64(1000) << qint64(1) << qint64(1000);
    QTest::newRow("20.05 x 1000") << 20.05 << qint64(1000) << qint64(1) << qint64(20050);
    QTest::newRow("negative tie") << -0.0025 << qint64(1000) << qint64(1) << qint64(-2);
    QTest::newRow("negative denominator")
        << 10.0 << qint64(728000) << qint64(-20000) << qint64(-364);
    QTest::newRow("1.25 x 728 / 20") << 1.25 << qint64(728000) << qint64(20000) << qint64(46);
    QTest::newRow("whole number in exponent form")
        << 1e15 << qint64(1) << qint64(1000) << qint64(1000000000000);
    QTest::newRow("tiny") << 1e-300 << qint64(1000) << qint64(1) << qint64(0);
    QTest::newRow("too large") << 1e300 << qint64(1000) << qint64(1) << most;
    QTest::newRow("too small") << -1e300 << qint64(1000) << qint64(1) << least;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << qint64(1) << qint64(1)
                              << most;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << qint64(1)
                                  << qint64(1) << qint64(0);
}

void TestExactRounding::scaledValueIsTheTypedDecimal() {
    QFETCH(double, value);
    QFETCH(qint64, numerator);
    QFETCH(qint64, denominator);
    QFETCH(qint64, rounded);
    QCOMPARE(RoundScaled(value, numerator, denominator), rounded);
}

void TestExactRounding::productThatDoesNotFit() {
    QCOMPARE(CheckedProduct(3037000499, 3037000499), std::optional<int64_t>(9223372030926249001));
    QVERIFY(!CheckedProduct(3037000500, 3037000500));
    QVERIFY(!CheckedProduct(std::numeric_limits<int64_t>::min(), -1));
}

VT12_TEST(TestExactRounding, TestApplication::Core)
#include "tst_exact_rounding.moc"
