#include "window/page_service.h"

#include "window/kom_log_colours.h"
#include "window/page_align.h"
#include "window/page_builders.h"
#include "window/page_controls.h"

#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

namespace {

QPlainTextEdit* MakeMemo(QWidget* parent, const char* name, const QRect& rect) {
    auto* memo = Make<QPlainTextEdit>(parent, name, rect);
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setTabStopDistance(48);
    return memo;
}

void SetupCounters(ServicePageUi& ui) {
    QWidget* page = ui.tsDetail;
    ui.lCountersCaption =
        MakeCaption(page, "lCountersCaption", QStringLiteral("COUNTERS"), QRect(8, 6, 300, 16));
    ui.pCounters = MakeGroupPanel(page, "pCounters", QRect(8, 24, 300, 262));
    ui.mCtcs = MakeMemo(ui.pCounters, "mCtcs", QRect(4, 4, 144, 254));
    ui.pSlaveAppSavings = Make<QFrame>(ui.pCounters, "pSlaveAppSavings", QRect(152, 4, 144, 254));
    ui.mCtcs24 = MakeMemo(ui.pSlaveAppSavings, "mCtcs24", QRect(0, 0, 144, 254));
    SetAlign(ui.mCtcs24, Align::Client);
    ui.mCtcs24->hide();
    ui.bRefreshCounters = Make<QPushButton>(page, "bRefreshCounters", QRect(8, 292, 300, 28),
                                            QStringLiteral("Refresh Counters"));
}

void SetupSavingProgress(ServicePageUi& ui) {
    QWidget* page = ui.tsDetail;
    ui.lSavingProgressCaption =
        MakeCaption(page, "lSavingProgressCaption", QStringLiteral("Vantor SAVING PROGRESS"),
                    QRect(320, 6, 330, 16));
    ui.pKomStatus = MakeGroupPanel(page, "pKomStatus", QRect(320, 24, 330, 262));
    ui.mKomSts = MakeMemo(ui.pKomStatus, "mKomSts", QRect(4, 4, 322, 232));
    SetOwnFont(ui.mKomSts, kDesignFontPixels, true);
    SetTextColor(ui.mKomSts, QColor(255, 0, 0));
    ColourLogVerdicts(ui.mKomSts);
    ui.pbKomSts = Make<QProgressBar>(ui.pKomStatus, "pbKomSts", QRect(4, 240, 322, 18));
    ui.pbKomSts->setRange(0, 100);
    ui.pbKomSts->setValue(0);
    ui.pbKomSts->setTextVisible(false);
    ui.pbKomSts->hide();
    ui.bResetUnit = Make<QPushButton>(page, "bResetUnit", QRect(320, 292, 330, 28),
                                      QStringLiteral("Restart Vantor Unit(s)"));
}

void SetupFirmwareData(ServicePageUi& ui) {
    QWidget* page = ui.tsDetail;
    ui.lFirmwareDataCaption = MakeCaption(page, "lFirmwareDataCaption",
                                          QStringLiteral("FIRMWARE DATA"), QRect(662, 6, 324, 16));
    ui.mFwData = MakeMemo(page, "mFwData", QRect(662, 24, 324, 150));
    ui.lSlaveFirmwareVersion = Make<QLabel>(page, "lSlaveFirmwareVersion", QRect(662, 178, 324, 16),
                                            QStringLiteral("Slave Firmware Version: ???"));
    SetBold(ui.lSlaveFirmwareVersion);
    ui.lSlaveFirmwareVersion->hide();
    ui.lBootloaderDataCaption =
        MakeCaption(page, "lBootloaderDataCaption", QStringLiteral("BOOTLOADER DATA"),
                    QRect(662, 200, 324, 16));
    ui.mFWBLData = MakeMemo(page, "mFWBLData", QRect(662, 218, 324, 102));
}

QLabel* MakeHint(QWidget* parent, const char* bulletName, TShape*& bullet, const char* name,
                 const QString& text, int top) {
    bullet = Make<TShape>(parent, bulletName, QRect(12, top + 6, 5, 5), TShape::TShapeKind::Circle);
    bullet->SetBrushColor(Qt::black);
    bullet->SetPen(QColor(), 0);
    return Make<QLabel>(parent, name, QRect(24, top, 940, 18), text);
}

// The settings kept before an update, in the free row under the hints.
void SetupSettingsBackup(ServicePageUi& ui) {
    QWidget* p = ui.pFirmwareUpdatePanel;
    ui.lBackupInfo = Make<QLabel>(p, "lBackupInfo", QRect(8, 178, 548, 18));
    ui.bRestoreBackup = Make<QPushButton>(p, "bRestoreBackup", QRect(562, 172, 200, 28),
                                          QStringLiteral("Restore Settings Backup"));
    ui.bRestoreBackup->setEnabled(false);
}

void SetupFirmwareUpdate(ServicePageUi& ui) {
    ui.pFirmwareUpdatePanel =
        MakeGroupPanel(ui.tsDetail, "pFirmwareUpdatePanel", QRect(8, 330, 978, 207));
    QWidget* p = ui.pFirmwareUpdatePanel;
    ui.lFirmwareUpdateCaption =
        MakeCaption(p, "lFirmwareUpdateCaption", QStringLiteral("Vantor FIRMWARE UPDATE"),
                    QRect(8, 6, 400, 16));
    ui.lFirmwareFileCaption =
        Make<QLabel>(p, "lFirmwareFileCaption", QRect(8, 28, 600, 16),
                     QStringLiteral("Select file to upload to the Vantor 12 (*.VTFW)"));
    ui.eFirmwareFile = Make<QLineEdit>(p, "eFirmwareFile", QRect(8, 48, 600, 22));
    ui.bFirmwareFileOpen =
        Make<QPushButton>(p, "bFirmwareFileOpen", QRect(612, 48, 28, 22), QStringLiteral("..."));
    ui.lFirmwareFileError = Make<QLabel>(p, "lFirmwareFileError", QRect(8, 76, 632, 16),
                                         QStringLiteral("The firmware file not selected"));
    SetBold(ui.lFirmwareFileError);
    SetTextColor(ui.lFirmwareFileError, QColor(255, 0, 0));
    ui.bUploadFirmware = Make<QPushButton>(p, "bUploadFirmware", QRect(660, 48, 200, 44),
                                           QStringLiteral("Update Vantor Firmware"));
    ui.bUploadFirmware->setToolTip(QStringLiteral("Transfers Firmware to Vantor"));
    SetBold(ui.bUploadFirmware);
    ui.bUploadFirmware->setEnabled(false);
    // The service tools take the panel's free corner.
    ui.bTrafficMonitor = Make<QPushButton>(p, "bTrafficMonitor", QRect(770, 172, 200, 28),
                                           QStringLiteral("Traffic Monitor"));
    ui.lFirmwareHint1 = MakeHint(
        p, "shFirmwareHintBullet1", ui.shFirmwareHintBullet1, "lFirmwareHint1",
        QStringLiteral("Browse for the *.VTFW file (for example VT12F05A_20161129) by using "
                       "\"...\" button."),
        108);
    ui.lFirmwareHint2 = MakeHint(
        p, "shFirmwareHintBullet2", ui.shFirmwareHintBullet2, "lFirmwareHint2",
        QStringLiteral("Press the \"Update Vantor Firmware\" button. The Vantor will program a "
                       "total of 40 memory pages, it will take about 30 seconds, be patient."),
        132);
    ui.lFirmwareHint3 = MakeHint(
        p, "shFirmwareHintBullet3", ui.shFirmwareHintBullet3, "lFirmwareHint3",
        QStringLiteral(
            "Do not disconnect the Vantor 12 and PC power supply during the firmware update."),
        156);
    SetupSettingsBackup(ui);
}

QFileDialog* MakeSaveDialog(QWidget* parent, const char* name, const QString& suffix,
                            const QString& filter) {
    auto* dialog = new QFileDialog(parent, QStringLiteral("Select destination and filename"));
    dialog->setObjectName(QString::fromLatin1(name));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(suffix);
    dialog->setNameFilters({filter, QStringLiteral("All Files (*.*)")});
    return dialog;
}

// The exports sit in the caption rows, beside what they take: the counters, and the unit's data.
void SetupServiceExports(ServicePageUi& ui) {
    QWidget* page = ui.tsDetail;
    ui.bExportCounters = Make<QPushButton>(page, "bExportCounters", QRect(188, 2, 120, 20),
                                           QStringLiteral("Export Counters\u2026"));
    ui.bServiceReport = Make<QPushButton>(page, "bServiceReport", QRect(866, 2, 120, 20),
                                          QStringLiteral("Service Report\u2026"));
    ui.dExportCounters = MakeSaveDialog(page, "dExportCounters", QStringLiteral("csv"),
                                        QStringLiteral("Counters (*.csv)"));
    ui.dServiceReport = MakeSaveDialog(page, "dServiceReport", QStringLiteral("pdf"),
                                       QStringLiteral("Service Report (*.pdf)"));
}

} // namespace

void SetupServicePage(QTabWidget* pages, ServicePageUi& ui) {
    ui.tsDetail = AddPage(pages, "tsDetail", QStringLiteral("SERVICE"));
    SetupCounters(ui);
    SetupSavingProgress(ui);
    SetupFirmwareData(ui);
    SetupFirmwareUpdate(ui);
    SetupServiceExports(ui);
}
