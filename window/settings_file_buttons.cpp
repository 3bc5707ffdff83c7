// Save to File and Load from File: the edited settings and the three memos in a settings file.
// A load never talks to the controller; the loaded settings reach it with the next save.

#include "core/uncaught_error.h"
#include "data/settings_file.h"
#include "window/gate_grid.h"
#include "window/main_window.h"

#include <QDir>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

std::optional<QString> ChosenFile(QFileDialog* dialog) {
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().constFirst();
}

QString FileError(const QString& path, const QString& error) {
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), error);
}

void ShowMemo(QPlainTextEdit* memo, const std::optional<QString>& text) {
    if (text)
        memo->setPlainText(*text);
}

} // namespace

void TfVT12SetAppMain::BindSettingsFile() {
    connect(ui.bSaveToFile, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { bSaveToFileClick(); }); });
    connect(ui.bLoadFromFile, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { bLoadFromFileClick(); }); });
}

void TfVT12SetAppMain::bSaveToFileClick() {
    const std::optional<QString> path = ChosenFile(ui.dSave);
    if (!path)
        return;
    const SettingsFileSaved saved = SaveSettingsFile(*path, session_->Images(), MemoTexts());
    if (!saved.ok)
        ReportUncaughtError(FileError(*path, saved.error));
}

SettingsFileTexts TfVT12SetAppMain::MemoTexts() const {
    return {ui.mFwData->toPlainText(), ui.mCtcs->toPlainText(), ui.mCtcs24->toPlainText()};
}

void TfVT12SetAppMain::bLoadFromFileClick() {
    // The firmware selection shares the dialog and leaves its own filter in it.
    ui.dOpen->setNameFilters(SettingsFileFilters());
    const std::optional<QString> path = ChosenFile(ui.dOpen);
    if (!path)
        return;
    const SettingsFileLoaded loaded = session_->LoadSettings(*path);
    if (!loaded.ok) {
        ReportUncaughtError(FileError(*path, loaded.error));
        return;
    }
    ShowMemo(ui.mFwData, loaded.mFwData);
    ShowMemo(ui.mCtcs, loaded.mCtcs);
    ShowMemo(ui.mCtcs24, loaded.mCtcs24);
    ShowLoadedSettings();
}

// The Save buttons tell at once whether the loaded settings differ from the controller's.
void TfVT12SetAppMain::ShowLoadedSettings() {
    ui.gData->DiscardEditor();
    setup_->ShowSystemSettings();
    session_->ShowGateTables();
    session_->ShowSaveState();
}
