#include "link/port_path.h"

#include <QDir>

QString PortDevicePath(int number, const PortPathOverrides& overrides) {
    const QString name = QStringLiteral("COM%1").arg(number);
#ifdef Q_OS_WIN
    Q_UNUSED(overrides);
    return QStringLiteral("\\\\.\\") + name;
#else
    // The serial port would take a relative path for a name under /dev.
    const QString portDir = qEnvironmentVariable("VT12_PORT_DIR");
    if (!portDir.isEmpty())
        return QDir(portDir).absoluteFilePath(name);
    const auto found = overrides.constFind(name);
    if (found != overrides.constEnd() && !found->trimmed().isEmpty())
        return QDir::current().absoluteFilePath(found->trimmed());
    return QStringLiteral("/dev/ttyUSB%1").arg(qint64{number} - 1);
#endif
}
