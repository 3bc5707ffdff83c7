#include "tests/widgets/widget_probe.h"
#include "widgets/callout_instances.h"
#include "widgets/info_bubble.h"
#include "widgets/info_shape.h"

#include "tests/support/test_registry.h"

#include <QLabel>
#include <QTest>

namespace {

const QColor Black{0, 0, 0};
const QColor White{255, 255, 255};
const QColor Cream{255, 251, 240};
const QColor Red{255, 0, 0};

constexpr int W = 100;
constexpr int H = 60;
constexpr int L = 10;
constexpr int A = 20;
constexpr int P = 30;

enum class Side { Top, Bottom, Left, Right };

// A pixel given by its place along the arrow's side and its depth from the control's edge
// on that side (the tip at depth 0, the body's edge at depth L).
QPoint Map(Side side, int along, int depth) {
    switch (side) {
    case Side::Top:
        return {along, depth};
    case Side::Bottom:
        return {along, H - depth};
    case Side::Left:
        return {depth, along};
    case Side::Right:
        return {W - depth, along};
    }
    return {};
}

QColor At(const QImage& image, const QPoint& p) {
    return image.pixelColor(p);
}

// Where the arrow's slanted edge meets a pixel, smoothing may lighten the outline a little.
bool Dark(const QColor& color) {
    return color.lightness() < 64;
}

} // namespace

class TestCallout : public QObject {
    Q_OBJECT
private slots:
    void arrowAndBody_data();
    void arrowAndBody();
    void noArrowGivesPlainBody();
    void brushChangeRepaints();
    void bubbleLetsParentShowThrough();
    void instances_data();
    void instances();
};

void TestCallout::arrowAndBody_data() {
    QTest::addColumn<TArrowLayout>("layout");
    QTest::addColumn<Side>("side");
    QTest::addColumn<bool>("style");
    const struct {
        const char* name;
        TArrowLayout layout;
        Side side;
    } sides[] = {{"top", TArrowLayout::alTop, Side::Top},
                 {"bottom", TArrowLayout::alBottom, Side::Bottom},
                 {"left", TArrowLayout::alLeft, Side::Left},
                 {"right", TArrowLayout::alRight, Side::Right},
                 {"client means top", TArrowLayout::alClient, Side::Top},
                 {"none means top", TArrowLayout::alNone, Side::Top},
                 {"custom means top", TArrowLayout::alCustom, Side::Top}};
    for (const auto& s : sides) {
        for (bool style : {false, true}) {
            QTest::addRow("%s, style %s", s.name, style ? "true" : "false")
                << s.layout << s.side << style;
        }
    }
}

void TestCallout::arrowAndBody() {
    QFETCH(TArrowLayout, layout);
    QFETCH(Side, side);
    QFETCH(bool, style);
    TInfoShape shape;
    shape.resize(W, H);
    shape.SetFrameRound(0);
    shape.SetArrowLayout(layout);
    shape.SetArrowLength(L);
    shape.SetArrowWidth(A);
    shape.SetArrowPosition(P);
    shape.SetArrowStyle(style);
    const QImage image = Render(shape);

    QCOMPARE(At(image, QPoint(W / 2, H / 2)), White);
    // The body's edge on the arrow side, away from the arrow, and the arrow's base ends.
    QCOMPARE(At(image, Map(side, P - 10, L)), Black);
    QVERIFY(Dark(At(image, Map(side, P, L))));
    QVERIFY(Dark(At(image, Map(side, P + A, L))));
    // The joint is opened: body and arrow read as one outline.
    QCOMPARE(At(image, Map(side, P + 1, L)), White);
    QCOMPARE(At(image, Map(side, P + A / 2, L)), White);
    QCOMPARE(At(image, Map(side, P + A - 1, L)), White);
    // Halfway to the tip: the edge perpendicular to the body, and inside the arrow.
    const int perpendicular = style ? P + A : P;
    const int inside = style ? P + A - 3 : P + 3;
    QCOMPARE(At(image, Map(side, perpendicular, L / 2)), Black);
    QCOMPARE(At(image, Map(side, inside, L / 2)), White);
    // Beside the arrow nothing is drawn.
    QCOMPARE(At(image, Map(side, P + A + 5, L / 2)), Unpainted);
    QCOMPARE(At(image, Map(side, P - 10, L / 2)), Unpainted);
}

