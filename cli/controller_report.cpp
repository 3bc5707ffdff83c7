#include "cli/controller_report.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
QString installationWords(int mode) {
    switch (mode) {
    case 0:
        return QStringLiteral("single unit or SLAVE unit");
    case 1:
        return QStringLiteral("slave on the RS-232 port");
    case 2:
        return QStringLiteral("MASTER unit of a pair");
    case 3:
        return QStringLiteral("unit with a Torvex drive");
    default:
        return QStringLiteral("unknown");
    }
}

QStringList lines(const QString& memo) {
    QStringList all = memo.split(u'\n');
    while (!all.isEmpty() && all.constLast().isEmpty())
        all.removeLast();
    return all;
}

void appendCounters(QString& csv, const QString& unit, const CountersBlock& counters) {
    for (int n = 1; n <= CountersBlock::kCount; ++n)
        csv += QStringLiteral("%1,%2,%3\n").arg(unit).arg(n).arg(counters.Counter(n));
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
                .arg(installationWords(report.installationMode));
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

QString CountersCsv(const CountersBlock& master, const CountersBlock* slave) {
    QString csv = QStringLiteral("unit,counter,value\n");
    appendCounters(csv, QStringLiteral("master"), master);
    if (slave != nullptr)
        appendCounters(csv, QStringLiteral("slave"), *slave);
    return csv;
}
