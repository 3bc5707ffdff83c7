#pragma once
// Every register block the program holds, owned as one: the settings blocks as read and as
// edited, and the blocks that are only read.

#include "data/block_table.h"
#include "data/counters_block.h"
#include "data/drive_status_block.h"
#include "data/gate_names_block.h"
#include "data/gate_settings_block.h"
#include "data/identification_blocks.h"
#include "data/status_block.h"
#include "data/system_settings_block.h"
#include "data/vacuum_settings_block.h"

#include <algorithm>

template <WireBlock Block> struct SettingsImages {
    // As last read, or as last confirmed by a verifying read.
    Block Read{};
    // What the screens change and a save writes.
    Block Edited{};

    bool Changed() const { return !std::ranges::equal(WireView(Read), WireView(Edited)); }
};

struct ControllerImages {
    SettingsImages<GateSettingsBlock> GateSettings;
    SettingsImages<SlaveGateSettingsBlock> SlaveGateSettings;
    SettingsImages<SystemSettingsBlock> SystemSettings;
    SettingsImages<GateNamesBlock> GateNames;
    SettingsImages<SlaveGateNamesBlock> SlaveGateNames;
    SettingsImages<VacuumSettingsBlock> VacuumSettings;

    StatusBlock Status{};
    SlaveStatusBlock SlaveStatus{};
    DriveStatusBlock DriveStatus{};
    CountersBlock Counters{};
    SlaveCountersBlock SlaveCounters{};
    InfoTextBlock FirmwareInfo{};
    InfoTextBlock FirmwareInfo2{};
    InfoTextBlock BootloaderInfo{};
    SlaveVersionBlock SlaveVersion{};

    // The bytes of a block by its id. A read-only block has no edited image: the span is empty.
    std::span<uint8_t> ReadImage(BlockId id);
    std::span<const uint8_t> ReadImage(BlockId id) const;
    std::span<uint8_t> EditedImage(BlockId id);
    std::span<const uint8_t> EditedImage(BlockId id) const;

    // A settings block whose images differ in any byte; read-only blocks never are.
    bool IsChanged(BlockId id) const;
    // The slave's blocks count only where a slave unit is installed.
    bool AnySettingsChanged(bool withSlaveBlocks) const;

    // A read reply: into both images of a settings block, into a read-only block as it is.
    // A short reply leaves the rest zero, a long one is cut to the block.
    void StoreReply(BlockId id, const uint8_t* data, int length);
    // A verifying read that differs: the read image takes what the unit holds, the edited image
    // keeps what was written, so the block stays changed. A reply of another size is not taken.
    void StoreReadBack(BlockId id, const uint8_t* data, int length);
    // A verifying read: the reply holds exactly the edited image.
    bool EditedEquals(BlockId id, const uint8_t* data, int length) const;
};
