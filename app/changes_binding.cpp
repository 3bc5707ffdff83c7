#include "app/changes_window.h"
#include "app/main_window.h"
#include "app/uncaught_error.h"

#include <QPushButton>

void TfVT12SetAppMain::BindPendingChanges() {
    connect(ui.bShowChanges, &QPushButton::clicked, this, [this] {
        RunGuarded([this] {
            if (!changes_)
                changes_ = std::make_unique<ChangesWindow>(*session_, this);
            changes_->show();
            changes_->raise();
            changes_->activateWindow();
        });
    });
}
