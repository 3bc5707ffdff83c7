#include "cli/open_failure_text.h"

#include "link/channel_failure_text.h"

#include <cerrno>
#include <cstring>

namespace {
QString systemWords(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString cause(OpenFailure why) {
    switch (why) {
    case OpenFailure::NoDevice:
        return systemWords(ENOENT);
    case OpenFailure::NoPermission:
        return systemWords(EACCES) +
               QStringLiteral("; add your user to the group dialout (sudo adduser $USER dialout), "
                              "then log out and in again");
    case OpenFailure::InUse:
        return systemWords(EBUSY) + QStringLiteral(": another program holds the port");
    case OpenFailure::Settings:
        return QStringLiteral("the device refuses 19200 baud, 8 data bits, no parity, 2 stop bits");
    case OpenFailure::None:
        break;
    case OpenFailure::DeviceLost:
        return QStringLiteral("the device went away");
    default:
        return NetworkFailureWords(why);
    }
    return QStringLiteral("opened");
}
} // namespace

QString OpenFailureText(int port, const QString& device, OpenFailure why) {
    return QStringLiteral("COM%1 (%2): %3").arg(port).arg(device, cause(why));
}
