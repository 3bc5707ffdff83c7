#pragma once
// vt12cli's command line: one command, its file, and where to find the controller.

#include "cli/exit_code.h"

#include <QString>
#include <QStringList>
#include <optional>

enum class CliCommand {
    Detect,
    Info,
    Backup,
    Restore,
    Firmware,
    Monitor,
    Counters,
    Restart,
    Show,
    Diff
};

struct CliRequest {
    CliCommand command = CliCommand::Detect;
    QString file;
    // diff A B: the second file; empty when A is compared with the unit.
    QString otherFile;
    bool json = false;
    bool csv = false;
    bool dryRun = false;
    bool force = false;
    // -q: no log lines, notes or progress bar; results and errors still.
    bool quiet = false;
    // -v: every frame on standard error.
    bool verbose = false;
    // Above 0: only this COM number, mapped as the window maps it.
    int port = 0;
    QString device;
    // Detection goes on for at least this long before the command gives up.
    int waitSeconds = 0;
    // monitor: above 0, how long it runs.
    qint64 seconds = 0;
    QString traceFile;
    // Every controller on COM1 to COM10 in turn; a backup's FILE is then a folder.
    bool allPorts = false;

    // show and diff of two files need no controller.
    bool NeedsController() const {
        return command != CliCommand::Show &&
               !(command == CliCommand::Diff && !otherFile.isEmpty());
    }
};

// Either a request to run, or a text to print and the code to leave with (help and version on
// standard output with Done, mistakes on standard error with Usage).
struct CliParsed {
    std::optional<CliRequest> request;
    QString text;
    ExitCode exitCode = ExitCode::Done;
};

// arguments begin with the program name.
CliParsed ParseCliArguments(const QStringList& arguments, const QString& version);

// The longest monitor --seconds: a year.
inline constexpr qint64 kLongestMonitorSeconds = 366LL * 86400;
