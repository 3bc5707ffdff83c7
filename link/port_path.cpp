#include "link/port_path.h"

#include "platform/port_names.h"

#include <QDir>

QString PortDevicePath(int number, const PortPathOverrides& overrides) {
    if (!PortDevicesAreFiles())
        return SystemPortDevice(number);
    const QString name = QStringLiteral("COM%1").arg(number);
    // The serial port would take a relative path for a name under /dev.
    const QString portDir = qEnvironmentVariable("VT12_PORT_DIR");
    if (!portDir.isEmpty())
        return QDir(portDir).absoluteFilePath(name);
    const auto found = overrides.constFind(name);
    if (found != overrides.constEnd() && !found->trimmed().isEmpty())
        return QDir::current().absoluteFilePath(found->trimmed());
    return SystemPortDevice(number);
}
