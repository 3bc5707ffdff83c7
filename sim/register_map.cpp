#include "sim/register_map.h"

#include <array>
#include <cstddef>

namespace vt12sim {

namespace {

using enum RegisterTable;

constexpr std::array kMap{
    BlockSpan{BlockId::GateSettings, Holding, 0, 97, true},
    BlockSpan{BlockId::SystemSettings, Holding, 128, 14, true},
    BlockSpan{BlockId::GateNames, Holding, 256, 120, true},
    BlockSpan{BlockId::VacuumSettings, Holding, 384, 42, true},
    BlockSpan{BlockId::SlaveGateSettings, Holding, 512, 97, true},
    BlockSpan{BlockId::SlaveGateNames, Holding, 640, 120, true},
    BlockSpan{BlockId::SlaveVersion, Holding, 656, 4, false},
    BlockSpan{BlockId::FirmwareInfo, Holding, 2048, 124, false},
    BlockSpan{BlockId::FirmwareInfo2, Holding, 2172, 124, false},
    BlockSpan{BlockId::BootloaderInfo, Holding, 24320, 124, false},
    BlockSpan{BlockId::Status, Input, 0, 16, false},
    BlockSpan{BlockId::Counters, Input, 16, 32, false},
    BlockSpan{BlockId::SlaveCounters, Input, 17, 32, false},
    BlockSpan{BlockId::SlaveStatus, Input, 80, 16, false},
    BlockSpan{BlockId::DriveStatus, Input, 96, 16, false},
};

constexpr bool orderedById() {
    for (std::size_t i = 0; i < kMap.size(); ++i) {
        if (static_cast<std::size_t>(kMap[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(orderedById(), "blockSpan looks blocks up by their id");

} // namespace

std::span<const BlockSpan> registerMap() {
    return kMap;
}

const BlockSpan* blockForRead(RegisterTable table, uint16_t first, uint16_t registers) {
    const BlockSpan* containing = nullptr;
    for (const BlockSpan& span : kMap) {
        if (span.table != table || !span.contains(first, registers)) {
            continue;
        }
        if (span.start == first) {
            return &span;
        }
        if (containing == nullptr) {
            containing = &span;
        }
    }
    return containing;
}

const BlockSpan* blockForWrite(uint16_t first, uint16_t registers) {
    for (const BlockSpan& span : kMap) {
        if (span.writable && span.contains(first, registers)) {
            return &span;
        }
    }
    return nullptr;
}

const BlockSpan& blockSpan(BlockId id) {
    return kMap[static_cast<std::size_t>(id)];
}

} // namespace vt12sim
