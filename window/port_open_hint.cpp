#include "window/port_open_hint.h"

#include "link/channel_failure_text.h"

#include <QFileInfo>

namespace {
QString Cause(const QString& path, OpenFailure failure) {
    switch (failure) {
    case OpenFailure::NoDevice: {
        const QFileInfo device(path);
        if (!device.exists())
            return QStringLiteral("there is no such device. Plug in the serial adapter, or start "
                                  "the program with PORT= and the port the controller is on.");
        if (device.isFile() || device.isDir())
            return QStringLiteral("it is not a device. Point the port at the serial "
                                  "adapter's device.");
        return QStringLiteral("the device does not open as a serial port.");
    }
    case OpenFailure::NoPermission:
        return QStringLiteral("permission denied.\nAdd your user to the \"dialout\" group (sudo "
                              "adduser $USER dialout), then log out and in again.");
    case OpenFailure::InUse:
        return QStringLiteral("another program is using it. Close that program (a terminal, "
                              "another copy of this one); the port is tried again by itself.");
    case OpenFailure::Settings:
        return QStringLiteral("it does not take 19200 baud, 8 data bits, no parity, 2 stop "
                              "bits. Use another serial adapter.");
    case OpenFailure::None:
    case OpenFailure::DeviceLost:
        break;
    default:
        return NetworkFailureWords(failure) +
               QStringLiteral(". Check the address and that the serial server or gateway is on "
                              "and reachable; it is tried again by itself.");
    }
    return {};
}
} // namespace

QString PortOpenHint(int port, const QString& path, OpenFailure failure) {
    const QString cause = Cause(path, failure);
    if (cause.isEmpty())
        return {};
    return QStringLiteral("COM%1 (%2) cannot be opened: %3").arg(port).arg(path, cause);
}

QString PortLostHint(int port, const QString& path, OpenFailure failure) {
    const QString words = NetworkFailureWords(failure);
    return QStringLiteral("COM%1 (%2) was lost: %3; it is tried again by itself.")
        .arg(port)
        .arg(path, words.isEmpty() ? QStringLiteral("the device went away") : words);
}
