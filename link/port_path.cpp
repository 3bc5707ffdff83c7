#include "link/port_path.h"

#include <QDir>

QString PortDevicePath(int number, const PortPathOverrides& overrides) {
    const QString name = QStringLiteral("COM%1").arg(number);
#ifdef Q_OS_WIN
    Q_UNUSED(overrides);
    return QStringLiteral("\\\\.\\") + name;
#else
    const QString portDir = qEnvironmentVariable("VT12_PORT_DIR");
    if (!portDir.isEmpty())
        return QDir(portDir).filePath(name);
    const auto found = overrides.constFind(name);
    if (found != overrides.constEnd() && !found->trimmed().isEmpty())
        return found->trimmed();
    return QStringLiteral("/dev/ttyUSB%1").arg(number - 1);
#endif
}
