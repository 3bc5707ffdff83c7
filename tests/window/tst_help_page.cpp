// The help browser of the HELP page: created only when the page is first shown.

#include "tests/window/bare_window.h"

#include "tests/support/test_registry.h"

#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <QUrl>
#include <QWebEngineView>

// The browser's own library frees with a size that does not match under AddressSanitizer.
extern "C" const char* __asan_default_options() {
    return "new_delete_type_mismatch=0";
}

class TestHelpPage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The browser and its processes cost memory, so it comes only when HELP is first shown,
    // fills the page above the legend and keeps the page it has from then on.
    void helpBrowserOnlyOnceHelpIsShown() {
        BareWindow w;
        const QString help =
            qEnvironmentVariable("VT12_BIN_DIR") + QStringLiteral("/bin/Vantor 12 Help.mht");
        OpenHelpWhenShown(w.ui, help);
        w.widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.widget));
        for (QWidget* page : {w.ui.tsManual, w.ui.tsDetail, w.ui.tsSettings}) {
            w.ui.pcPages->setCurrentWidget(page);
        }
        QCOMPARE(w.ui.wbHelp, nullptr);
        QCOMPARE(w.widget.findChild<QWebEngineView*>(), nullptr);

        w.ui.pcPages->setCurrentWidget(w.ui.tsHelp);
        QVERIFY(w.ui.wbHelp != nullptr);
        QCOMPARE(w.widget.findChild<QWebEngineView*>(QStringLiteral("wbHelp")), w.ui.wbHelp);
        QTRY_COMPARE(w.ui.wbHelp->url(), QUrl::fromLocalFile(help));
        QVERIFY(w.ui.wbHelp->isVisible());
        QCOMPARE(w.ui.wbHelp->geometry(), QRect(0, 0, w.ui.tsHelp->width(), w.ui.pLegend->y()));

        w.ui.pcPages->setCurrentWidget(w.ui.tsSettings);
        w.ui.pcPages->setCurrentWidget(w.ui.tsHelp);
        QCOMPARE(w.widget.findChildren<QWebEngineView*>().size(), 1);
    }
};

VT12_TEST(TestHelpPage, TestApplication::Window)

#include "tst_help_page.moc"
