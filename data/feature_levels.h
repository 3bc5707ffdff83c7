#pragma once
// The one table of which firmware level switches which feature or unit, and the firmware codes
// of the units it is asked about.

#include "data/firmware_code.h"

#include <array>
#include <cstdint>
#include <optional>

enum class Feature {
    BootloaderMode,            // damaged firmware: only the bootloader answers
    HardwareVersionReported,   // StatusBlock carries the hardware version; else taken as 2
    ActiveAfterStart,          // pActiveAfterStart, Inactivity After Power Up
    CleanHowOftenInMinutes,    // else stored in units of 5 minutes
    BootloaderInfoRead,        // BootloaderInfoBlock may be asked for
    ControllerMinAirflowGates, // the status display uses the controller's minimum-airflow mask
    FanOffDelayInSeconds,      // else tenths; also the unit of the live off-delay countdown
    OffDelayInTenths,          // master gates: else hundredths, entry up to 3600 s instead of 500 s
    VacuumErrorSettings,       // ErrorLevel and StopAtError written and shown, pVacuumError
    KeepLastUsedOpen,          // written, shown and visible
    PressureFromVFDWritten,    // else written as 0
    PressureFromVFDShown,      // cbPressureFromVFD visible and set from the image
    VFDOnPort2,                // rbVFD_OnPort2 and lSingleWithVFDonRS485 visible
    DriveStatusPanel,          // pVFD_Status, in installation mode 3
    SlaveOffDelayInTenths,     // slave gates, as OffDelayInTenths for the master
};

enum class Unit { Master, Slave };

// A feature is on while the unit's code lies in [from, below); an absent bound does not limit.
struct FeatureRule {
    Feature feature;
    Unit unit;
    std::optional<FirmwareCode> from;
    std::optional<FirmwareCode> below;
};

inline constexpr std::array<FeatureRule, 15> kFeatureRules{{
    {Feature::BootloaderMode, Unit::Master, FirmwareCode("B03B"), FirmwareCode("F03A")},
    {Feature::HardwareVersionReported, Unit::Master, FirmwareCode("F03A"), std::nullopt},
    {Feature::ActiveAfterStart, Unit::Master, FirmwareCode("F03A"), std::nullopt},
    {Feature::CleanHowOftenInMinutes, Unit::Master, FirmwareCode("F03G"), std::nullopt},
    {Feature::BootloaderInfoRead, Unit::Master, FirmwareCode("F03K"), std::nullopt},
    {Feature::ControllerMinAirflowGates, Unit::Master, FirmwareCode("F03K"), std::nullopt},
    {Feature::FanOffDelayInSeconds, Unit::Master, FirmwareCode("F04A"), std::nullopt},
    {Feature::OffDelayInTenths, Unit::Master, FirmwareCode("F04A"), std::nullopt},
    {Feature::VacuumErrorSettings, Unit::Master, FirmwareCode("F04A"), std::nullopt},
    {Feature::KeepLastUsedOpen, Unit::Master, FirmwareCode("F04A"), std::nullopt},
    {Feature::PressureFromVFDWritten, Unit::Master, FirmwareCode("F04B"), std::nullopt},
    {Feature::PressureFromVFDShown, Unit::Master, FirmwareCode("F05A"), std::nullopt},
    {Feature::VFDOnPort2, Unit::Master, FirmwareCode("F05A"), std::nullopt},
    {Feature::DriveStatusPanel, Unit::Master, FirmwareCode("F05A"), std::nullopt},
    {Feature::SlaveOffDelayInTenths, Unit::Slave, FirmwareCode("F04A"), std::nullopt},
}};

class FeatureLevels {
public:
    const FirmwareCode& MasterCode() const { return master_; }
    void SetMasterCode(const FirmwareCode& code) { master_ = code; }
    const FirmwareCode& SlaveCode() const { return slave_; }
    void SetSlaveCode(const FirmwareCode& code) { slave_ = code; }

    bool Has(Feature feature) const;

    // In a MASTER installation, a slave that runs no "F" firmware has its counters, gate
    // settings and names read again every 20th answer.
    bool SlaveNeedsPeriodicReread() const { return slave_.First() != u'F'; }

    // What the status display takes as the hardware version of the master unit.
    uint8_t HardwareVersion(uint8_t reported) const;

    // The Pressure page and the vacuum value panels need a sensor input.
    static bool HasPressureInput(uint8_t hardwareVersion) { return hardwareVersion > 3; }

private:
    FirmwareCode master_;
    FirmwareCode slave_;
};
