#pragma once
// InstallationMode, the controller's own system setting: 0 a single unit or the SLAVE unit of
// a pair, and the three below.

#include <QString>

inline constexpr int kInstallationSlaveOnPort = 1; // a slave on the RS-232 port
inline constexpr int kInstallationMasterSlave = 2; // the MASTER unit of a pair
inline constexpr int kInstallationDrive = 3;       // a unit with a Torvex drive

inline QString InstallationModeWords(int mode) {
    switch (mode) {
    case 0:
        return QStringLiteral("single unit or SLAVE unit");
    case kInstallationSlaveOnPort:
        return QStringLiteral("slave on the RS-232 port");
    case kInstallationMasterSlave:
        return QStringLiteral("MASTER unit of a pair");
    case kInstallationDrive:
        return QStringLiteral("unit with a Torvex drive");
    default:
        return QStringLiteral("unknown");
    }
}
