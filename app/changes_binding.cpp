#include "app/changes_window.h"
#include "app/main_window.h"
#include "app/open_over_main.h"
#include "app/uncaught_error.h"

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
