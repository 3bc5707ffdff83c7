#include "core/uncaught_error.h"
#include "window/changes_window.h"
#include "window/main_window.h"
#include "window/open_over_main.h"

#include <QPushButton>

void TfVT12SetAppMain::BindPendingChanges() {
    connect(ui.bShowChanges, &QPushButton::clicked, this, [this] {
        RunGuarded([this] {
            if (!changes_)
                changes_ = std::make_unique<ChangesWindow>(*session_, this);
            OpenOverMainWindow(changes_.get(), this);
        });
    });
}
