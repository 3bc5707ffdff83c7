#include "tests/widgets/widget_probe.h"
#include "widgets/format_bit_nr.h"
#include "widgets/led_bits.h"
#include "widgets/led_bits_instances.h"

#include "tests/support/test_registry.h"

#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

const QColor On{255, 255, 0};
const QColor Off{192, 192, 192};
const QColor Outline{128, 128, 128};
const QColor Panel{240, 240, 240};

// A column of LEDs 10 x 9 every 11 pixels from the top-left corner, as the drive panels use.
void SetUpColumn(TLedBits& leds, int count) {
    leds.resize(100, 400);
    leds.SetColor(Panel);
    leds.SetAlignment(TPanelAlignment::taLeftJustify);
    leds.SetLedCount(count);
    leds.SetLedDistance(11);
    leds.SetLedWidth(10);
    leds.SetLedHeight(9);
}

QList<int> LitLeds(const QImage& image, int count) {
    QList<int> lit;
    for (int k = 0; k < count; ++k) {
        if (image.pixelColor(5, k * 11 + 4) == On) {
            lit << k;
        }
    }
    return lit;
}

// True when something other than the panel colour is drawn inside the area.
bool Drawn(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y) != Panel) {
                return true;
            }
        }
    }
    return false;
}

QRect DrawnBounds(const QImage& image, const QRect& area) {
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y) != Panel) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

} // namespace

class TestLedBits : public QObject {
    Q_OBJECT
private slots:
    void litLeds_data();
    void litLeds();
    void countOutsideRangeIsIgnored_data();
    void countOutsideRangeIsIgnored();
    void frameWidth_data();
    void frameWidth();
    void ledBitsOn_data();
    void ledBitsOn();
    void formatBitNr_data();
    void formatBitNr();
    void labelChoice_data();
    void labelChoice();
    void horizontalLabelsRunUpward_data();
    void horizontalLabelsRunUpward();
    void sameValueDoesNotRepaint();
    void mouseEnterAndLeave();
    void driveWordRows_data();
    void driveWordRows();
};

void TestLedBits::litLeds_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("leftTopBit0");
    QTest::addColumn<int>("firstBit");
    QTest::addColumn<uint>("value");
    QTest::addColumn<QList<int>>("lit");
    QTest::newRow("first and last of 16") << 16 << true << 0 << 0x8001u << QList<int>{0, 15};
    QTest::newRow("reversed, bit 0 last") << 4 << false << 0 << 0x1u << QList<int>{3};
    QTest::newRow("reversed, bit 31 first") << 32 << false << 0 << 0x80000000u << QList<int>{0};
    QTest::newRow("first bit offset") << 4 << true << 2 << 0x4u << QList<int>{0};
    QTest::newRow("bits past 31 read as 0") << 4 << true << 30 << 0xFFFFFFFFu << QList<int>{0, 1};
    QTest::newRow("negative bits read as 0") << 4 << true << -2 << 0xFFFFFFFFu << QList<int>{2, 3};
}

void TestLedBits::litLeds() {
    QFETCH(int, count);
    QFETCH(bool, leftTopBit0);
    QFETCH(int, firstBit);
    QFETCH(uint, value);
    QFETCH(QList<int>, lit);
    TLedBits leds;
    SetUpColumn(leds, count);
    leds.SetLeftTopBit0(leftTopBit0);
    leds.SetLedFirstBit(firstBit);
    leds.SetLedBitsValue(value);
    QCOMPARE(LitLeds(Render(leds), count), lit);
}

void TestLedBits::countOutsideRangeIsIgnored_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("stored");
    QTest::newRow("0") << 0 << 16;
    QTest::newRow("33") << 33 << 16;
    QTest::newRow("negative") << -1 << 16;
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("32") << 32 << 32;
}

void TestLedBits::countOutsideRangeIsIgnored() {
    QFETCH(int, count);
    QFETCH(int, stored);
    TLedBits leds;
    SetUpColumn(leds, 16);
    PaintCounter::ShowSettled(leds);
    PaintCounter counter(&leds);
    counter.Reset();
    leds.SetLedCount(count);
    QCOMPARE(leds.LedCount(), stored);
    QCOMPARE(counter.Paints(), 1);
}

