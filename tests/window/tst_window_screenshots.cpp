// Writes one picture per page of the bare window into $VT12_SCREENSHOT_DIR; skipped without it.
// tests/window/screenshot_pages.sh runs it on a virtual X display.

#include "widgets/gate_frames.h"
#include "window/main_window_ui.h"
#include "window/window_resize.h"

#include "tests/support/test_registry.h"

#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QUrl>
#include <QWebEngineView>

namespace {

QPixmap Picture(QWidget* window) {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        return window->screen()->grabWindow(window->winId());
    }
    return window->grab();
}

// The panels that only some installations or states show, all at once, to check their places.
void ShowEveryPanel(MainWindowUi& ui, bool on) {
    const QList<QWidget*> panels{
        ui.pOther24,     ui.pGateCurrent24, ui.pCurrentInputValue, ui.pCurrentInputValueS,
        ui.pVFD_Status,  ui.pNotifyLabel,   ui.lWarningVacuum,     ui.pRpmCtrl,
        ui.pMoreAboutVfd};
    for (QWidget* panel : panels) {
        panel->setVisible(on);
    }
    ui.pGateCurrent->move(on ? 92 : 140, ui.pGateCurrent->y());
    ui.lNotifyLabel->setText(on ? QStringLiteral("Open Gates at Fan Stop Active") : QString());
}

} // namespace

class TestWindowScreenshots : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pages() {
        const QString directory = qEnvironmentVariable("VT12_SCREENSHOT_DIR");
        if (directory.isEmpty()) {
            QSKIP("VT12_SCREENSHOT_DIR not set");
        }
        QVERIFY(QDir().mkpath(directory));
        QWidget window;
        MainWindowUi ui;
        SetupMainWindowUi(&window, ui);
        const GatePictures pictures = GatePictures::FromResources();
        CreateGateFrames(ui.pFirst12, ui.pOther24, pictures);
        const QString help =
            qEnvironmentVariable("VT12_BIN_DIR") + QStringLiteral("/bin/Vantor 12 Help.mht");
        OpenHelpWhenShown(ui, help);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // "extras": the Additional Settings on SETUP, every optional panel on STATUS && TEST.
        const struct {
            QWidget* page;
            const char* file;
            bool extras;
        } shots[] = {{ui.tsManual, "1_status_test.png", false},
                     {ui.tsManual, "1_status_test_every_panel.png", true},
                     {ui.tsSettings, "2_setup.png", false},
                     {ui.tsSettings, "2_setup_additional.png", true},
                     {ui.tsDetail, "3_service.png", false},
                     {ui.tsMasterSlave, "4_master_slave.png", false},
                     {ui.tsHelp, "5_help.png", false}};
        for (const auto& shot : shots) {
            ui.pcPages->setCurrentWidget(shot.page);
            const bool additional = shot.page == ui.tsSettings && shot.extras;
            ui.cbAdvancedSettings->setChecked(additional);
            ui.pAdvanced->setVisible(additional);
            ShowEveryPanel(ui, shot.page == ui.tsManual && shot.extras);
            QTest::qWait(shot.page == ui.tsHelp ? 3000 : 300);
            const QString path = directory + QLatin1Char('/') + QLatin1String(shot.file);
            QVERIFY2(Picture(&window).save(path), qPrintable(path));
        }

        ui.pcPages->setCurrentWidget(ui.tsSettings);
        ui.pAdvanced->show();
        ui.pCurrentInputSettingsSlave->show();
        ui.imCurrentInputSettingsLabel_MASTER->show();
        ui.cbPressureFromVFD->show();
        for (int sheet = 1; sheet < ui.pcAdvanced->count(); ++sheet) {
            ui.pcAdvanced->setCurrentIndex(sheet);
            QTest::qWait(300);
            const QString path =
                directory + QStringLiteral("/2_setup_additional_%1.png").arg(sheet + 1);
            QVERIFY2(Picture(&window).save(path), qPrintable(path));
        }
        ui.pcAdvanced->setCurrentIndex(0);
        ui.pAdvanced->hide();

        // The enlarged layout of the normal window state, after a maximize and a restore.
        WindowResizer resizer(&window, ui);
        resizer.FormActivate();
        window.setWindowState(Qt::WindowMaximized);
        resizer.FormResize();
        window.setWindowState(Qt::WindowNoState);
        window.resize(1202, 761);
        resizer.FormResize();
        QCOMPARE(resizer.ResizeState(), 2);
        for (QWidget* page : {ui.tsManual, ui.tsSettings}) {
            ui.pcPages->setCurrentWidget(page);
            QTest::qWait(300);
            const QString path =
                directory + QStringLiteral("/6_enlarged_%1.png").arg(page->objectName());
            QVERIFY2(Picture(&window).save(path), qPrintable(path));
        }
    }
};

VT12_TEST(TestWindowScreenshots, TestApplication::Window)

#include "tst_window_screenshots.moc"
