#include "tests/widgets/widget_probe.h"
#include "widgets/level_bar.h"
#include "widgets/level_bar_instances.h"

#include "tests/support/test_registry.h"

#include <QTest>

namespace {

const QColor Yellow{255, 255, 0};
const QColor Grey{128, 128, 128};

// Rows (or columns) of the image along a line that are in the given colour.
int CountAlongColumn(const QImage& image, int x, int from, int to, const QColor& color) {
    int count = 0;
    for (int y = from; y <= to; ++y) {
        count += image.pixelColor(x, y) == color ? 1 : 0;
    }
    return count;
}

} // namespace

class TestLevelBar : public QObject {
    Q_OBJECT
private slots:
    void fanOutWorkedExample();
    void barLength_data();
    void barLength();
    void growingEdges_data();
    void growingEdges();
    void noFrameMeasuresGapFromEdge();
    void maxKeepsRangeOpen_data();
    void maxKeepsRangeOpen();
    void minAtOrAboveMaxDrawsWithoutDividing();
    void repaints_data();
    void repaints();
};

void TestLevelBar::fanOutWorkedExample() {
    std::unique_ptr<TLevelBar> bar(CreateLevelBar(TLevelBarInstance::lbFanOut, nullptr));
    QCOMPARE(bar->size(), QSize(25, 146));
    bar->SetPosition(128);
    const QImage image = Render(*bar);
    for (int x = 2; x <= 22; ++x) {
        QCOMPARE(CountAlongColumn(image, x, 73, 143, Yellow), 71);
        QCOMPARE(CountAlongColumn(image, x, 2, 72, Grey), 71);
    }
    QCOMPARE(PixelAt(image, 0, 0), QColor(Qt::black));
    QCOMPARE(PixelAt(image, 24, 145), QColor(Qt::black));
    QCOMPARE(PixelAt(image, 12, 0), QColor(Qt::black));
    QCOMPARE(PixelAt(image, 0, 70), QColor(Qt::black));
    // The gap between frame and bar is left alone.
    QCOMPARE(PixelAt(image, 1, 70), Unpainted);
    QCOMPARE(PixelAt(image, 12, 144), Unpainted);
}

void TestLevelBar::barLength_data() {
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("yellowRows");
    // Inside length 142, as lbFanOut has.
    QTest::newRow("at min") << 0 << 255 << 0 << 0;
    QTest::newRow("below min") << 10 << 255 << -5 << 0;
    QTest::newRow("at max") << 0 << 255 << 255 << 142;
    QTest::newRow("above max is clamped") << 0 << 255 << 1000 << 142;
    QTest::newRow("one step") << 0 << 255 << 1 << 1;
    // 142 / 4 x 1 = 35.5, to the even 36; x 3 = 106.5, to the even 106.
    QTest::newRow("tie rounds up to even") << 0 << 4 << 1 << 36;
    QTest::newRow("tie rounds down to even") << 0 << 4 << 3 << 106;
    QTest::newRow("offset range") << 100 << 200 << 150 << 71;
    QTest::newRow("extreme range") << INT_MIN << INT_MAX << INT_MAX << 142;
}

void TestLevelBar::barLength() {
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, position);
    QFETCH(int, yellowRows);
    std::unique_ptr<TLevelBar> bar(CreateLevelBar(TLevelBarInstance::lbFanOut, nullptr));
    bar->SetMin(min);
    bar->SetMax(max);
    bar->SetPosition(position);
    const QImage image = Render(*bar);
    QCOMPARE(CountAlongColumn(image, 12, 2, 143, Yellow), yellowRows);
    QCOMPARE(CountAlongColumn(image, 12, 2, 143, Grey), 142 - yellowRows);
    if (yellowRows > 0) {
        QCOMPARE(PixelAt(image, 12, 143), Yellow);
    }
}

