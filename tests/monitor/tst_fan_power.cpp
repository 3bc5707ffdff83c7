#include "monitor/fan_power.h"

#include "tests/support/test_registry.h"

#include <QTest>

class TestFanPower : public QObject {
    Q_OBJECT

private slots:
    void sliderSetsPercentage_data();
    void sliderSetsPercentage();
    void percentageMovesSlider_data();
    void percentageMovesSlider();
    void evenPercentagesRoundTrip();
    void typedText_data();
    void typedText();
    void powerByte_data();
    void powerByte();
};

void TestFanPower::sliderSetsPercentage_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("percentage");

    QTest::newRow("top") << 0 << 100;
    QTest::newRow("20") << 20 << 60;
    QTest::newRow("bottom") << 50 << 0;
    QTest::newRow("above the top") << -3 << 100;
    QTest::newRow("below the bottom") << 51 << 0;
}

void TestFanPower::sliderSetsPercentage() {
    QFETCH(int, position);
    QFETCH(int, percentage);

    FanPower power;
    power.SetSliderPosition(position);
    QCOMPARE(power.Percentage(), percentage);
}

void TestFanPower::percentageMovesSlider_data() {
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("percentage");
    QTest::addColumn<int>("position");

    QTest::newRow("odd 35 keeps its value") << 35 << 35 << 33;
    QTest::newRow("odd 1") << 1 << 1 << 50;
    QTest::newRow("100") << 100 << 100 << 0;
    QTest::newRow("above 100 stops there") << 250 << 100 << 0;
    QTest::newRow("below 0 stops there") << -20 << 0 << 50;
}

void TestFanPower::percentageMovesSlider() {
    QFETCH(int, set);
    QFETCH(int, percentage);
    QFETCH(int, position);

    FanPower power;
    power.SetPercentage(set);
    QCOMPARE(power.Percentage(), percentage);
    QCOMPARE(power.SliderPosition(), position);
}

void TestFanPower::evenPercentagesRoundTrip() {
    for (int percentage = 0; percentage <= 100; percentage += 2) {
        FanPower power;
        power.SetPercentage(percentage);
        power.SetSliderPosition(power.SliderPosition());
        QCOMPARE(power.Percentage(), percentage);
    }
}

void TestFanPower::typedText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("percentage");
    QTest::addColumn<bool>("corrected");

    QTest::newRow("number") << "35" << 35 << false;
    QTest::newRow("blanks around") << " 42 " << 42 << false;
    QTest::newRow("letters keep it") << "abc" << 20 << false;
    QTest::newRow("emptied while retyping") << "" << 20 << false;
    QTest::newRow("decimal keeps it") << "4.5" << 20 << false;
    QTest::newRow("too large for a number") << "99999999999" << 20 << false;
    // What is sent replaces what was typed: the entry never shows 250 while 100 % runs.
    QTest::newRow("above 100") << "150" << 100 << true;
    QTest::newRow("negative") << "-5" << 0 << true;
}

void TestFanPower::typedText() {
    QFETCH(QString, text);
    QFETCH(int, percentage);
    QFETCH(bool, corrected);

    FanPower power;
    power.SetPercentage(20);
    QCOMPARE(power.TypePercentage(text), corrected);
    QCOMPARE(power.Percentage(), percentage);
    QCOMPARE(power.SliderPosition(), 50 - percentage / 2);
}

void TestFanPower::powerByte_data() {
    QTest::addColumn<int>("percentage");
    QTest::addColumn<int>("power");

    QTest::newRow("0") << 0 << 0;
    QTest::newRow("1 rounds up") << 1 << 3;
    QTest::newRow("20") << 20 << 51;
    // Exact halves go to the even neighbour.
    QTest::newRow("10 is 25.5") << 10 << 26;
    QTest::newRow("30 is 76.5") << 30 << 76;
    QTest::newRow("50 is 127.5") << 50 << 128;
    QTest::newRow("70 is 178.5") << 70 << 178;
    QTest::newRow("90 is 229.5") << 90 << 230;
    QTest::newRow("100") << 100 << 255;
}

void TestFanPower::powerByte() {
    QFETCH(int, percentage);
    QFETCH(int, power);

    FanPower fan;
    fan.SetPercentage(percentage);
    QCOMPARE(int(fan.PowerByte()), power);
}

VT12_TEST(TestFanPower, TestApplication::None)
#include "tst_fan_power.moc"
