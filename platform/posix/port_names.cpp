#include "platform/port_names.h"

bool PortDevicesAreFiles() {
    return true;
}

QString SystemPortDevice(int number) {
    return QStringLiteral("/dev/ttyUSB%1").arg(qint64{number} - 1);
}
