#include "tests/window/bare_window.h"
#include "window/gate_grid.h"
#include "window/page_controls.h"
#include "window/window_resize.h"

#include "tests/support/test_registry.h"

#include <QFileDialog>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {
using Widths = QList<int>;

enum WindowState { Normal, Maximized, Minimized };

Qt::WindowStates ToQt(int state) {
    switch (state) {
    case Maximized:
        return Qt::WindowMaximized;
    case Minimized:
        return Qt::WindowMinimized;
    default:
        return Qt::WindowNoState;
    }
}

QRect ScaledBy(const QRect& r, double factor) {
    return QRect(qRound(r.left() * factor), qRound(r.top() * factor), qRound(r.width() * factor),
                 qRound(r.height() * factor));
}

} // namespace

class TestWindowResize : public QObject {
    Q_OBJECT
public:
    // A screen with room for the enlarged window, so that its growth can be seen.
    static void initMain() {
        if (qgetenv("QT_QPA_PLATFORM") == "offscreen") {
            qputenv("QT_QPA_PLATFORM",
                    "offscreen:configfile=" QT_TESTCASE_SOURCEDIR "/large_screen.json");
        }
    }

private Q_SLOTS:
    void gateColumns_data() {
        QTest::addColumn<int>("clientWidth");
        QTest::addColumn<Widths>("widths");
        QTest::newRow("567: 42.2 rounds down, last column takes the rest")
            << 567 << Widths{26, 124, 42, 42, 42, 42, 45, 45, 45, 53, 51};
        QTest::newRow("680: enlarged table")
            << 680 << Widths{32, 149, 51, 51, 51, 51, 54, 54, 54, 63, 60};
        QTest::newRow("215: one pixel per weight")
            << 215 << Widths{10, 47, 16, 16, 16, 16, 17, 17, 17, 20, 13};
        QTest::newRow("too narrow: last column never negative")
            << 5 << Widths{0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    }
    void gateColumns() {
        QFETCH(int, clientWidth);
        QFETCH(Widths, widths);
        const std::array<int, 11> result = GateColumnWidths(clientWidth);
        QCOMPARE(Widths(result.begin(), result.end()), widths);
    }

    void tabWidths_data() {
        QTest::addColumn<int>("pageControlWidth");
        QTest::addColumn<int>("tabWidth");
        QTest::newRow("design window") << 1002 << 198;
        QTest::newRow("remainder dropped") << 1014 << 200;
        QTest::newRow("enlarged") << 1202 << 238;
        QTest::newRow("narrower than the allowance") << 4 << 0;
    }
    void tabWidths() {
        QFETCH(int, pageControlWidth);
        QFETCH(int, tabWidth);
        QCOMPARE(TabWidth(pageControlWidth), tabWidth);
    }

    void nothingHappensBeforeTheFirstActivation() {
        BareWindow w;
        WindowResizer resizer(&w.widget, w.ui);
        const QRect before = w.ui.bSave->geometry();
        w.widget.setWindowState(Qt::WindowMaximized);
        resizer.FormResize();
        QCOMPARE(resizer.ResizeState(), 0);
        QCOMPARE(resizer.LayoutCount(), 0);
        QCOMPARE(w.ui.bSave->geometry(), before);
    }

    // Each step sets the window state and runs the resize rule; the layout is checked against
    // the bounds recorded at the first step.
    void stateSequence_data() {
        QTest::addColumn<QList<int>>("states");
        QTest::addColumn<QList<int>>("resizeStates");
        QTest::addColumn<QList<int>>("enlarged");
        QTest::newRow("maximize first, restore enlarges, maximize restores")
            << QList<int>{Maximized, Normal, Maximized} << QList<int>{1, 2, 1}
            << QList<int>{0, 1, 0};
        QTest::newRow("normal resizes without a change of state do not enlarge")
            << QList<int>{Normal, Normal, Normal, Maximized, Normal} << QList<int>{1, 1, 1, 1, 2}
            << QList<int>{0, 0, 0, 0, 1};
        QTest::newRow("minimize and restore does not scale again")
            << QList<int>{Maximized, Normal, Minimized, Normal} << QList<int>{1, 2, 3, 2}
            << QList<int>{0, 1, 1, 1};
        QTest::newRow("maximized again after minimize")
            << QList<int>{Maximized, Minimized, Maximized, Normal} << QList<int>{1, 3, 1, 2}
            << QList<int>{0, 0, 0, 1};
        QTest::newRow("maximize from minimized while enlarged shrinks back")
            << QList<int>{Maximized, Normal, Minimized, Maximized, Normal}
            << QList<int>{1, 2, 3, 1, 2} << QList<int>{0, 1, 1, 0, 1};
        QTest::newRow("restored from minimized without enlargement keeps its size")
            << QList<int>{Maximized, Minimized, Normal, Maximized, Normal}
            << QList<int>{1, 3, 2, 1, 2} << QList<int>{0, 0, 0, 0, 1};
    }
    void stateSequence() {
        QFETCH(QList<int>, states);
        QFETCH(QList<int>, resizeStates);
        QFETCH(QList<int>, enlarged);
        BareWindow w;
        WindowResizer resizer(&w.widget, w.ui);
        int restores = 0;
        resizer.reapplyInstallationMode = [&restores] { ++restores; };
        resizer.FormActivate();
        const QRect button = w.ui.bSave->geometry();
        const QRect table = w.ui.gData->geometry();
        const int figurePixels = w.ui.lActiveSns->font().pixelSize();
        // Unsaved changes make the Save button's font its own, as bold.
        QFont bold = w.ui.bSave->font();
        bold.setBold(true);
        w.ui.bSave->setFont(bold);
        int expectedRestores = 0;
        for (int step = 0; step < states.size(); ++step) {
            const bool wasEnlarged = step > 0 && enlarged[step - 1] == 1;
            w.widget.setWindowState(ToQt(states[step]));
            resizer.FormResize();
            QCOMPARE(resizer.ResizeState(), resizeStates[step]);
            const double factor = enlarged[step] ? 1.2 : 1.0;
            QCOMPARE(w.ui.bSave->geometry(), ScaledBy(button, factor));
            QCOMPARE(w.ui.gData->geometry(), ScaledBy(table, factor));
            QCOMPARE(w.ui.lActiveSns->font().pixelSize(), qRound(figurePixels * factor));
            // One size of text side by side, whether a font is the control's own or not.
            QCOMPARE(w.ui.bReload->font().pixelSize(), qRound(11 * factor));
            QCOMPARE(w.ui.bSave->font().pixelSize(), w.ui.bReload->font().pixelSize());
            QCOMPARE(w.ui.gData->verticalHeader()->defaultSectionSize(), enlarged[step] ? 22 : 19);
            QCOMPARE(w.ui.gData->horizontalHeader()->height(), enlarged[step] ? 38 : 32);
            QCOMPARE(w.ui.pcPages->tabBar()->tabRect(0).height(), enlarged[step] ? 29 : 25);
            QCOMPARE(w.ui.lWarningVacuum->font().pixelSize(), 11);
            QCOMPARE(w.ui.Panel1->height(), 55);
            QVERIFY(w.ui.lHwVersion->geometry().bottom() < w.ui.pHeaderCentre->height());
            QVERIFY(w.ui.iLogoDurvik->geometry().bottom() < w.ui.Panel1->height());
            if (wasEnlarged && !enlarged[step] && states[step] == Maximized) {
                ++expectedRestores;
            }
            QCOMPARE(restores, expectedRestores);
        }
    }

    void everyResizeSetsColumnsAndTabs() {
        BareWindow w;
        WindowResizer resizer(&w.widget, w.ui);
        resizer.FormActivate();
        w.widget.setWindowState(Qt::WindowMaximized);
        resizer.FormResize();
        const int clientWidth = w.ui.gData->width() - 2 * w.ui.gData->frameWidth();
        const std::array<int, 11> widths = GateColumnWidths(clientWidth);
        for (int column = 0; column < 11; ++column) {
            // Qt draws the grid line between two columns inside the first of them.
            QCOMPARE(w.ui.gData->columnWidth(column),
                     widths[static_cast<size_t>(column)] + (column < 10 ? 1 : 0));
        }
        QCOMPARE(w.ui.pcPages->tabBar()->tabRect(0).width(), TabWidth(w.ui.pcPages->width()));
        QCOMPARE(w.ui.pcPages->tabBar()->tabRect(4).width(), TabWidth(w.ui.pcPages->width()));
    }

    // The columns fill the table's client width exactly, normal and enlarged.
    void gateColumnsLeaveNoGap() {
        BareWindow w;
        WindowResizer resizer(&w.widget, w.ui);
        resizer.FormActivate();
        w.ui.pcPages->setCurrentWidget(w.ui.tsSettings);
        w.widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.widget));
        for (const Qt::WindowState state : {Qt::WindowMaximized, Qt::WindowNoState}) {
            w.widget.setWindowState(state);
            resizer.FormResize();
            QTRY_COMPARE(w.ui.gData->horizontalHeader()->length(), w.ui.gData->viewport()->width());
        }
    }

    void normalClientSize_data() {
        QTest::addColumn<bool>("enlarged");
        QTest::addColumn<QSize>("room");
        QTest::addColumn<QSize>("size");
        QTest::newRow("design") << false << QSize(1920, 1040) << QSize(1002, 634);
        QTest::newRow("design on a small screen") << false << QSize(800, 600) << QSize(1002, 634);
        QTest::newRow("enlarged") << true << QSize(1920, 1040) << QSize(1202, 761);
        QTest::newRow("enlarged, bounded by the screen")
            << true << QSize(1280, 742) << QSize(1202, 742);
        QTest::newRow("enlarged on a small screen") << true << QSize(800, 600) << QSize(1002, 634);
    }
    void normalClientSize() {
        QFETCH(bool, enlarged);
        QFETCH(QSize, room);
        QFETCH(QSize, size);
        QCOMPARE(NormalClientSize(enlarged, room), size);
    }

    // Restored from maximized, the window grows with the enlarged layout as far as the screen
    // allows; maximized again it may take any size.
    void windowFollowsTheLayout() {
        BareWindow w;
        WindowResizer resizer(&w.widget, w.ui);
        resizer.FormActivate();
        w.widget.setWindowState(Qt::WindowMaximized);
        resizer.FormResize();
        QCOMPARE(w.widget.minimumSize(), kMinimumClientSize);
        w.widget.setWindowState(Qt::WindowNoState);
        resizer.FormResize();
        const QSize room = w.widget.screen()->availableGeometry().size();
        QCOMPARE(w.widget.size(), NormalClientSize(true, room));
        QCOMPARE(w.widget.size(), QSize(1202, 761));
        QCOMPARE(w.widget.minimumSize(), w.widget.size());
        w.widget.setWindowState(Qt::WindowMaximized);
        resizer.FormResize();
        QCOMPARE(w.widget.minimumSize(), kMinimumClientSize);
    }

    // The border is fixed: a drag in the normal state, also before the first activation, is
    // taken back and never enlarges the layout.
    void dragIsTakenBack_data() {
        QTest::addColumn<bool>("activated");
        QTest::newRow("activated") << true;
        QTest::newRow("before the first activation") << false;
    }
    void dragIsTakenBack() {
        QFETCH(bool, activated);
        BareWindow w;
        WindowResizer resizer(&w.widget, w.ui);
        if (activated) {
            resizer.FormActivate();
            resizer.FormResize();
        }
        const QRect button = w.ui.bSave->geometry();
        w.widget.resize(1100, 700);
        resizer.FormResize();
        QCOMPARE(resizer.ResizeState(), activated ? 1 : 0);
        QCOMPARE(w.ui.bSave->geometry(), button);
        QTRY_COMPARE(w.widget.size(), kDesignClientSize);
        QCOMPARE(w.ui.bSave->geometry(), button);
    }

    void pictureFollowsModeFrame() {
        BareWindow w;
        WindowResizer resizer(&w.widget, w.ui);
        resizer.FormActivate();
        for (const Qt::WindowState state :
             {Qt::WindowMaximized, Qt::WindowNoState, Qt::WindowMaximized}) {
            w.widget.setWindowState(state);
            resizer.FormResize();
        }
        QCOMPARE(w.ui.Panel25->height(), w.ui.pMSMode->height() - 22);
        w.widget.setWindowState(Qt::WindowNoState);
        resizer.FormResize();
        QCOMPARE(w.ui.Panel25->height(), w.ui.pMSMode->height() - 22);
        QCOMPARE(w.ui.lWarningVacuum->height(), 35);
    }

    void slaveColumnTakesHalf_data() {
        QTest::addColumn<bool>("slaveShown");
        QTest::addColumn<int>("overviewWidth");
        QTest::newRow("shown, even width") << true << 526;
        QTest::newRow("hidden, odd width") << false << 601;
    }
    void slaveColumnTakesHalf() {
        QFETCH(bool, slaveShown);
        QFETCH(int, overviewWidth);
        BareWindow w;
        WindowResizer resizer(&w.widget, w.ui);
        w.ui.pOther24->setVisible(slaveShown);
        w.ui.Panel20->resize(overviewWidth, w.ui.Panel20->height());
        resizer.Panel20Resize();
        QCOMPARE(w.ui.pOther24->width(), overviewWidth / 2);
    }

    void slaveColumnFollowsTheOverviewOnScreen() {
        BareWindow w;
        WindowResizer resizer(&w.widget, w.ui);
        w.ui.pcPages->setCurrentWidget(w.ui.tsManual);
        w.widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.widget));
        w.widget.resize(1300, 700);
        QTRY_COMPARE(w.ui.pOther24->width(), w.ui.Panel20->width() / 2);
        QVERIFY(w.ui.Panel20->width() > 800);
    }

    void recordsDepthFirst() {
        BareWindow w;
        WindowResizer resizer(&w.widget, w.ui);
        resizer.FormActivate();
        resizer.FormResize();
        const auto& table = resizer.LayoutTable();
        QList<QWidget*> recorded;
        for (int i = 0; i < resizer.LayoutCount(); ++i) {
            recorded << table[static_cast<size_t>(i)].control.data();
            QCOMPARE(table[static_cast<size_t>(i)].bounds,
                     table[static_cast<size_t>(i)].control->geometry());
        }
        QCOMPARE(recorded.first(), w.ui.Panel1);
        const auto at = [&recorded](QWidget* control) { return recorded.indexOf(control); };
        QVERIFY(at(w.ui.Panel1) < at(w.ui.Shape5));
        QVERIFY(at(w.ui.pVTDetected) < at(w.ui.Panel4));
        QVERIFY(at(w.ui.Panel4) < at(w.ui.pcPages));
        QVERIFY(at(w.ui.pcPages) < at(w.ui.tsManual));
        QVERIFY(at(w.ui.tsManual) < at(w.ui.Panel20));
        // Each control is followed by all of its own descendants, and by no others.
        for (int i = 0; i < recorded.size(); ++i) {
            int end = i + 1;
            while (end < recorded.size() && recorded[i]->isAncestorOf(recorded[end])) {
                ++end;
            }
            for (int k = end; k < recorded.size(); ++k) {
                QVERIFY2(!recorded[i]->isAncestorOf(recorded[k]),
                         qPrintable(recorded[k]->objectName()));
            }
        }
        QVERIFY(at(w.ui.bTestOn) > at(w.ui.tsManual));
        QVERIFY(at(w.ui.gData) > 0);
        QCOMPARE(at(w.ui.gData->horizontalHeader()), -1);
        QCOMPARE(at(w.ui.pcPages->tabBar()), -1);
        QCOMPARE(at(w.ui.dOpen), -1);
    }

    void recordingStopsAt512Entries() {
        BareWindow w;
        for (int i = 0; i < 600; ++i) {
            auto* extra = new QWidget(w.ui.pLegend);
            extra->setObjectName(QStringLiteral("extra%1").arg(i));
        }
        WindowResizer resizer(&w.widget, w.ui);
        resizer.FormActivate();
        resizer.FormResize();
        QCOMPARE(resizer.LayoutCount(), 512);
        const QWidget* last = resizer.LayoutTable()[511].control;
        QVERIFY(last != nullptr);
        resizer.ClearLayoutTable();
        QCOMPARE(resizer.LayoutCount(), 0);
        QVERIFY(resizer.LayoutTable()[0].control.isNull());
    }

    void restoreSkipsControlsDeletedSinceRecording() {
        BareWindow w;
        WindowResizer resizer(&w.widget, w.ui);
        resizer.FormActivate();
        w.widget.setWindowState(Qt::WindowMaximized);
        resizer.FormResize();
        w.widget.setWindowState(Qt::WindowNoState);
        resizer.FormResize();
        delete w.ui.lTooBig;
        w.widget.setWindowState(Qt::WindowMaximized);
        resizer.FormResize();
        QCOMPARE(resizer.ResizeState(), 1);
    }
};

VT12_TEST(TestWindowResize, TestApplication::Window)

#include "tst_window_resize.moc"
