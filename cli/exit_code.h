#pragma once
// What vt12cli tells the script that ran it.

enum class ExitCode {
    Done = 0,
    Usage = 1,
    NoController = 2,
    VerificationFailed = 3,
    FileRejected = 4,
    LinkLost = 5,
};
