#include "monitor/installation_layout.h"

InstallationLayout LayoutOfInstallation(int mode) {
    InstallationLayout layout;
    layout.mode = mode >= 0 && mode < kInstallationModeCount ? mode : 0;
    const bool pair = layout.mode == kInstallationMasterSlave;
    const bool withSlave = pair || layout.mode == kInstallationSlaveOnPort;
    layout.slaveShown = pair;
    layout.pressureFromVfd = layout.mode == kInstallationDrive;
    layout.masterSlaveNumbering = pair;
    layout.masterBarsLeft = withSlave ? 92 : 140;
    layout.schematic = withSlave                           ? QStringLiteral("MS_MS")
                       : layout.mode == kInstallationDrive ? QStringLiteral("MS_VFD")
                                                           : QStringLiteral("MS_SINGLE");
    layout.masterPressureLabel = withSlave ? QStringLiteral("Master") : QString();
    // Beside the slave's bars, the master's heading says whose they are.
    layout.masterCurrentCaption =
        pair ? QStringLiteral("MASTER GATES [mA]") : QStringLiteral("GATE CURRENT [mA]");
    return layout;
}
