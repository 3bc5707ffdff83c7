#pragma once
// A port mapped to a network address instead of a serial device: "tcp://HOST:PORT" carries the
// RTU frames as they are, "modbus-tcp://HOST:PORT" speaks Modbus TCP to a gateway.

#include <QString>
#include <cstdint>
#include <optional>

enum class RemoteKind { RtuOverTcp, ModbusTcp };

struct RemoteAddress {
    RemoteKind kind = RemoteKind::RtuOverTcp;
    QString host;
    uint16_t port = 0;

    // As written in a mapping: "tcp://10.0.0.5:4001".
    QString Url() const;
    // For the screens: "10.0.0.5:4001".
    QString HostAndPort() const;
};

// True when the text names a remote port at all, well formed or not.
bool IsRemoteMapping(const QString& text);
// The address, or nothing when the text is no well-formed remote mapping.
std::optional<RemoteAddress> ParseRemoteAddress(const QString& text);
