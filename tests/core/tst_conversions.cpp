#include "core/conversions.h"

#include "tests/support/test_registry.h"

#include <QLocale>
#include <QTest>

class TestConversions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void swaps() {
        QCOMPARE(Swap16(0x1234), 0x3412u);
        QCOMPARE(Swap16(0xFF00), 0x00FFu);
        QCOMPARE(Swap16Low(0xAABB1234u), 0xAABB3412u);
        QCOMPARE(Swap32(0x12345678u), 0x78563412u);
    }

    void percent_data() {
        QTest::addColumn<int>("part");
        QTest::addColumn<int>("whole");
        QTest::addColumn<int>("result");
        QTest::newRow("12.5 to even") << 1 << 8 << 12;
        QTest::newRow("37.5 to even") << 3 << 8 << 38;
        QTest::newRow("whole") << 255 << 255 << 100;
        QTest::newRow("zero whole") << 5 << 0 << 0;
    }
    void percent() {
        QFETCH(int, part);
        QFETCH(int, whole);
        QFETCH(int, result);
        QCOMPARE(Percent(part, whole), result);
    }

    void hexPairs() {
        uint8_t bytes[4] = {9, 9, 9, 9};
        HexPairsToBytes("0AFFzz", bytes, 4);
        QCOMPARE(bytes[0], uint8_t(10));
        QCOMPARE(bytes[1], uint8_t(255));
        QCOMPARE(bytes[2], uint8_t(0));
        QCOMPARE(bytes[3], uint8_t(0));
    }

    void containsAt() {
        int at = -1;
        QVERIFY(ContainsAt("VT12", "xxVT12F05A", at));
        QCOMPARE(at, 3);
        QVERIFY(!ContainsAt("F04", "VT12F05A", at));
        QCOMPARE(at, 0);
    }

    void replaceAll_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sub");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("result");
        QTest::newRow("rescans from the start") << "aab"
                                                << "ab"
                                                << "b"
                                                << "b";
        QTest::newRow("every occurrence") << "a,b,c"
                                          << ","
                                          << "; "
                                          << "a; b; c";
        QTest::newRow("replacement holds the sub-text") << "a.b"
                                                        << "."
                                                        << ".."
                                                        << "a..b";
        QTest::newRow("empty sub-text") << "abc"
                                        << ""
                                        << "x"
                                        << "abc";
    }
    void replaceAll() {
        QFETCH(QString, text);
        QFETCH(QString, sub);
        QFETCH(QString, replacement);
        QFETCH(QString, result);
        QCOMPARE(ReplaceAll(text, sub, replacement), result);
    }

    void lenientFloat_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("result");
        QTest::newRow("comma and unit") << "   12,5 mA" << 12.5;
        QTest::newRow("point") << "12.5" << 12.5;
        QTest::newRow("last separator stays") << "1.2.3" << 12.3;
        QTest::newRow("thousands and decimals") << "1.234,5" << 1234.5;
        QTest::newRow("negative") << "-4" << -4.0;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("empty") << "" << -1.0;
        QTest::newRow("letters only") << "abc" << -1.0;
        QTest::newRow("two minus signs") << "--5" << -1.0;
        QTest::newRow("huge exponent") << "1e999" << -1.0;
    }
    void lenientFloat() {
        QFETCH(QString, text);
        QFETCH(double, result);
        QCOMPARE(LenientFloat(text, -1.0), result);
        QLocale::setDefault(QLocale(QLocale::German));
        QCOMPARE(LenientFloat(text, -1.0), result);
        QLocale::setDefault(QLocale::c());
    }
};

VT12_TEST(TestConversions, TestApplication::Core)
#include "tst_conversions.moc"
