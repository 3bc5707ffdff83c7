#pragma once
// What vt12cli tells the script that ran it.

enum class ExitCode {
    Done = 0,
    Usage = 1,
    NoController = 2,
    VerificationFailed = 3,
    FileRejected = 4,
    LinkLost = 5,
    // Stopped by a signal part way through a change: a restore that wrote some blocks and not
    // the others, a firmware update that left the unit in its bootloader.
    Unfinished = 6,
};

// 128 and the signal's number, as a shell reports a program that a signal ended: 130 for
// SIGINT, 143 for SIGTERM, 129 for SIGHUP, 141 for a closed pipe.
constexpr ExitCode SignalExitCode(int signal) {
    return static_cast<ExitCode>(128 + signal);
}