void TestCallout::noArrowGivesPlainBody() {
    std::unique_ptr<TInfoShape> shape(CreateInfoShape(TInfoShapeInstance::InfoShape2, nullptr));
    QCOMPARE(shape->size(), QSize(307, 20));
    const QColor outline(64, 64, 64);
    const QColor face = shape->Brush().color();
    const QImage image = Render(*shape);
    QCOMPARE(At(image, QPoint(0, 10)), outline);
    QCOMPARE(At(image, QPoint(306, 10)), outline);
    QCOMPARE(At(image, QPoint(150, 0)), outline);
    QCOMPARE(At(image, QPoint(150, 19)), outline);
    QCOMPARE(At(image, QPoint(1, 10)), face);
    QCOMPARE(At(image, QPoint(150, 10)), face);
    // Rounded corners.
    QCOMPARE(At(image, QPoint(0, 0)), Unpainted);
}

void TestCallout::brushChangeRepaints() {
    TInfoShape shape;
    PaintCounter::ShowSettled(shape);
    PaintCounter counter(&shape);
    counter.Reset();
    shape.SetBrush(QColor(255, 255, 0));
    QCOMPARE(counter.Paints(), 1);
    QCOMPARE(At(Render(shape), QPoint(100, 30)), QColor(255, 255, 0));
}

void TestCallout::bubbleLetsParentShowThrough() {
    QWidget parent;
    parent.resize(300, 200);
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, Red);
    parent.setPalette(palette);
    parent.setAutoFillBackground(true);
    auto* bubble = new TInfoBubble(&parent);
    bubble->move(10, 10);
    bubble->SetFrameRound(0);
    auto* label = new QLabel(QStringLiteral("x"), bubble);
    label->setGeometry(100, 60, 40, 20);

    QImage image(parent.size(), QImage::Format_ARGB32);
    parent.render(&image);
    // Default bubble: arrow on top, 20 deep, at 25, 15 wide, tip over the base start.
    QCOMPARE(At(image, QPoint(10 + 5, 10 + 5)), Red);
    QCOMPARE(At(image, QPoint(10 + 60, 10 + 10)), Red);
    QCOMPARE(At(image, QPoint(10 + 125, 10 + 40)), Cream);
    QCOMPARE(At(image, QPoint(10 + 28, 10 + 15)), Cream);
    // The label paints over the body without a background of its own.
    QCOMPARE(At(image, QPoint(10 + 135, 10 + 75)), Cream);
}

void TestCallout::instances_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("inArrow");
    QTest::addColumn<QColor>("fill");
    QTest::newRow("InfoShape1") << "InfoShape1" << QSize(125, 30) << QPoint(5, 17)
                                << QColor(255, 255, 0);
    QTest::newRow("ibAboutVfd") << "ibAboutVfd" << QSize(215, 125) << QPoint(200, 97) << Cream;
}

void TestCallout::instances() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(QPoint, inArrow);
    QFETCH(QColor, fill);
    std::unique_ptr<TCallout> callout(
        name == "ibAboutVfd"
            ? static_cast<TCallout*>(CreateIbAboutVfd(nullptr))
            : static_cast<TCallout*>(CreateInfoShape(TInfoShapeInstance::InfoShape1, nullptr)));
    QCOMPARE(callout->objectName(), name);
    QCOMPARE(callout->size(), size);
    const QImage image = Render(*callout);
    QCOMPARE(At(image, inArrow), fill);
    QCOMPARE(At(image, QPoint(size.width() / 2, size.height() / 2)), fill);
}

VT12_TEST(TestCallout, TestApplication::Widgets)
#include "tst_callout.moc"
