// Export Counters and Service Report on the SERVICE page: what the program holds of the units,
// written as a file for the office. Both work with the link down too, from the values as last
// read.

#include "core/file_write.h"
#include "core/uncaught_error.h"
#include "data/counters_csv.h"
#include "data/installation_mode.h"
#include "window/main_window.h"
#include "window/service_report_pdf.h"
#include "window/traffic_window.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <functional>

namespace {
// A name to start from: what, the unit's firmware code where one is known, and the day.
QString SuggestedName(const QString& what, const FirmwareCode& code, const QString& suffix) {
    QString name = QStringLiteral("Vantor12-") + what;
    const QString text = code.Text().trimmed();
    if (!text.isEmpty() && std::ranges::all_of(text, [](QChar c) { return c.isLetterOrNumber(); }))
        name += u'-' + text;
    return name + QDate::currentDate().toString(QStringLiteral("-yyyy-MM-dd.")) + suffix;
}

// Starts where the settings files are kept.
std::optional<QString> ChosenExportFile(QFileDialog* dialog, const QDir& start,
                                        const QString& suggested) {
    dialog->setDirectory(start);
    dialog->selectFile(suggested);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().constFirst();
}

void ReportWriteError(const QString& path, const FileWritten& written) {
    if (!written)
        ReportUncaughtError(
            QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), written.failure));
}

QString PageCaption(const QTabWidget* pages, int index) {
    return pages->tabText(index).replace(QStringLiteral("&&"), QStringLiteral("&"));
}
} // namespace

void TfVT12SetAppMain::BindServiceExports() {
    connect(ui.bExportCounters, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { bExportCountersClick(); }); });
    connect(ui.bServiceReport, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { bServiceReportClick(); }); });
}

void TfVT12SetAppMain::bExportCountersClick() {
    const FeatureLevels& features = session_->Features();
    const std::optional<QString> path = ChosenExportFile(
        ui.dExportCounters, ui.dSave->directory(),
        SuggestedName(QStringLiteral("counters"), features.MasterCode(), QStringLiteral("csv")));
    if (!path)
        return;
    const ControllerImages& images = session_->Images();
    QList<UnitCounters> units{
        {QStringLiteral("master"), features.MasterCode().Text(), &images.Counters}};
    if (session_->InstallationMode() == kInstallationMasterSlave)
        units.append({QStringLiteral("slave"), features.SlaveCode().Text(), &images.SlaveCounters});
    const QByteArray csv = CountersCsv(QDateTime::currentDateTime(), units, ExpertMode).toUtf8();
    ReportWriteError(*path, WriteWholeFile(*path, csv));
}

ServiceReportSource TfVT12SetAppMain::ReportSource() const {
    ServiceReportSource source;
    source.printedAt = QDateTime::currentDateTime();
    source.programVersion = ui.lAppVer->text();
    source.linkCaption = ui.pVTDetected->text();
    source.linkUp = session_->LinkUp() && !session_->BootloaderModeOn();
    source.bootloaderMode = session_->BootloaderModeOn();
    source.firmwareVersion = ui.lFwVersion->text();
    source.hardwareVersion = ui.lHwVersion->text();
    if (!ui.lSlaveFirmwareVersion->isHidden())
        source.slaveVersion = ui.lSlaveFirmwareVersion->text();
    source.identification = ui.mFwData->toPlainText();
    source.bootloader = ui.mFWBLData->toPlainText();
    source.komLog = ui.mKomSts->toPlainText();
    source.expertMode = ExpertMode;
    source.installationMode = session_->InstallationMode();
    source.airVelocity = ui.eIniAirVelocity->text();
    source.images = &session_->Images();
    source.features = &session_->Features();
    source.traffic = traffic_ ? &traffic_->Ring() : nullptr;
    return source;
}

// The pages that show the units; HELP shows only the help file.
QList<ReportPicture> TfVT12SetAppMain::PagePictures() const {
    QList<ReportPicture> pictures;
    for (int i = 0; i < ui.pcPages->count(); ++i) {
        QWidget* page = ui.pcPages->widget(i);
        if (page != ui.tsHelp && ui.pcPages->isTabVisible(i))
            pictures.append({PageCaption(ui.pcPages, i), page->grab().toImage()});
    }
    return pictures;
}

void TfVT12SetAppMain::bServiceReportClick() {
    const std::optional<QString> path =
        ChosenExportFile(ui.dServiceReport, ui.dSave->directory(),
                         SuggestedName(QStringLiteral("service-report"),
                                       session_->Features().MasterCode(), QStringLiteral("pdf")));
    if (!path)
        return;
    const ServiceReport report = BuildServiceReport(ReportSource());
    const QList<ReportPicture> pictures = PagePictures();
    ReportWriteError(*path, WriteWholeFile(*path, [&](QIODevice& file) {
        return WriteServiceReportPdf(file, report, pictures);
    }));
}
