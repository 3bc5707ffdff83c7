#pragma once
// What an installation mode changes on the screens, and which of its radio buttons may be
// chosen. Modes: 0 single or SLAVE unit, 1 slave on the RS-232 port, 2 MASTER of a pair,
// 3 with a Torvex drive.

#include "data/feature_levels.h"
#include "data/installation_mode.h"

#include <QString>

inline constexpr int kInstallationModeCount = 4;
inline constexpr char kResetUnitsCaption[] = "Restart Vantor 12 Units";

struct InstallationLayout {
    // The applied mode: a stored byte outside 0..3 has no radio button and is applied as 0,
    // which is also what a save would write back.
    int mode = 0;
    // pOther24, pGateCurrent24, mCtcs24, pCurrentInputValueS, pCurrentInputSettingsSlave,
    // lSlaveFirmwareVersion and imCurrentInputSettingsLabel_MASTER.
    bool slaveShown = false;
    // cbPressureFromVFD enabled.
    bool pressureFromVfd = false;
    // The frames read M1..M12 and S1..S12.
    bool masterSlaveNumbering = false;
    // Left edge of the master driver bars pGateCurrent: further left where the slave bars
    // stand beside them.
    int masterBarsLeft = 140;
    // The bitmap resource of imMasterSlave.
    QString schematic;
    // lCurrInpLabelMaster.
    QString masterPressureLabel;
    // lGateCurrentCaption.
    QString masterCurrentCaption;
};

// The gate table takes the mode itself (its rows, numbers and paging). Applying a layout also
// sets the slave's active sensor and open gate counts to 0, gives bResetUnit
// kResetUnitsCaption and ends with SettingsChanged, so the edited system image takes the
// mode's byte and the Save buttons show the change.
InstallationLayout LayoutOfInstallation(int mode);

// rbVFD_OnPort2 and its explanation lSingleWithVFDonRS485.
inline bool DriveInstallationOffered(const FeatureLevels& features) {
    return features.Has(Feature::VFDOnPort2);
}

// pVFD_Status, from the stored system settings.
inline bool DriveStatusPanelShown(const FeatureLevels& features, int storedMode) {
    return features.Has(Feature::DriveStatusPanel) && storedMode == kInstallationDrive;
}
