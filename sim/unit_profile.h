#pragma once
// What kind of unit the simulator plays, as chosen on its command line.

#include <QString>
#include <cstdint>

namespace vt12sim {

inline constexpr int kDefaultRestartMs = 3000;

struct UnitProfile {
    QString firmwareCode = QStringLiteral("F05A");
    // The identification text of the oldest firmware ("... Firmware Version: 2.05 ...").
    bool oldIdentification = false;
    uint8_t hardwareVersion = 4;
    // A MASTER unit with a SLAVE linked over RS-485.
    bool master = false;
    // A unit with a Torvex drive on its RS-485 port (installation mode 3 stored).
    bool drive = false;
    bool driveTripped = false;
    bool driveLinkLost = false;
    // Answers carry address bit 7, as from a unit with a slave on its RS-232 port.
    bool addressBit7 = false;
    // One system setting is kept other than written, so read-back verification fails.
    bool storeDifferently = false;
    // Workstations switch on and off on a schedule drawn from the seed.
    bool live = false;
    uint32_t seed = 1;
    bool securityAlarm = false;
    bool bypass = false;
    // Silence after the restart command and after a firmware upload.
    int restartMs = kDefaultRestartMs;
    // After an intact upload the unit restarts with the firmware it had.
    bool refusesFirmware = false;
};

inline constexpr uint8_t kMasterInstallation = 2;
inline constexpr uint8_t kDriveInstallation = 3;

inline uint8_t initialInstallationMode(const UnitProfile& profile) {
    return profile.master ? kMasterInstallation : profile.drive ? kDriveInstallation : 0;
}

// Firmware codes compare as text, character by character.
inline bool codeFrom(const QString& code, const char* level) {
    return QString::compare(code, QLatin1String(level), Qt::CaseSensitive) >= 0;
}

// A unit whose firmware is damaged answers from its bootloader.
inline bool isBootloaderCode(const QString& code) {
    return codeFrom(code, "B03B") && !codeFrom(code, "F03A");
}

} // namespace vt12sim
