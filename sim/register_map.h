#pragma once
// Where the controller's register blocks lie, and which request lands in which block.

#include <cstdint>
#include <span>

namespace vt12sim {

enum class RegisterTable { Holding, Input };

enum class BlockId {
    GateSettings,
    SystemSettings,
    GateNames,
    VacuumSettings,
    SlaveGateSettings,
    SlaveGateNames,
    SlaveVersion,
    FirmwareInfo,
    FirmwareInfo2,
    BootloaderInfo,
    Status,
    Counters,
    SlaveCounters,
    SlaveStatus,
    DriveStatus,
};

struct BlockSpan {
    BlockId id;
    RegisterTable table;
    uint16_t start;
    uint16_t count;
    bool writable;

    bool contains(uint16_t first, uint16_t registers) const {
        return first >= start && first + registers <= start + count;
    }
};

std::span<const BlockSpan> registerMap();

// A block that starts exactly at first wins over one that merely contains the request:
// the slave version (holding 656) lies inside the slave names, the slave counters (input 17)
// overlap the master's (input 16). nullptr when no block holds the whole request.
const BlockSpan* blockForRead(RegisterTable table, uint16_t first, uint16_t registers);

// Only the settings blocks take writes.
const BlockSpan* blockForWrite(uint16_t first, uint16_t registers);

const BlockSpan& blockSpan(BlockId id);

} // namespace vt12sim
