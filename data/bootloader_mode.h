#pragma once
// Bootloader mode: the firmware is damaged, so the link does nothing but read the first
// identification again and again, and upload firmware when asked.

#include "data/job_bits.h"

#include <cstdint>

struct BootloaderTransition {
    bool bannerVisible; // lBootloaderCommunication
    bool entered;       // was off: show the link as down although LinkUp is set
    bool left;          // was on: LinkUp false, link shown as up, a full reload
    // The JobMask to take. While the mode lasts CurrentJob is to become 0 as well, so that
    // clearing the finished job leaves the identification read and the upload standing.
    uint32_t jobMask;
};

class BootloaderMode {
public:
    bool IsOn() const { return on_; }

    BootloaderTransition Set(bool on, uint32_t jobMask) {
        const bool was = on_;
        on_ = on;
        if (on)
            return {true, !was, false,
                    (jobMask & JOB_WRITE_FIRMWARE_CHUNK) | JOB_READ_FIRMWARE_INFO};
        return {false, false, was, was ? kFullReloadJobs : jobMask};
    }

private:
    bool on_ = false;
};
