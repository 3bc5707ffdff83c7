#include "link/channel_failure_text.h"

QString NetworkFailureWords(ChannelFailure cause) {
    switch (cause) {
    case ChannelFailure::BadAddress:
        return QStringLiteral("the address is not of the form tcp://HOST:PORT or "
                              "modbus-tcp://HOST:PORT");
    case ChannelFailure::HostNotFound:
        return QStringLiteral("the host name is not known");
    case ChannelFailure::Refused:
        return QStringLiteral("the connection was refused");
    case ChannelFailure::Unreachable:
        return QStringLiteral("the host cannot be reached");
    case ChannelFailure::TimedOut:
        return QStringLiteral("the host did not take the connection in time");
    case ChannelFailure::ClosedByPeer:
        // The platform reports a reset as a close.
        return QStringLiteral("the other end closed or reset the connection");
    case ChannelFailure::NetworkError:
        return QStringLiteral("the network failed");
    case ChannelFailure::None:
    case ChannelFailure::NoDevice:
    case ChannelFailure::NoPermission:
    case ChannelFailure::InUse:
    case ChannelFailure::Settings:
    case ChannelFailure::DeviceLost:
        break;
    }
    return {};
}
