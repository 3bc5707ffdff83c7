#pragma once
// InstallationMode, the controller's own system setting: 0 a single unit or the SLAVE unit of
// a pair, and the three below.

inline constexpr int kInstallationSlaveOnPort = 1; // a slave on the RS-232 port
inline constexpr int kInstallationMasterSlave = 2; // the MASTER unit of a pair
inline constexpr int kInstallationDrive = 3;       // a unit with a Torvex drive
