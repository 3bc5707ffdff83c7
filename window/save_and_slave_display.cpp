// The save buttons' warning and the slave unit's connection, on the controls.

#include "window/main_window.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace {
const QColor kUnsavedColor(255, 0, 0);

// Only the enabled look turns red: a disabled button keeps the disabled text colour.
void showUnsaved(QPushButton* button, bool unsaved) {
    QFont font = button->font();
    font.setBold(unsaved);
    button->setFont(font);
    const QPalette normal = QApplication::palette(button);
    QPalette palette = button->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool red = unsaved && group != QPalette::Disabled;
        palette.setColor(group, QPalette::ButtonText,
                         red ? kUnsavedColor : normal.color(group, QPalette::ButtonText));
    }
    button->setPalette(palette);
}
} // namespace

void TfVT12SetAppMain::ShowSaveState(bool unsaved) {
    showUnsaved(ui.bSave, unsaved);
    showUnsaved(ui.bSave2, unsaved);
}

void TfVT12SetAppMain::ShowSlaveLost(bool lost) {
    ui.lSlaveIsNotConnected->setVisible(lost);
    if (!lost)
        return;
    for (size_t i = 12; i < Gates.size(); ++i)
        Gates[i]->SetGatePicture(0);
    ui.lSlaveFirmwareVersion->setText(QStringLiteral("Slave is not connected!"));
}
