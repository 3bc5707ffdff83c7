// The firmware update panel: the file's path and verdict, the upload button, and the progress
// bar of an upload.

#include "core/uncaught_error.h"
#include "window/main_window.h"
#include "window/page_builders.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

void TfVT12SetAppMain::BindFirmwareUpdate() {
    connect(session_, &ControllerSession::FirmwareFileChecked, this,
            &TfVT12SetAppMain::ShowFirmwareFileCheck);
    connect(ui.eFirmwareFile, &QLineEdit::textChanged, this, [this](const QString& text) {
        RunGuarded([this, &text] { session_->ValidateFirmwareFile(text); });
    });
    connect(ui.bFirmwareFileOpen, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { bFirmwareFileOpenClick(); }); });
    connect(ui.bUploadFirmware, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { bUploadFirmwareClick(); }); });
    BindSettingsBackup();
}

void TfVT12SetAppMain::ShowFirmwarePathLock() {
    // The file is not to be changed under a running upload.
    const bool running = session_->FirmwareUploadRunning();
    ui.eFirmwareFile->setReadOnly(running);
    ui.bFirmwareFileOpen->setEnabled(!running);
}

void TfVT12SetAppMain::ShowFirmwareFileCheck(const FirmwareFileCheck& check) {
    ShowFirmwarePathLock();
    // A file that cannot be read changes nothing on the panel.
    if (!check.readError.isEmpty()) {
        ReportUncaughtError(check.readError);
        return;
    }
    ui.lFirmwareFileError->setText(check.verdict.Text());
    const LabelColour colour = check.verdict.Colour();
    SetTextColor(ui.lFirmwareFileError, QColor(colour.red, colour.green, colour.blue));
    ui.pbKomSts->setValue(0);
    ui.bUploadFirmware->setEnabled(session_->FirmwareUploadAllowed());
}

void TfVT12SetAppMain::bFirmwareFileOpenClick() {
    // The settings load shares the dialog and puts its own filter back before each use.
    ui.dOpen->setNameFilters(
        {QStringLiteral("Vantor 12 Firmware (*.vtfw)"), QStringLiteral("All Files (*.*)")});
    if (ui.dOpen->exec() != QDialog::Accepted || ui.dOpen->selectedFiles().isEmpty())
        return;
    ui.eFirmwareFile->setText(ui.dOpen->selectedFiles().constFirst());
}

void TfVT12SetAppMain::bUploadFirmwareClick() {
    const std::optional<UploadStart> start =
        session_->StartFirmwareUpload(QDateTime::currentDateTime(), MemoTexts());
    if (!start)
        return;
    ui.mKomSts->clear();
    ui.pbKomSts->setRange(0, start->progressMaximum);
    ui.pbKomSts->setValue(0);
    ui.pbKomSts->show();
    ui.bUploadFirmware->setEnabled(false);
    ShowFirmwarePathLock();
}
