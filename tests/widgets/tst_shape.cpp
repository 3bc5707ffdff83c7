#include "tests/widgets/widget_probe.h"
#include "widgets/shape.h"

#include "tests/support/test_registry.h"

#include <QApplication>

class TestShape : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rectangles_data() {
        QTest::addColumn<QColor>("fill");
        QTest::addColumn<int>("penWidth");
        QTest::addColumn<QColor>("centre");
        QTest::addColumn<QColor>("edge");
        QTest::addColumn<QColor>("insideEdge");
        QTest::newRow("filled, outlined") << QColor(Qt::yellow) << 1 << QColor(Qt::yellow)
                                          << QColor(Qt::blue) << QColor(Qt::yellow);
        QTest::newRow("outline only stays open")
            << QColor() << 2 << Unpainted << QColor(Qt::blue) << QColor(Qt::blue);
        QTest::newRow("fill only") << QColor(Qt::green) << 0 << QColor(Qt::green)
                                   << QColor(Qt::green) << QColor(Qt::green);
    }
    void rectangles() {
        QFETCH(QColor, fill);
        QFETCH(int, penWidth);
        QFETCH(QColor, centre);
        QFETCH(QColor, edge);
        QFETCH(QColor, insideEdge);
        TShape shape(TShape::TShapeKind::Rectangle);
        shape.resize(20, 10);
        shape.SetBrushColor(fill);
        shape.SetPen(Qt::blue, penWidth);
        const QImage image = Render(shape);
        QCOMPARE(PixelAt(image, 10, 5), centre);
        QCOMPARE(PixelAt(image, 0, 5), edge);
        QCOMPARE(PixelAt(image, 19, 9), edge);
        QCOMPARE(PixelAt(image, 1, 5), insideEdge);
    }
};

VT12_TEST(TestShape, TestApplication::Widgets)
#include "tst_shape.moc"
