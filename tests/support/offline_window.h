#pragma once
// The program's window with no controller in reach: a program folder of its own and no ports.

#include "window/main_window.h"

#include <QTemporaryDir>
#include <memory>

class OfflineWindow {
public:
    // Hidden, the window still takes every decision; shown, it also lays its pages out.
    void Open(bool show = true) {
        qputenv("VT12_PROGRAM_DIR", programDir_.path().toUtf8());
        qputenv("VT12_PORT_DIR", noPorts_.path().toUtf8());
        window_ = std::make_unique<TfVT12SetAppMain>(QStringList{});
        if (show)
            window_->show();
    }
    void Close() { window_.reset(); }

    TfVT12SetAppMain& Window() { return *window_; }
    ControllerSession& Session() { return window_->Session(); }
    MainWindowUi& Ui() { return window_->ui; }

private:
    QTemporaryDir programDir_;
    QTemporaryDir noPorts_;
    std::unique_ptr<TfVT12SetAppMain> window_;
};
