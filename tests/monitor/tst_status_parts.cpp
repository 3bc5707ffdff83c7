#include "monitor/cleaning_display.h"
#include "monitor/input_lamps.h"
#include "monitor/notice_line.h"

#include "tests/support/test_registry.h"

#include <QTest>

class TestStatusParts : public QObject {
    Q_OBJECT

private slots:
    void noticeLine_data();
    void noticeLine();
    void cleaning_data();
    void cleaning();
    void blinking();
};

void TestStatusParts::noticeLine_data() {
    QTest::addColumn<QList<int>>("flags");
    // Per poll: "-" hidden, "=" shown with the text it had, else the text assigned.
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("fan stop, then security, then none")
        << QList<int>{6, 4, 0}
        << QStringList{"Open Gates at Fan Stop Active", "Open Gates at Security Active", "-"};
    QTest::newRow("the lowest bit chooses")
        << QList<int>{7, 3, 1} << QStringList{"Keep Last Used Gates Open Active", "=", "="};
    QTest::newRow("same notice after hiding is not assigned again")
        << QList<int>{2, 0, 2, 1}
        << QStringList{"Open Gates at Fan Stop Active", "-", "=",
                       "Keep Last Used Gates Open Active"};
    QTest::newRow("unknown bits show the line with its text")
        << QList<int>{4, 8, 0xFFF8, 0x8002}
        << QStringList{"Open Gates at Security Active", "=", "=", "Open Gates at Fan Stop Active"};
    QTest::newRow("unknown bits first") << QList<int>{0x10} << QStringList{"="};
}

void TestStatusParts::noticeLine() {
    QFETCH(QList<int>, flags);
    QFETCH(QStringList, expected);

    NoticeLine line;
    for (qsizetype i = 0; i < flags.size(); ++i) {
        const NoticeDisplay shown = line.Show(uint16_t(flags[i]));
        QCOMPARE(shown.visible, expected[i] != u"-");
        QCOMPARE(shown.text.has_value(), shown.visible && expected[i] != u"=");
        if (shown.text)
            QCOMPARE(*shown.text, expected[i]);
    }
}

void TestStatusParts::cleaning_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("time");
    QTest::addColumn<int>("fan");
    QTest::addColumn<bool>("regular");
    QTest::addColumn<bool>("atStop");
    QTest::addColumn<int>("blue"); // -1 colour left alone
    QTest::addColumn<Lamp>("lamp");
    QTest::addColumn<QString>("text"); // "-" hidden and left alone

    QTest::newRow("nothing enabled")
        << 0x0E << 600 << 200 << false << false << -1 << Lamp::Off << "-";
    QTest::newRow("unused bits only")
        << 0xC1 << 600 << 200 << false << false << -1 << Lamp::Off << "-";
    QTest::newRow("running, one hour")
        << 0x12 << 36000 << 0 << true << false << 0 << Lamp::Yellow << "01:00:00";
    QTest::newRow("running by bit 2")
        << 0x24 << 6015 << 200 << false << true << 0 << Lamp::Yellow << "00:10:01";
    QTest::newRow("regular, fan runs")
        << 0x10 << 12345 << 1 << true << false << 0 << Lamp::Off << "After: 00:20:34";
    QTest::newRow("at stop, fan runs")
        << 0x20 << 12345 << 1 << false << true << 0 << Lamp::Off << "";
    QTest::newRow("at stop in blue, fan stopped")
        << 0x28 << 12345 << 0 << false << true << 1 << Lamp::Off << "-";
    QTest::newRow("longest time") << 0x34 << 65535 << 0 << true << true << 0 << Lamp::Yellow
                                  << "01:49:13";
}

void TestStatusParts::cleaning() {
    QFETCH(int, state);
    QFETCH(int, time);
    QFETCH(int, fan);
    QFETCH(bool, regular);
    QFETCH(bool, atStop);
    QFETCH(int, blue);
    QFETCH(Lamp, lamp);
    QFETCH(QString, text);

    const CleaningDisplay shown = Cleaning(uint8_t(state), uint16_t(time), uint8_t(fan));
    QCOMPARE(shown.regularEnabled, regular);
    QCOMPARE(shown.atStopEnabled, atStop);
    QCOMPARE(shown.atStopBlue.has_value(), blue >= 0);
    if (blue >= 0)
        QCOMPARE(*shown.atStopBlue, blue == 1);
    QCOMPARE(shown.lamp, lamp);
    QCOMPARE(shown.timeVisible, text != u"-");
    QCOMPARE(shown.timeText.has_value(), shown.timeVisible);
    if (shown.timeText)
        QCOMPARE(*shown.timeText, text);
}

void TestStatusParts::blinking() {
    // Security out of order, starting from the green lamp of an input in order.
    SecurityLamps security = kSecurityInOrder;
    for (int tick = 0; tick < 4; ++tick) {
        security = SecurityBlinkStep(security.lamp);
        const bool redPhase = tick % 2 == 0;
        QCOMPARE(security.lamp, redPhase ? Lamp::Red : Lamp::Green);
        QCOMPARE(security.caption, redPhase ? CaptionColor::Green : CaptionColor::Red);
    }
    // The bypass lamp leaves any colour for red, and red for off.
    QCOMPARE(BypassBlinkStep(Lamp::Green), Lamp::Red);
    QCOMPARE(BypassBlinkStep(BypassBlinkStep(Lamp::Off)), Lamp::Off);
}

VT12_TEST(TestStatusParts, TestApplication::Core)
#include "tst_status_parts.moc"
