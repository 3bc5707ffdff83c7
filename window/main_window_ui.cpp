#include "window/main_window_ui.h"
#include "window/window_fit.h"

#include "window/page_align.h"
#include "window/page_builders.h"
#include "window/window_resize.h"

#include <QFileDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

namespace {

constexpr int kHeaderHeight = 55;
constexpr int kSpacerHeight = 3;

QTimer* MakeTimer(QWidget* window, const char* name, int interval) {
    auto* timer = new QTimer(window);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(interval);
    return timer;
}

QFileDialog* MakeFileDialog(QWidget* window, const char* name, const QString& title) {
    auto* dialog = new QFileDialog(window, title);
    dialog->setObjectName(QString::fromLatin1(name));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setDefaultSuffix(QStringLiteral("vt12"));
    dialog->setNameFilters(SettingsFileFilters());
    return dialog;
}

void SetupPages(QWidget* window, MainWindowUi& ui) {
    ui.Panel4 = Make<QFrame>(window, "Panel4", QRect(0, kHeaderHeight, 1002, kSpacerHeight));
    SetAlign(ui.Panel4, Align::Top);

    ui.pcPages =
        Make<QTabWidget>(window, "pcPages",
                         QRect(0, kHeaderHeight + kSpacerHeight, 1002,
                               kDesignClientSize.height() - kHeaderHeight - kSpacerHeight));
    ui.pcPages->setDocumentMode(false);
    ui.pcPages->tabBar()->setExpanding(false);
    SetPageTabSize(ui.pcPages, kPageTabWidth, kPageTabHeight);
    SetAlign(ui.pcPages, Align::Client);

    SetupStatusTestPage(ui.pcPages, ui);
    SetupSetupPage(ui.pcPages, ui);
    SetupServicePage(ui.pcPages, ui);
    SetupMasterSlavePage(ui.pcPages, ui);
    SetupHelpPage(ui.pcPages, ui);
}

void SetupNonVisual(QWidget* window, MainWindowUi& ui) {
    ui.tDelay = MakeTimer(window, "tDelay", 200);
    ui.tHidePanelKom = MakeTimer(window, "tHidePanelKom", 3000);
    ui.tSecurityBlinkTimer = MakeTimer(window, "tSecurityBlinkTimer", 333);
    ui.tBypassBlinkTimer = MakeTimer(window, "tBypassBlinkTimer", 333);
    ui.tMaxCurrectCorrection = MakeTimer(window, "tMaxCurrectCorrection", 5000);

    ui.dOpen = MakeFileDialog(window, "dOpen",
                              QStringLiteral("Select file with Vantor Settings (*.vt12)"));
    ui.dOpen->setFileMode(QFileDialog::ExistingFile);
    ui.dOpen->setAcceptMode(QFileDialog::AcceptOpen);
    ui.dSave = MakeFileDialog(window, "dSave", QStringLiteral("Select destination and filename"));
    ui.dSave->setFileMode(QFileDialog::AnyFile);
    ui.dSave->setAcceptMode(QFileDialog::AcceptSave);
}

} // namespace

QStringList SettingsFileFilters() {
    return {QStringLiteral("Vantor 12 Data (*.vt12)"), QStringLiteral("All Files (*.*)")};
}

void SetupMainWindowUi(QWidget* window, MainWindowUi& ui) {
    window->setWindowTitle(QStringLiteral("Durvik Vantor 12 \"Tarnwick\" Setup and Monitoring"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kDesignFontPixels);
    window->setFont(font);
    window->setAutoFillBackground(true);
    window->resize(kDesignClientSize);
    window->setMinimumSize(kMinimumClientSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // The frame is not known before the window manager has decorated the window: a usual
        // title bar and border is allowed for, so the title bar is never above the screen.
        const QRect available = screen->availableGeometry();
        window->move(PlaceWindow(available, kDesignClientSize + kUsualFrame, available).topLeft());
    }

    SetupWindowHeader(window, ui);
    SetupPages(window, ui);
    SetupNonVisual(window, ui);
    AlignTree(window);
}
