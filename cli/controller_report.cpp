#include "cli/controller_report.h"

#include "data/installation_mode.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
QStringList lines(const QString& memo) {
    QStringList all = memo.split(u'\n');
    while (!all.isEmpty() && all.constLast().isEmpty())
        all.removeLast();
    return all;
}
} // namespace

QString MemoText(const QString& text) {
    QString memo = text;
    memo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    memo.replace(u'\r', u'\n');
    // A memo shows a no-break space as a plain one.
    memo.replace(QChar::Nbsp, u' ');
    return memo;
}

QString DetectLine(const ControllerReport& report) {
    return QStringLiteral("COM%1 %2 %3\n").arg(report.port).arg(report.device, report.firmwareCode);
}

QString InfoText(const ControllerReport& report) {
    QString text = QStringLiteral("Port: COM%1 (%2)\n").arg(report.port).arg(report.device);
    text += QStringLiteral("Firmware code: %1\n").arg(report.firmwareCode);
    text += lines(report.identification).join(u'\n') + u'\n';
    if (!report.bootloader.isEmpty())
        text += lines(report.bootloader).join(u'\n') + u'\n';
    text += report.hardwareVersion + u'\n';
    text += QStringLiteral("Installation mode: %1 (%2)\n")
                .arg(report.installationMode)
                .arg(InstallationModeWords(report.installationMode));
    text += QStringLiteral("Slave unit: %1\n")
                .arg(report.slaveConnected ? report.slaveVersion : QStringLiteral("not connected"));
    return text;
}

QByteArray InfoJson(const ControllerReport& report) {
    const QJsonObject object{
        {QStringLiteral("port"), report.port},
        {QStringLiteral("device"), report.device},
        {QStringLiteral("firmwareCode"), report.firmwareCode},
        {QStringLiteral("identification"),
         QJsonArray::fromStringList(lines(report.identification))},
        {QStringLiteral("bootloader"), QJsonArray::fromStringList(lines(report.bootloader))},
        {QStringLiteral("hardwareVersion"), report.hardwareVersion},
        {QStringLiteral("installationMode"), report.installationMode},
        {QStringLiteral("slaveConnected"), report.slaveConnected},
        {QStringLiteral("slaveVersion"), report.slaveVersion},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}
