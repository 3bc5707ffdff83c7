#pragma once
// Every control of the main window, created once by SetupMainWindowUi with fixed 96 dpi
// geometry: the header and one part per page, reached as one set (ui.bSave, ui.gData, ...).

#include "window/page_help.h"
#include "window/page_master_slave.h"
#include "window/page_service.h"
#include "window/page_setup.h"
#include "window/page_status_test.h"
#include "window/window_header.h"

#include <QSize>
#include <QStringList>

class QFileDialog;
class QFrame;
class QTabWidget;
class QTimer;
class QWidget;

struct MainWindowUi : HeaderUi,
                      StatusTestPageUi,
                      SetupPageUi,
                      ServicePageUi,
                      MasterSlavePageUi,
                      HelpPageUi {
    QFrame* Panel4 = nullptr;
    QTabWidget* pcPages = nullptr;

    // Non-visual
    QTimer* tDelay = nullptr;
    QTimer* tHidePanelKom = nullptr;
    QTimer* tSecurityBlinkTimer = nullptr;
    QTimer* tBypassBlinkTimer = nullptr;
    QTimer* tMaxCurrectCorrection = nullptr;
    QFileDialog* dOpen = nullptr;
    QFileDialog* dSave = nullptr;
};

inline constexpr QSize kDesignClientSize{1002, 634};
inline constexpr QSize kMinimumOuterSize{1010, 606};
inline constexpr QSize kMinimumClientSize{1002, 575};

void SetupMainWindowUi(QWidget* window, MainWindowUi& ui);
// The name filters of dOpen and dSave for settings files.
QStringList SettingsFileFilters();
