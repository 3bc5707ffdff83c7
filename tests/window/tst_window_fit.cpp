#include "window/window_fit.h"

#include "tests/support/test_registry.h"

#include <QRandomGenerator>
#include <QTest>

namespace {
const QSize kDesign(1002, 634);
const QSize kTitleAndBorders(8, 31);
} // namespace

class TestWindowFit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void enlargedOnlyWhereItFits_data() {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<bool>("fits");
        QTest::newRow("1366x768 laptop, task bar")
            << QRect(0, 0, 1366, 728) << kTitleAndBorders << false;
        QTest::newRow("1366x768 without a window manager")
            << QRect(0, 0, 1366, 768) << QSize() << true;
        QTest::newRow("1920x1080 at 150 %, task bar")
            << QRect(0, 0, 1280, 690) << kTitleAndBorders << false;
        QTest::newRow("1600x900, task bar") << QRect(0, 0, 1600, 860) << kTitleAndBorders << true;
        QTest::newRow("1920x1080, task bar at the left")
            << QRect(48, 0, 1872, 1080) << kTitleAndBorders << true;
        QTest::newRow("one pixel short")
            << QRect(0, 0, 1203 + 8, 761 + 30) << kTitleAndBorders << false;
    }
    void enlargedOnlyWhereItFits() {
        QFETCH(QRect, available);
        QFETCH(QSize, frame);
        QFETCH(bool, fits);
        QCOMPARE(EnlargedLayoutFits(kDesign, frame, available), fits);
    }

    // Wherever the main window is, even partly off the screen, a window opened over it is on
    // the screen whole, no larger than the room, and centred on the main window where the room
    // allows.
    void placedWindowIsOnTheScreen() {
        QRandomGenerator random(1366);
        for (int run = 0; run < 2000; ++run) {
            const QRect available(random.bounded(-1920, 1920), random.bounded(0, 60),
                                  random.bounded(640, 2560), random.bounded(480, 1440));
            const QRect over(available.left() + random.bounded(-800, 1600),
                             available.top() + random.bounded(-400, 900), random.bounded(200, 1400),
                             random.bounded(150, 900));
            const QSize wanted(random.bounded(100, 2600), random.bounded(100, 1500));
            const QRect placed = PlaceWindow(over, wanted, available);
            QVERIFY2(available.contains(placed), qPrintable(QStringLiteral("run %1").arg(run)));
            QCOMPARE(placed.size(), wanted.boundedTo(available.size()));
            const QPoint offset = placed.center() - over.center();
            const bool roomLeft =
                placed.left() > available.left() && placed.right() < available.right();
            const bool roomAbove =
                placed.top() > available.top() && placed.bottom() < available.bottom();
            if (roomLeft)
                QVERIFY(qAbs(offset.x()) <= 1);
            if (roomAbove)
                QVERIFY(qAbs(offset.y()) <= 1);
        }
    }
};

VT12_TEST(TestWindowFit, TestApplication::Core)
#include "tst_window_fit.moc"
