#pragma once
// What a save or a firmware upload came to, as the session reports it once it is over: the
// log, the exit codes of vt12cli and the soak's checks all read these, never the log's text.

#include "data/block_table.h"
#include "data/firmware_code.h"

#include <cstdint>

// One bit per BlockId.
constexpr uint32_t BlockBit(BlockId block) {
    return 1u << static_cast<unsigned>(block);
}

struct SaveResult {
    // Blocks whose write the unit confirmed.
    uint32_t written = 0;
    // Of those, read back as written.
    uint32_t verified = 0;
    // Read back otherwise: the unit did not take them as written.
    uint32_t differing = 0;
    // The slave's part differed, and no slave answered to take it.
    bool slavePartUnsaved = false;
    // The link was lost (or the unit fell into its bootloader) before the save was over.
    bool interrupted = false;
    // The edited images still differ from what the unit holds.
    bool editsLeft = false;

    bool Written(BlockId block) const { return (written & BlockBit(block)) != 0; }
    bool Verified(BlockId block) const { return (verified & BlockBit(block)) != 0; }
    bool Ok() const {
        return !interrupted && !slavePartUnsaved && !editsLeft && differing == 0 &&
               verified == written;
    }
};

struct UploadResult {
    // The firmware code of the file that was uploaded.
    FirmwareCode uploaded;
    // Every data chunk was written.
    bool allChunksWritten = false;
    // The unit restarted into its bootloader: it did not start the new firmware.
    bool stayedInBootloader = false;

    // With the code the unit reports once it answers again.
    bool Ok(const FirmwareCode& reported) const {
        return !stayedInBootloader && reported.Text() == uploaded.Text();
    }
};
