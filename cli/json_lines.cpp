#include "cli/json_lines.h"

#include <QJsonDocument>

#include <cstdlib>

QByteArray JsonLine(const QJsonObject& object) {
    QJsonObject line = object;
    line.insert(QStringLiteral("schema"), kJsonSchema);
    return QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n';
}

QString IsoTime(const QDateTime& time) {
    // Written out instead of Qt::ISODateWithMs, which gives "Z" for UTC: one form for a script.
    const int offset = time.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return time.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz")) + (offset < 0 ? u'-' : u'+') +
           QStringLiteral("%1:%2")
               .arg(minutes / 60, 2, 10, QChar(u'0'))
               .arg(minutes % 60, 2, 10, QChar(u'0'));
}

QJsonObject Quantity(double value, const QString& unit) {
    return {{QStringLiteral("value"), value}, {QStringLiteral("unit"), unit}};
}
