#include "window/cell_text.h"

#include "tests/support/test_registry.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTest>

class TestCellText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void origin_data() {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QRect>("cell");
        QTest::addColumn<int>("width");
        QTest::addColumn<QPoint>("origin");
        QTest::newRow("left") << 0 << QRect(10, 20, 60, 19) << 30 << QPoint(13, 23);
        QTest::newRow("right") << 1 << QRect(10, 20, 60, 19) << 30 << QPoint(37, 23);
        QTest::newRow("centre") << 2 << QRect(10, 20, 61, 19) << 30 << QPoint(25, 23);
        // (-10 + 1 - 4) / 2 is -6.5: integer division truncates toward zero.
        QTest::newRow("centre left of zero") << 2 << QRect(-10, 0, 11, 19) << 4 << QPoint(-6, 3);
    }
    void origin() {
        QFETCH(int, alignment);
        QFETCH(QRect, cell);
        QFETCH(int, width);
        QFETCH(QPoint, origin);
        QCOMPARE(CellTextOrigin(CellAlignment(alignment), cell, width), origin);
    }

    void drawsClippedAndReportsItsWidth() {
        QImage image(200, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(QFont(QStringLiteral("Arial")));
        const QRect cell(20, 5, 40, 19);
        const QString text = QStringLiteral("A rather long workstation name");
        const int expected = QFontMetrics(painter.font()).horizontalAdvance(text) + 3;
        QCOMPARE(DrawCellText(painter, text, CellAlignment::Left, cell, Qt::black, QFont::Normal),
                 expected);
        painter.end();
        bool inside = false;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const bool dark = qGray(image.pixel(x, y)) < 128;
                if (dark && !cell.contains(x, y))
                    QFAIL(qPrintable(
                        QStringLiteral("drawn outside the cell at %1,%2").arg(x).arg(y)));
                inside = inside || dark;
            }
        QVERIFY(inside);
    }
};

VT12_TEST(TestCellText, TestApplication::Widgets)
#include "tst_cell_text.moc"
