#include "data/factory_defaults.h"

#include "data/installation_mode.h"

QString DefaultGateName(int gate) {
    return QStringLiteral("Workstation %1").arg(gate, 2, 10, QLatin1Char('0'));
}

FactoryDefaultsApplied ApplyFactoryDefaults(ControllerImages& images) {
    SystemSettingsBlock& system = images.SystemSettings.Edited;
    const uint8_t mode = system.InstallationMode();
    system = SystemDefaults;
    system.SetInstallationMode(mode);

    for (int i = 0; i < kGatesPerUnit; ++i) {
        const auto at = static_cast<size_t>(i);
        images.GateSettings.Edited.Gates[at] = GateDefaults;
        images.SlaveGateSettings.Edited.Gates[at] = GateDefaults;
        images.GateNames.Edited.Names[at].SetName(DefaultGateName(i + 1));
        images.SlaveGateNames.Edited.Names[at].SetName(DefaultGateName(i + 1 + kGatesPerUnit));
    }
    return {QStringLiteral("4500"), mode == kInstallationMasterSlave};
}
