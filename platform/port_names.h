#pragma once
// Which device a serial port's number stands for on this system.

#include <QString>

// POSIX ports are files: a pseudo-terminal's link or another device may stand in for one, and
// a missing file is a missing port. Windows ports are only names ("\\.\COM3") that no file
// check sees.
bool PortDevicesAreFiles();

// The device of port COM<number> when nothing else is named for it.
QString SystemPortDevice(int number);
