#include "cli/controller_report.h"

#include "cli/json_lines.h"
#include "data/installation_mode.h"

#include <QJsonArray>

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

QJsonObject UnitKeys(const ControllerReport& report) {
    return {{QStringLiteral("port"), report.port}, {QStringLiteral("device"), report.device}};
}

QByteArray DetectJson(const ControllerReport& report) {
    QJsonObject object = UnitKeys(report);
    object.insert(QStringLiteral("firmwareCode"), report.firmwareCode);
    return JsonLine(object);
}

QByteArray InfoJson(const ControllerReport& report) {
    QJsonObject object = UnitKeys(report);
    object.insert(QStringLiteral("firmwareCode"), report.firmwareCode);
    object.insert(QStringLiteral("identification"),
                  QJsonArray::fromStringList(lines(report.identification)));
    object.insert(QStringLiteral("bootloader"),
                  QJsonArray::fromStringList(lines(report.bootloader)));
    object.insert(QStringLiteral("hardwareVersion"), report.hardwareVersionNumber >= 0
                                                         ? QJsonValue(report.hardwareVersionNumber)
                                                         : QJsonValue(QJsonValue::Null));
    object.insert(QStringLiteral("installationMode"), report.installationMode);
    object.insert(QStringLiteral("installationModeName"),
                  InstallationModeWords(report.installationMode));
    object.insert(QStringLiteral("slaveConnected"), report.slaveConnected);
    // Blank until the slave's version has been read.
    const QString slaveCode = report.slaveFirmwareCode.trimmed();
    object.insert(QStringLiteral("slaveFirmwareCode"), report.slaveConnected && !slaveCode.isEmpty()
                                                           ? QJsonValue(slaveCode)
                                                           : QJsonValue(QJsonValue::Null));
    return JsonLine(object);
}
