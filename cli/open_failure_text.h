#pragma once
// Why a port could not be opened, in the system's words and with what helps: the window keeps
// quiet about it and tries the next port, a script needs to know.

#include "link/af_com_port.h"

#include <QString>

// "COM3 (/dev/ttyUSB2): Permission denied; add your user to the group dialout ..."
QString OpenFailureText(int port, const QString& device, OpenFailure why);
