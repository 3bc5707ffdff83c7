#pragma once
// Whether the MASTER's slave unit answers, and what a save may write while it does not.

#include "data/controller_images.h"
#include "data/installation_mode.h"

inline constexpr uint8_t kSlaveLinkConnected = 15;

// Bit 7 of every valid answer's address byte: a slave unit sits on the controller's RS-232
// port, so that installation may be offered.
inline bool SlaveOnPortIndicated(uint8_t addressByte) {
    return (addressByte & 0x80) != 0;
}

// A unit with a drive on its second port has no slave, whatever the link byte says.
inline bool SlaveCountsAsConnected(const StatusBlock& status, int installationMode) {
    return status.SlaveLink() >= kSlaveLinkConnected && installationMode != kInstallationDrive;
}

// The label "not connected" and the emptied slave rows belong to a MASTER installation only.
inline bool SlaveShownLost(bool slaveConnected, int installationMode) {
    return !slaveConnected && installationMode == kInstallationMasterSlave;
}

// What the screens show of a lost slave: empty rows and an empty status. The read image keeps
// what the slave last reported.
// Edits of the slave's rows (a loaded MASTER file) stay until they are saved or reloaded.
// True when the rows were emptied.
inline bool ForgetSlave(ControllerImages& images) {
    images.SlaveStatus = SlaveStatusBlock{};
    if (images.SlaveGateSettings.Changed())
        return false;
    images.SlaveGateSettings.Edited = SlaveGateSettingsBlock{};
    return true;
}

// The slave's rows still as ForgetSlave emptied them: no edit of anyone's.
inline bool SlaveRowsEmpty(const ControllerImages& images) {
    const SlaveGateSettingsBlock empty{};
    return std::ranges::equal(WireView(images.SlaveGateSettings.Edited), WireView(empty));
}

// The write jobs of a save. The slave's blocks are written only to a slave that answers: the
// emptied rows of a lost slave would otherwise replace its stored settings with zeros.
inline uint32_t SaveWriteJobs(int installationMode, bool slaveConnected) {
    uint32_t jobs = JOB_WRITE_GATE_SETTINGS | JOB_WRITE_GATE_NAMES | JOB_WRITE_SYSTEM_SETTINGS |
                    JOB_WRITE_VACUUM_SETTINGS;
    if (installationMode == kInstallationMasterSlave && slaveConnected)
        jobs |= JOB_WRITE_SLAVE_GATE_SETTINGS | JOB_WRITE_SLAVE_GATE_NAMES;
    return jobs;
}

struct GateMasks {
    uint16_t opening = 0;
    uint16_t closing = 0;
    uint16_t open = 0;
};

inline GateMasks GateMasksOf(const StatusBlock& status) {
    return {status.OpeningGates(), status.ClosingGates(), status.OpenGates()};
}
