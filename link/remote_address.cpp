#include "link/remote_address.h"

#include <QUrl>

namespace {
const QString kTcpScheme = QStringLiteral("tcp");
const QString kModbusTcpScheme = QStringLiteral("modbus-tcp");

QString SchemeOf(const QString& text) {
    const qsizetype end = text.indexOf(QStringLiteral("://"));
    return end < 0 ? QString() : text.left(end).trimmed().toLower();
}
} // namespace

QString RemoteAddress::HostAndPort() const {
    const QString shownHost = host.contains(u':') ? u'[' + host + u']' : host;
    return shownHost + u':' + QString::number(port);
}

QString RemoteAddress::Url() const {
    return (kind == RemoteKind::ModbusTcp ? kModbusTcpScheme : kTcpScheme) + QStringLiteral("://") +
           HostAndPort();
}

bool IsRemoteMapping(const QString& text) {
    const QString scheme = SchemeOf(text);
    return scheme == kTcpScheme || scheme == kModbusTcpScheme;
}

std::optional<RemoteAddress> ParseRemoteAddress(const QString& text) {
    if (!IsRemoteMapping(text))
        return std::nullopt;
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    const int port = url.port();
    // A path, a query or a user would be silently ignored: refuse them instead.
    if (!url.isValid() || url.host().isEmpty() || port < 1 || port > 65535 ||
        !(url.path().isEmpty() || url.path() == u'/') || url.hasQuery() || url.hasFragment() ||
        !url.userInfo().isEmpty())
        return std::nullopt;
    RemoteAddress address;
    address.kind =
        SchemeOf(text) == kModbusTcpScheme ? RemoteKind::ModbusTcp : RemoteKind::RtuOverTcp;
    address.host = url.host();
    address.port = static_cast<uint16_t>(port);
    return address;
}
