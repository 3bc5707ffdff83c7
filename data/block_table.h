#pragma once
// Where each register block lives on the controller and which jobs move it: the one table
// the scheduler, the read handlers and the settings file all take their numbers from.

#include "data/job_bits.h"

#include <array>
#include <cstddef>
#include <cstdint>

enum class BlockId : uint8_t {
    GateSettings,
    SlaveGateSettings,
    SystemSettings,
    GateNames,
    SlaveGateNames,
    VacuumSettings,
    Status,
    SlaveStatus,
    DriveStatus,
    Counters,
    SlaveCounters,
    FirmwareInfo,
    FirmwareInfo2,
    BootloaderInfo,
    SlaveVersion,
};

inline constexpr int kGatesPerUnit = 12;

inline constexpr uint8_t kReadHolding = 3;
inline constexpr uint8_t kReadInput = 4;

struct BlockSpec {
    BlockId id;
    const char* name;
    uint8_t function; // kReadHolding or kReadInput; settings blocks are written with function 16
    uint16_t start;
    uint16_t count; // registers
    uint32_t readJob;
    uint32_t writeJob; // 0 for a read-only block

    constexpr int bytes() const { return 2 * count; }
    constexpr bool isSettings() const { return writeJob != 0; }
};

// Indexed by BlockId.
inline constexpr std::array<BlockSpec, 15> kBlocks{{
    {BlockId::GateSettings, "GateSettingsBlock", kReadHolding, 0, 97, JOB_READ_GATE_SETTINGS,
     JOB_WRITE_GATE_SETTINGS},
    {BlockId::SlaveGateSettings, "SlaveGateSettingsBlock", kReadHolding, 512, 97,
     JOB_READ_SLAVE_GATE_SETTINGS, JOB_WRITE_SLAVE_GATE_SETTINGS},
    {BlockId::SystemSettings, "SystemSettingsBlock", kReadHolding, 128, 14,
     JOB_READ_SYSTEM_SETTINGS, JOB_WRITE_SYSTEM_SETTINGS},
    {BlockId::GateNames, "GateNamesBlock", kReadHolding, 256, 120, JOB_READ_GATE_NAMES,
     JOB_WRITE_GATE_NAMES},
    {BlockId::SlaveGateNames, "SlaveGateNamesBlock", kReadHolding, 640, 120,
     JOB_READ_SLAVE_GATE_NAMES, JOB_WRITE_SLAVE_GATE_NAMES},
    {BlockId::VacuumSettings, "VacuumSettingsBlock", kReadHolding, 384, 42,
     JOB_READ_VACUUM_SETTINGS, JOB_WRITE_VACUUM_SETTINGS},
    {BlockId::Status, "StatusBlock", kReadInput, 0, 16, JOB_POLL_STATUS, 0},
    {BlockId::SlaveStatus, "SlaveStatusBlock", kReadInput, 80, 16, JOB_POLL_SLAVE_STATUS, 0},
    {BlockId::DriveStatus, "DriveStatusBlock", kReadInput, 96, 16, JOB_POLL_VFD_STATUS, 0},
    // The slave's counters answer at the neighbouring address with the same count.
    {BlockId::Counters, "CountersBlock", kReadInput, 16, 32, JOB_READ_COUNTERS, 0},
    {BlockId::SlaveCounters, "SlaveCountersBlock", kReadInput, 17, 32, JOB_READ_SLAVE_COUNTERS, 0},
    {BlockId::FirmwareInfo, "FirmwareInfoBlock", kReadHolding, 2048, 124, JOB_READ_FIRMWARE_INFO,
     0},
    {BlockId::FirmwareInfo2, "FirmwareInfoBlock2", kReadHolding, 2172, 124,
     JOB_READ_FIRMWARE_INFO_2, 0},
    {BlockId::BootloaderInfo, "BootloaderInfoBlock", kReadHolding, 24320, 124,
     JOB_READ_BOOTLOADER_INFO, 0},
    {BlockId::SlaveVersion, "SlaveVersionBlock", kReadHolding, 656, 4, JOB_READ_SLAVE_VERSION, 0},
}};

constexpr const BlockSpec& SpecOf(BlockId id) {
    return kBlocks[static_cast<size_t>(id)];
}

// The block a job reads or writes; nullptr for jobs that move no block.
constexpr const BlockSpec* BlockForJob(uint32_t job) {
    if (job == 0)
        return nullptr;
    for (const BlockSpec& block : kBlocks) {
        if (block.readJob == job || block.writeJob == job)
            return &block;
    }
    return nullptr;
}

static_assert([] {
    for (size_t i = 0; i < kBlocks.size(); ++i) {
        if (static_cast<size_t>(kBlocks[i].id) != i)
            return false;
    }
    return true;
}());