void TestLevelBar::growingEdges_data() {
    QTest::addColumn<TGrowingFrom>("from");
    QTest::addColumn<QPoint>("inBar");
    QTest::addColumn<QPoint>("inRest");
    // 40 x 20 bar, frame 1, no gap: inside (1,1)..(38,18); half full.
    QTest::newRow("left") << TGrowingFrom::grLeft << QPoint(1, 10) << QPoint(38, 10);
    QTest::newRow("right") << TGrowingFrom::grRight << QPoint(38, 10) << QPoint(1, 10);
    QTest::newRow("top") << TGrowingFrom::grTop << QPoint(20, 1) << QPoint(20, 18);
    QTest::newRow("bottom") << TGrowingFrom::grBottom << QPoint(20, 18) << QPoint(20, 1);
}

void TestLevelBar::growingEdges() {
    QFETCH(TGrowingFrom, from);
    QFETCH(QPoint, inBar);
    QFETCH(QPoint, inRest);
    TLevelBar bar;
    bar.resize(40, 20);
    bar.SetGrowingFrom(from);
    bar.SetMax(100);
    bar.SetPosition(50);
    const QImage image = Render(bar);
    QCOMPARE(PixelAt(image, inBar.x(), inBar.y()), Yellow);
    QCOMPARE(PixelAt(image, inRest.x(), inRest.y()), Grey);
}

void TestLevelBar::noFrameMeasuresGapFromEdge() {
    TLevelBar bar;
    bar.resize(118, 4);
    bar.SetFrameWidth(0);
    bar.SetGap(1);
    bar.SetGrowingFrom(TGrowingFrom::grLeft);
    bar.SetPosition(255);
    const QImage image = Render(bar);
    QCOMPARE(PixelAt(image, 0, 2), Unpainted);
    QCOMPARE(PixelAt(image, 1, 1), Yellow);
    QCOMPARE(PixelAt(image, 116, 2), Yellow);
    QCOMPARE(PixelAt(image, 117, 2), Unpainted);
}

void TestLevelBar::maxKeepsRangeOpen_data() {
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("storedMax");
    QTest::newRow("above min") << 10 << 50 << 50;
    QTest::newRow("equal to min") << 10 << 10 << 11;
    QTest::newRow("below min") << 10 << 3 << 11;
    QTest::newRow("min at the top of the range") << INT_MAX << 0 << INT_MAX;
}

void TestLevelBar::maxKeepsRangeOpen() {
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, storedMax);
    TLevelBar bar;
    bar.SetMin(min);
    bar.SetMax(max);
    QCOMPARE(bar.Max(), storedMax);
}

void TestLevelBar::minAtOrAboveMaxDrawsWithoutDividing() {
    TLevelBar bar;
    bar.resize(10, 30);
    bar.SetMax(100);
    bar.SetMin(100);
    bar.SetPosition(50);
    QCOMPARE(PixelAt(Render(bar), 5, 15), Grey);
    bar.SetPosition(101);
    QCOMPARE(PixelAt(Render(bar), 5, 15), Yellow);
}

void TestLevelBar::repaints_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("paints");
    QTest::newRow("same position") << "position 40" << 0;
    QTest::newRow("new position") << "position 41" << 1;
    QTest::newRow("frame colour without frame") << "frame colour, no frame" << 0;
    QTest::newRow("frame colour with frame") << "frame colour" << 1;
}

void TestLevelBar::repaints() {
    QFETCH(QString, change);
    QFETCH(int, paints);
    TLevelBar bar;
    bar.resize(20, 40);
    bar.SetPosition(40);
    if (change == "frame colour, no frame") {
        bar.SetFrameWidth(0);
    }
    PaintCounter::ShowSettled(bar);
    PaintCounter counter(&bar);
    counter.Reset();
    if (change.startsWith("position")) {
        bar.SetPosition(change.section(' ', 1).toInt());
    } else {
        bar.SetFrameColor(Qt::blue);
    }
    QCOMPARE(counter.Paints(), paints);
}

VT12_TEST(TestLevelBar, TestApplication::Widgets)
#include "tst_level_bar.moc"