void TestLedBits::frameWidth_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QColor>("corner");
    QTest::addColumn<QColor>("oneIn");
    QTest::newRow("no outline") << 0 << 0 << Off << Off;
    QTest::newRow("1") << 1 << 1 << Outline << Off;
    QTest::newRow("2") << 2 << 2 << Outline << Outline;
    QTest::newRow("10") << 10 << 10 << Outline << Outline;
    QTest::newRow("11 is taken as 1") << 11 << 1 << Outline << Off;
}

void TestLedBits::frameWidth() {
    QFETCH(int, width);
    QFETCH(int, stored);
    QFETCH(QColor, corner);
    QFETCH(QColor, oneIn);
    TLedBits leds;
    SetUpColumn(leds, 1);
    leds.SetLedWidth(30);
    leds.SetLedHeight(30);
    leds.SetLedFrameWidth(static_cast<uint8_t>(width));
    QCOMPARE(int(leds.LedFrameWidth()), stored);
    const int h = stored / 2;
    const QImage image = Render(leds);
    QCOMPARE(PixelAt(image, h, h), corner);
    QCOMPARE(PixelAt(image, h + 1, h + 1), oneIn);
    QCOMPARE(PixelAt(image, h + 15, h + 15), Off);
}

void TestLedBits::ledBitsOn_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<uint>("value");
    QTest::newRow("3") << 3 << 7u;
    QTest::newRow("0") << 0 << 0u;
    QTest::newRow("negative") << -4 << 0u;
    QTest::newRow("31") << 31 << 0x7FFFFFFFu;
    QTest::newRow("32") << 32 << 0xFFFFFFFFu;
    QTest::newRow("above 32") << 40 << 0xFFFFFFFFu;
}

void TestLedBits::ledBitsOn() {
    QFETCH(int, n);
    QFETCH(uint, value);
    TLedBits leds;
    leds.SetLedBitsValue(0x12345678);
    leds.SetLedBitsOn(n);
    QCOMPARE(leds.LedBitsValue(), value);
}

void TestLedBits::formatBitNr_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("bitNr");
    QTest::addColumn<QString>("text");
    QTest::newRow("00") << "00" << 5 << "05";
    QTest::newRow("B00:") << "B00:" << 12 << "B12:";
    QTest::newRow("00H") << "00H" << 10 << "0A";
    QTest::newRow("Bit 0") << "Bit 0" << 3 << "Bit 3";
    QTest::newRow("more digits than zeros") << "0" << 123 << "123";
    QTest::newRow("hex without zeros") << "H" << 255 << "FF";
    QTest::newRow("zeros then text then zeros") << "00-000" << 7 << "07-007";
    QTest::newRow("no placeholders") << "LED" << 9 << "LED";
    QTest::newRow("empty") << "" << 9 << "";
    QTest::newRow("negative keeps its sign in front") << "000" << -5 << "-005";
}

void TestLedBits::formatBitNr() {
    QFETCH(QString, pattern);
    QFETCH(int, bitNr);
    QFETCH(QString, text);
    QCOMPARE(FormatBitNr(pattern, bitNr), text);
}

void TestLedBits::labelChoice_data() {
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<bool>("addBitNr");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QList<bool>>("labelled");
    QTest::newRow("none asked") << QStringList() << false << "" << QList<bool>{false, false};
    QTest::newRow("texts, short list")
        << QStringList{"ONE"} << false << "" << QList<bool>{true, false};
    QTest::newRow("empty entry, no fallback")
        << QStringList{"", "TWO"} << false << "" << QList<bool>{false, true};
    QTest::newRow("empty entry, bit numbers")
        << QStringList{"", "TWO"} << true << "" << QList<bool>{true, true};
    QTest::newRow("empty entry, pattern")
        << QStringList{""} << false << "B0" << QList<bool>{true, true};
}

void TestLedBits::labelChoice() {
    QFETCH(QStringList, labels);
    QFETCH(bool, addBitNr);
    QFETCH(QString, format);
    QFETCH(QList<bool>, labelled);
    TLedBits leds;
    SetUpColumn(leds, 2);
    leds.SetLedDistance(30);
    leds.SetLedLabels(labels);
    leds.SetLedAddBitNr(addBitNr);
    leds.SetLedFormatBitNr(format);
    const QImage image = Render(leds);
    for (int k = 0; k < 2; ++k) {
        // Labels start 3 pixels right of the LED.
        QCOMPARE(Drawn(image, QRect(13, qMax(0, k * 30 - 3), 60, 15)), labelled[k]);
    }
}

