#pragma once
// Which device a port number means on this machine.

#include <QMap>
#include <QString>

// Paths given per port ("COM3" -> "/dev/ttyACM0"), e.g. from the Ports section of Settings.ini.
using PortPathOverrides = QMap<QString, QString>;

// Windows: \\.\COMn. Elsewhere, in this order: $VT12_PORT_DIR/COMn, the override for "COMn",
// /dev/ttyUSB(n-1). Relative paths are taken from the working directory.
QString PortDevicePath(int number, const PortPathOverrides& overrides);
