// The window as a keyboard user and a reader of tooltips meets it.

#include "tests/support/offline_window.h"
#include "tests/support/test_registry.h"
#include "window/main_window.h"
#include "window/page_controls.h"
#include "window/window_keyboard.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {
// The window's own controls: not the parts of a composite Qt widget, not a dialog's.
bool IsInteractive(const QWidget* widget, const QWidget* window) {
    const QString name = widget->objectName();
    if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || widget->window() != window ||
        qobject_cast<const QTabBar*>(widget->parentWidget()))
        return false;
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QAbstractSlider*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) || qobject_cast<const TUpDown*>(widget);
}

// A point of the widget in the page's coordinates.
QPoint OnPage(const QWidget* widget, const QWidget* page) {
    return widget->mapTo(page, QPoint(0, 0));
}
} // namespace

class TestWindowKeyboard : public QObject {
    Q_OBJECT
    OfflineWindow offline;

private Q_SLOTS:
    void init() { offline.Open(false); }
    void cleanup() { offline.Close(); }

    void everyControlSaysWhatItDoes() {
        QStringList silent;
        for (QWidget* widget : offline.Window().findChildren<QWidget*>()) {
            if (IsInteractive(widget, &offline.Window()) && widget->toolTip().isEmpty())
                silent << widget->objectName();
        }
        silent.removeDuplicates();
        QVERIFY2(silent.isEmpty(), qPrintable(silent.join(u' ')));
    }

    // Within a panel, Tab reads the controls as the page is read: a control is never reached
    // after one that stands below it in another row.
    void tabFollowsTheLayout() {
        QTabWidget* pages = offline.Ui().pcPages;
        for (int p = 0; p < pages->count(); ++p) {
            QWidget* page = pages->widget(p);
            QList<QWidget*> chain;
            for (QWidget* w = page->nextInFocusChain(); w != page && chain.size() < 2000;
                 w = w->nextInFocusChain()) {
                if (page->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) &&
                    !chain.contains(w))
                    chain << w;
            }
            for (int i = 1; i < chain.size(); ++i) {
                const QWidget* before = chain[i - 1];
                const QWidget* after = chain[i];
                if (before->parentWidget() != after->parentWidget())
                    continue;
                const QPoint a = OnPage(before, page);
                const QPoint b = OnPage(after, page);
                const bool sameRow = qAbs(a.y() - b.y()) < 6;
                QVERIFY2(sameRow ? a.x() <= b.x() : a.y() < b.y(),
                         qPrintable(before->objectName() + " before " + after->objectName()));
            }
        }
    }

    void pageShortcutsCountShownPages() {
        offline.Close();
        offline.Open(true);
        offline.Window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&offline.Window()));
        QTabWidget* pages = offline.Ui().pcPages;
        QTest::keyClick(&offline.Window(), Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(pages->currentWidget(), offline.Ui().tsManual);
        QTest::keyClick(&offline.Window(), Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(pages->currentWidget(), offline.Ui().tsSettings);
    }

    // With no controller, F5 has nothing to reload: the disabled button is not clicked.
    void reloadKeyOnlyAsTheButtonAllows() {
        offline.Close();
        offline.Open(true);
        offline.Window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&offline.Window()));
        QPushButton* reload = offline.Ui().bReload;
        QVERIFY(!reload->isEnabled());
        bool clicked = false;
        connect(reload, &QPushButton::clicked, this, [&clicked] { clicked = true; });
        QTest::keyClick(&offline.Window(), Qt::Key_F5);
        QVERIFY(!clicked);
    }
};

VT12_TEST(TestWindowKeyboard, TestApplication::Window)
#include "tst_window_keyboard.moc"
