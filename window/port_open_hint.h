#pragma once
// Why a serial port could not be opened and what to do about it, for the link panel's tooltip.

#include "link/af_com_port.h"

#include <QString>

// path: the device the port number stands for. A port reported as missing is told apart from a
// path that exists but is no device (a file, a folder) by looking at the path.
QString PortOpenHint(int port, const QString& path, OpenFailure failure);

// Why an open port went away (a remote port's connection reset or closed, a device pulled).
QString PortLostHint(int port, const QString& path, OpenFailure failure);