void TestLedBits::horizontalLabelsRunUpward_data() {
    QTest::addColumn<TLedLayout>("layout");
    QTest::newRow("labels below the LEDs") << TLedLayout::tlTop;
    QTest::newRow("labels above the LEDs") << TLedLayout::tlBottom;
}

void TestLedBits::horizontalLabelsRunUpward() {
    QFETCH(TLedLayout, layout);
    TLedBits leds;
    leds.resize(60, 120);
    leds.SetColor(Panel);
    leds.SetOrientation(TLedOrientation::pbHorizontal);
    leds.SetAlignment(TPanelAlignment::taLeftJustify);
    leds.SetLayout(layout);
    leds.SetLedCount(1);
    leds.SetLedFrameWidth(0);
    leds.SetLedWidth(10);
    leds.SetLedHeight(10);
    leds.SetLedLabels({"ABCDEFG"});
    const QImage image = Render(leds);
    const QRect led = layout == TLedLayout::tlTop ? QRect(0, 0, 10, 10) : QRect(0, 110, 10, 10);
    const QRect labelArea =
        layout == TLedLayout::tlTop ? QRect(0, 12, 60, 108) : QRect(0, 0, 60, 107);
    const QRect label = DrawnBounds(image, labelArea);
    QVERIFY(label.isValid());
    // Rotated: taller than wide, and centred on the LED's width.
    QVERIFY(label.height() > 2 * label.width());
    QVERIFY(qAbs(label.center().x() - led.center().x()) <= 3);
    if (layout == TLedLayout::tlTop) {
        QCOMPARE(label.bottom(), 119);
    } else {
        QVERIFY(label.bottom() <= 107);
        QVERIFY(label.bottom() >= 100);
    }
}

void TestLedBits::sameValueDoesNotRepaint() {
    TLedBits leds;
    SetUpColumn(leds, 8);
    leds.SetLedBitsValue(0x55);
    PaintCounter::ShowSettled(leds);
    PaintCounter counter(&leds);
    counter.Reset();
    leds.SetLedBitsValue(0x55);
    QCOMPARE(counter.Paints(), 0);
    leds.SetLedBitsValue(0x56);
    QCOMPARE(counter.Paints(), 1);
}

void TestLedBits::mouseEnterAndLeave() {
    TLedBits leds;
    QSignalSpy entered(&leds, &TLedBits::OnMouseEnter);
    QSignalSpy left(&leds, &TLedBits::OnMouseLeave);
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(&leds, &enter);
    QCOMPARE(entered.count(), 1);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&leds, &leave);
    QCOMPARE(left.count(), 1);
}

void TestLedBits::driveWordRows_data() {
    QTest::addColumn<TLedBitsInstance>("which");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("onColor");
    QTest::addColumn<QString>("lastLabel");
    QTest::newRow("control word") << TLedBitsInstance::lbCW << "lbCW" << QSize(92, 175)
                                  << QColor(0, 255, 255) << "EXT_CTRL_LOC";
    QTest::newRow("status word") << TLedBitsInstance::lbSW << "lbSW" << QSize(83, 175)
                                 << QColor(255, 255, 0) << "";
}

void TestLedBits::driveWordRows() {
    QFETCH(TLedBitsInstance, which);
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(QColor, onColor);
    QFETCH(QString, lastLabel);
    std::unique_ptr<TLedBits> leds(CreateLedBits(which, nullptr));
    QCOMPARE(leds->objectName(), name);
    QCOMPARE(leds->size(), size);
    QCOMPARE(leds->LedCount(), 16);
    QCOMPARE(leds->LedLabels().last(), lastLabel);
    leds->SetLedBitsValue(0x8001);
    const QImage image = Render(*leds);
    QCOMPARE(PixelAt(image, 5, 4), onColor);
    QCOMPARE(PixelAt(image, 5, 15 * 11 + 4), onColor);
    QCOMPARE(PixelAt(image, 5, 7 * 11 + 4), Off);
    // Every label fits the row's width.
    const QFontMetrics metrics(leds->font());
    for (const QString& label : leds->LedLabels()) {
        QVERIFY2(13 + metrics.horizontalAdvance(label) <= size.width(), qPrintable(label));
    }
    QVERIFY(metrics.height() <= 11);
}

VT12_TEST(TestLedBits, TestApplication::Widgets)
#include "tst_led_bits.moc"
