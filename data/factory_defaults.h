#pragma once
// The factory settings that "Default Settings" puts into the edited images; nothing is sent.

#include "data/controller_images.h"

#include <QString>

inline constexpr SystemSettingsBlock SystemDefaults = [] {
    SystemSettingsBlock block;
    block.Bytes = {0x00, 0x01, 0x00, 0x01, 0x2E, 0xE0, 0x01, 0x00, 0x00, 0x00,
                   0x01, 0x07, 0x47, 0x80, 0xFF, 0x64, 0x01, 0x00, 0x03, 0x3C,
                   0x00, 0x03, 0x0A, 0x01, 0x99, 0x00, 0x00, 0x00};
    return block;
}();

inline constexpr GateRecord GateDefaults = [] {
    GateRecord record;
    record.Bytes = {0x01, 0x00, 0x00, 0x32, 0x00, 0x0A, 0x04, 0xB0,
                    0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    return record;
}();

// "Workstation 01" to "Workstation 24"; gates 13 to 24 are the slave unit's.
QString DefaultGateName(int gate);

struct FactoryDefaultsApplied {
    QString eIniAirVelocity;
    // Installation mode 2: the slave rows are shown as well.
    bool slaveRowsShown = false;
};

// The edited system and gate images of both units become the factory settings. The installation
// mode and register 96 of the gate blocks stay; the vacuum settings and the read images are left.
FactoryDefaultsApplied ApplyFactoryDefaults(ControllerImages& images);
