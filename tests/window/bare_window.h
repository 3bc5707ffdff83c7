#pragma once
// The main window's pages and controls on a plain widget, with no session behind them.

#include "window/main_window_ui.h"

#include <QWidget>

struct BareWindow {
    QWidget widget;
    MainWindowUi ui;
    BareWindow() { SetupMainWindowUi(&widget, ui); }
};
