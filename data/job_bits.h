#pragma once
// The bits of JobMask: one bit per kind of request, the value 2 to the power of the bit number.

#include <array>
#include <cstdint>

inline constexpr uint32_t JOB_READ_FIRMWARE_INFO = 1u << 0;
inline constexpr uint32_t JOB_READ_COUNTERS = 1u << 1;
inline constexpr uint32_t JOB_READ_SYSTEM_SETTINGS = 1u << 2;
inline constexpr uint32_t JOB_READ_GATE_SETTINGS = 1u << 3;
inline constexpr uint32_t JOB_READ_GATE_NAMES = 1u << 4;
inline constexpr uint32_t JOB_READ_FIRMWARE_INFO_2 = 1u << 5;
inline constexpr uint32_t JOB_POLL_STATUS = 1u << 6;
inline constexpr uint32_t JOB_TEST_COMMAND = 1u << 7;
inline constexpr uint32_t JOB_READ_SLAVE_GATE_NAMES = 1u << 8;
inline constexpr uint32_t JOB_READ_SLAVE_GATE_SETTINGS = 1u << 9;
inline constexpr uint32_t JOB_WRITE_GATE_SETTINGS = 1u << 10;
inline constexpr uint32_t JOB_WRITE_SYSTEM_SETTINGS = 1u << 11;
inline constexpr uint32_t JOB_WRITE_GATE_NAMES = 1u << 12;
inline constexpr uint32_t JOB_WRITE_SLAVE_GATE_NAMES = 1u << 13;
inline constexpr uint32_t JOB_WRITE_SLAVE_GATE_SETTINGS = 1u << 14;
inline constexpr uint32_t JOB_POLL_SLAVE_STATUS = 1u << 15;
inline constexpr uint32_t JOB_READ_SLAVE_COUNTERS = 1u << 16;
inline constexpr uint32_t JOB_READ_BOOTLOADER_INFO = 1u << 17;
inline constexpr uint32_t JOB_WRITE_FIRMWARE_CHUNK = 1u << 18;
inline constexpr uint32_t JOB_WRITE_VACUUM_SETTINGS = 1u << 19;
inline constexpr uint32_t JOB_READ_VACUUM_SETTINGS = 1u << 20;
inline constexpr uint32_t JOB_READ_SLAVE_VERSION = 1u << 24;
inline constexpr uint32_t JOB_POLL_VFD_STATUS = 1u << 25;
inline constexpr uint32_t JOB_RESET_UNIT = 1u << 31;

// Every identification and settings read plus the status poll: what a freshly opened port and
// the end of bootloader mode ask for.
inline constexpr uint32_t kFullReloadJobs =
    JOB_READ_FIRMWARE_INFO | JOB_READ_COUNTERS | JOB_READ_SYSTEM_SETTINGS | JOB_READ_GATE_SETTINGS |
    JOB_READ_GATE_NAMES | JOB_READ_FIRMWARE_INFO_2 | JOB_POLL_STATUS | JOB_READ_SLAVE_GATE_NAMES |
    JOB_READ_SLAVE_GATE_SETTINGS | JOB_READ_BOOTLOADER_INFO | JOB_READ_VACUUM_SETTINGS;
static_assert(kFullReloadJobs == 0x12037F);

// What a save logs for a write job: before sending a changed block, or instead of sending an
// unchanged one.
struct WriteJobLog {
    uint32_t job;
    const char* writing;
    const char* checking;
};

// In the order in which the scheduler serves the writes.
inline constexpr std::array<WriteJobLog, 6> kWriteJobLogs{{
    {JOB_WRITE_GATE_SETTINGS, "Writing gate settings...", "Checking gate settings...OK"},
    {JOB_WRITE_SLAVE_GATE_SETTINGS, "Writing slave gate settings...",
     "Checking slave gate settings...OK"},
    {JOB_WRITE_GATE_NAMES, "Writing gate names...", "Checking gate names...OK"},
    {JOB_WRITE_SLAVE_GATE_NAMES, "Writing slave gate names...", "Checking slave gate names...OK"},
    {JOB_WRITE_SYSTEM_SETTINGS, "Writing system settings...", "Checking system settings...OK"},
    {JOB_WRITE_VACUUM_SETTINGS, "Writing Vacuum settings...", "Checking Vacuum settings...OK"},
}};

// The log texts of a write job; nullptr for any other bit.
constexpr const WriteJobLog* WriteJobLogFor(uint32_t job) {
    for (const WriteJobLog& log : kWriteJobLogs) {
        if (log.job == job)
            return &log;
    }
    return nullptr;
}
