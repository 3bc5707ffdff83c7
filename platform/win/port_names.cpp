#include "platform/port_names.h"

bool PortDevicesAreFiles() {
    return false;
}

QString SystemPortDevice(int number) {
    return QStringLiteral("\\\\.\\COM%1").arg(number);
}
