// The settings kept before a firmware update on the firmware panel: which file holds them, and
// "Restore Settings Backup", which loads the newest one as "Load from File" would.

#include "core/uncaught_error.h"
#include "window/main_window.h"
#include "window/page_builders.h"

#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>

namespace {
const QColor kWritten{0, 128, 0};
const QColor kFailed{255, 0, 0};

QString FileName(const QString& path) {
    return QFileInfo(path).fileName();
}
} // namespace

void TfVT12SetAppMain::BindSettingsBackup() {
    connect(session_, &ControllerSession::SettingsBackupFinished, this,
            &TfVT12SetAppMain::ShowSettingsBackup);
    connect(session_, &ControllerSession::SettingsBackupRestored, this,
            &TfVT12SetAppMain::ShowSettingsBackupRestored);
    connect(ui.bRestoreBackup, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { bRestoreBackupClick(); }); });
    ShowLatestSettingsBackup({});
}

// lead: what happened last, before the name of the newest backup.
void TfVT12SetAppMain::ShowLatestSettingsBackup(const QString& lead) {
    const QString latest = LatestSettingsBackup(SettingsBackupFolder());
    QString text = lead;
    if (!latest.isEmpty())
        text += QStringLiteral("Latest settings backup: ") + FileName(latest);
    else if (lead.isEmpty())
        text = QStringLiteral("No settings backup yet");
    ui.lBackupInfo->setText(text);
    ui.lBackupInfo->setToolTip(
        QDir::toNativeSeparators(latest.isEmpty() ? SettingsBackupFolder() : latest));
    SetTextColor(ui.lBackupInfo, palette().color(QPalette::WindowText));
    ui.bRestoreBackup->setEnabled(!latest.isEmpty());
}

void TfVT12SetAppMain::ShowSettingsBackup(const SettingsBackupOutcome& outcome) {
    using Skip = SettingsBackupDecision::Skip;
    if (outcome.Failed()) {
        ui.lBackupInfo->setText(
            QStringLiteral("Update not started: the settings backup could not be written"));
        ui.lBackupInfo->setToolTip(QDir::toNativeSeparators(outcome.path));
        SetTextColor(ui.lBackupInfo, kFailed);
        ReportUncaughtError(QStringLiteral("%1: %2\nThe firmware update was not started.")
                                .arg(QDir::toNativeSeparators(outcome.path), outcome.error));
        return;
    }
    switch (outcome.decision.skip) {
    case Skip::None:
        ShowLatestSettingsBackup({});
        ui.lBackupInfo->setText(QStringLiteral("Settings backed up before the update: ") +
                                FileName(outcome.path));
        SetTextColor(ui.lBackupInfo, kWritten);
        break;
    case Skip::BootloaderMode:
        ShowLatestSettingsBackup(QStringLiteral("No backup from the bootloader. "));
        break;
    case Skip::SettingsNotRead:
        ShowLatestSettingsBackup(QStringLiteral("No backup: settings not read yet. "));
        break;
    }
}

void TfVT12SetAppMain::bRestoreBackupClick() {
    // The unit's own backup of this program's update; without one, the technician picks among
    // the older ones: none is taken for being the newest.
    QString latest = session_->UpdateBackup();
    if (latest.isEmpty()) {
        const QList<SettingsBackupEntry> backups =
            SettingsBackups(SettingsBackupFolder(), session_->UnitUpdateTime());
        QStringList items;
        for (const SettingsBackupEntry& backup : backups)
            items << backup.description;
        bool chosen = false;
        const QString item = QInputDialog::getItem(
            this, QStringLiteral("Restore Settings Backup"),
            QStringLiteral("No backup was taken for this unit's last update. Backups of "
                           "earlier updates (date, firmware, first gates):"),
            items, 0, false, &chosen);
        if (!chosen || !items.contains(item))
            return;
        latest = backups[items.indexOf(item)].path;
    }
    ui.lBackupInfo->setText(
        QStringLiteral("Reading the unit's settings, then loading %1").arg(FileName(latest)));
    SetTextColor(ui.lBackupInfo, palette().color(QPalette::WindowText));
    session_->RestoreSettingsBackup(latest);
}

// As "Load from File" shows a file, the memos apart: they keep the connected unit's identity
// and counters, not those of the backup's time.
void TfVT12SetAppMain::ShowSettingsBackupRestored(const QString& path,
                                                  const SettingsFileLoaded& loaded) {
    if (!loaded.ok) {
        ShowLatestSettingsBackup({});
        ReportUncaughtError(
            QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), loaded.error));
        return;
    }
    ShowLoadedSettings();
    ui.lBackupInfo->setText(
        QStringLiteral("Loaded %1: \"Save to Vantor\" writes it to the unit").arg(FileName(path)));
}
