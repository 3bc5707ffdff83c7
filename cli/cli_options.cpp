#include "cli/cli_options.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <algorithm>

namespace {
struct CommandWord {
    const char* name;
    CliCommand command;
    int fewestFiles;
    int mostFiles;
};

constexpr CommandWord kCommands[] = {
    {"detect", CliCommand::Detect, 0, 0},     {"info", CliCommand::Info, 0, 0},
    {"backup", CliCommand::Backup, 1, 1},     {"restore", CliCommand::Restore, 1, 1},
    {"firmware", CliCommand::Firmware, 1, 1}, {"monitor", CliCommand::Monitor, 0, 0},
    {"counters", CliCommand::Counters, 0, 0}, {"restart", CliCommand::Restart, 0, 0},
    {"show", CliCommand::Show, 1, 1},         {"diff", CliCommand::Diff, 1, 2},
};

const char kDetails[] = R"(
Commands:
  detect [--json]  Where the controller answers, and its firmware code.
  info [--json]   Identification, bootloader data, hardware version, installation mode, slave.
  backup FILE     Reads all settings and writes the settings file as "Save to File" does.
  restore FILE [--dry-run] [--force]  Loads the file as "Load from File" does, lists the
                  blocks that differ with each changed setting (controller -> file, as the
                  screens show it) and, without --dry-run, saves them as "Save to Vantor"
                  does, with its log; done only when every written block verified "OK".
                  A file with values outside their limits is refused (exit 4, the fields
                  named) unless --force, which writes them bounded.
  firmware FILE   Checks the firmware file as the window does, keeps the unit's settings
                  in ~/.local/share/vt12set/backups/, then uploads it, with a progress
                  bar on a terminal; done when the controller answers again.
  monitor [--json] [--seconds N]  One line per status poll: gates (O open, C closed,
                  o opening, c closing, - not in use), sensors (S active, M minimum airflow,
                  . idle), active sensors, open gates, fan, gate-motor currents, vacuum.
  counters [--csv | --json]  The counters of the unit (and of its slave unit).
  restart         Restarts the unit(s).
  show FILE       Every setting of a settings file in words; no controller needed.
  diff A B        The settings that differ between two settings files, in words.
  diff FILE       The settings that differ between the controller and FILE (controller
                  first), as restore --dry-run lists them.

Without --port or --device the controller is searched on COM1 to COM10, once.
With --all-ports each port is tried once and the command runs on every controller found
(backup: FILE is a folder, one file per unit named by port and firmware: COM3-F05A.vt12;
--trace FILE: one trace per port, FILE.COMn). Text output names each unit's port.

--json: JSON Lines, one object per line with "schema": 1, "port" and "device"; one per unit
(monitor: one per poll). Numbers carry their unit in the key ("fanPercent",
"oddCurrentMilliamps") or beside them ("vacuum": {"value": 2.5, "unit": "kPa"}); "time" is
ISO 8601 with date and offset.
--csv: the header "port,date,firmware,unit,counter,name,value" once, then one row per
counter, all sixteen of each unit.

Exit codes:
  0  done
  1  usage
  2  no controller (each port that could not be opened is named with its cause)
  3  verification failed
  4  file rejected (found before any controller is searched where the file alone tells)
  5  link lost
  6  stopped by a signal part way: restore wrote some blocks, or the unit waits in its
     bootloader after an interrupted firmware update
  128+n  stopped by signal n with nothing changed half way: 130 SIGINT, 143 SIGTERM,
     129 SIGHUP; 141 when standard output was closed (monitor | head -1)

Environment:
  VT12_PORT_DIR     Directory whose files COM1 to COM10 are the ports (the simulator's).
  VT12_PROGRAM_DIR  Directory taken as the program's own, for Settings.ini and its [Ports].
)";

CliParsed usageError(const QString& text) {
    return {std::nullopt, text + QStringLiteral("\nTry --help.\n"), ExitCode::Usage};
}

std::optional<qint64> wholeNumber(const QString& text, qint64 lowest, qint64 highest) {
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

bool isOneOf(CliCommand command, std::initializer_list<CliCommand> commands) {
    return std::find(commands.begin(), commands.end(), command) != commands.end();
}
} // namespace

CliParsed ParseCliArguments(const QStringList& arguments, const QString& version) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("The Vantor 12 controller from the command line: the session of "
                       "vt12set without its window."));
    const QCommandLineOption help = parser.addHelpOption();
    // -v is verbose, as in most tools; the version is -V.
    const QCommandLineOption versionOption({QStringLiteral("V"), QStringLiteral("version")},
                                           QStringLiteral("Print the version and exit."));
    const QCommandLineOption verbose({QStringLiteral("v"), QStringLiteral("verbose")},
                                     QStringLiteral("Print every frame on standard error."));
    const QCommandLineOption quiet(
        {QStringLiteral("q"), QStringLiteral("quiet")},
        QStringLiteral("No log lines, notes or progress bar; results and errors only."));
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("Use only COMn, mapped as in vt12set."),
                                  QStringLiteral("n"));
    const QCommandLineOption device(
        QStringLiteral("device"),
        QStringLiteral("Use only the serial device PATH, or the remote port "
                       "tcp://HOST:PORT or modbus-tcp://HOST:PORT."),
        QStringLiteral("PATH"));
    const QCommandLineOption wait(
        QStringLiteral("wait"),
        QStringLiteral("Search for at least SECONDS before giving up (default: one round)."),
        QStringLiteral("SECONDS"));
    const QCommandLineOption trace(QStringLiteral("trace"),
                                   QStringLiteral("Write every frame and result to FILE."),
                                   QStringLiteral("FILE"));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("detect, info, monitor and counters as JSON "
                                                 "Lines."));
    const QCommandLineOption seconds(
        QStringLiteral("seconds"), QStringLiteral("monitor: stop after N seconds (1 to 31622400)."),
        QStringLiteral("N"));
    const QCommandLineOption csv(QStringLiteral("csv"), QStringLiteral("counters as CSV."));
    const QCommandLineOption allPorts(
        QStringLiteral("all-ports"),
        QStringLiteral("Run for every controller on COM1 to COM10; backup FILE is a folder."));
    const QCommandLineOption dryRun(QStringLiteral("dry-run"),
                                    QStringLiteral("restore: list, write nothing."));
    const QCommandLineOption force(
        QStringLiteral("force"),
        QStringLiteral("restore: write a file whose values lie outside their limits, bounded."));
    parser.addOptions({versionOption, verbose, quiet, port, device, wait, trace, json, csv, dryRun,
                       force, seconds, allPorts});
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("detect, info, backup, restore, firmware, "
                                                "monitor, counters, restart, show or diff."),
                                 QStringLiteral("COMMAND [FILE] [FILE2]"));

    const QString program =
        arguments.isEmpty() ? QStringLiteral("vt12cli") : QFileInfo(arguments.first()).fileName();
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help))
        return {std::nullopt, parser.helpText() + QString::fromLatin1(kDetails), ExitCode::Done};
    if (parser.isSet(versionOption))
        return {std::nullopt, program + u' ' + version + u'\n', ExitCode::Done};

    const QStringList words = parser.positionalArguments();
    if (words.isEmpty())
        return usageError(QStringLiteral("No command given."));
    const CommandWord* chosen = nullptr;
    for (const CommandWord& candidate : kCommands) {
        if (words.first() == QLatin1String(candidate.name))
            chosen = &candidate;
    }
    if (chosen == nullptr)
        return usageError(QStringLiteral("Unknown command: %1").arg(words.first()));
    const qsizetype files = words.size() - 1;
    if (files < chosen->fewestFiles || files > chosen->mostFiles) {
        if (chosen->mostFiles == 0)
            return usageError(QStringLiteral("%1 takes no argument.").arg(words.first()));
        return usageError(chosen->mostFiles == 1
                              ? QStringLiteral("%1 takes one FILE.").arg(words.first())
                              : QStringLiteral("%1 takes one FILE or two.").arg(words.first()));
    }

    CliRequest request;
    request.command = chosen->command;
    request.file = words.value(1);
    request.otherFile = words.value(2);
    request.json = parser.isSet(json);
    request.csv = parser.isSet(csv);
    request.dryRun = parser.isSet(dryRun);
    request.force = parser.isSet(force);
    request.quiet = parser.isSet(quiet);
    request.verbose = parser.isSet(verbose);
    if (request.json && !isOneOf(request.command, {CliCommand::Detect, CliCommand::Info,
                                                   CliCommand::Monitor, CliCommand::Counters}))
        return usageError(QStringLiteral("--json belongs to detect, info, monitor and counters."));
    if (parser.isSet(seconds)) {
        const auto number = wholeNumber(parser.value(seconds), 1, kLongestMonitorSeconds);
        if (request.command != CliCommand::Monitor || !number)
            return usageError(QStringLiteral("--seconds belongs to monitor, from 1 to %1 (a year).")
                                  .arg(kLongestMonitorSeconds));
        request.seconds = *number;
    }
    if (request.csv && request.command != CliCommand::Counters)
        return usageError(QStringLiteral("--csv belongs to counters."));
    if (request.csv && request.json)
        return usageError(QStringLiteral("--csv and --json exclude each other."));
    if (request.dryRun && request.command != CliCommand::Restore)
        return usageError(QStringLiteral("--dry-run belongs to restore."));
    if (request.force && request.command != CliCommand::Restore)
        return usageError(QStringLiteral("--force belongs to restore."));
    if (request.quiet && request.verbose)
        return usageError(QStringLiteral("--quiet and --verbose exclude each other."));
    request.allPorts = parser.isSet(allPorts);
    if (request.allPorts && (parser.isSet(port) || parser.isSet(device) || parser.isSet(wait)))
        return usageError(QStringLiteral("--all-ports tries every port once, alone."));
    if (request.allPorts && request.command == CliCommand::Monitor)
        return usageError(QStringLiteral("monitor takes one controller."));
    if (parser.isSet(port) && parser.isSet(device))
        return usageError(QStringLiteral("--port and --device exclude each other."));
    const bool linkOptions = request.allPorts || parser.isSet(port) || parser.isSet(device) ||
                             parser.isSet(wait) || parser.isSet(trace);
    if (!request.NeedsController() && linkOptions)
        return usageError(
            QStringLiteral("%1 of files needs no controller: no port options.").arg(words.first()));
    if (parser.isSet(port)) {
        const auto number = wholeNumber(parser.value(port), 1, 99);
        if (!number)
            return usageError(QStringLiteral("--port takes a COM number from 1 to 99."));
        request.port = static_cast<int>(*number);
    }
    request.device = parser.value(device);
    if (parser.isSet(device) && request.device.isEmpty())
        return usageError(QStringLiteral("--device takes a path."));
    if (parser.isSet(wait)) {
        const auto waitFor = wholeNumber(parser.value(wait), 0, 86400);
        if (!waitFor)
            return usageError(QStringLiteral("--wait takes whole seconds from 0 to 86400."));
        request.waitSeconds = static_cast<int>(*waitFor);
    }
    request.traceFile = parser.value(trace);
    return {request, QString(), ExitCode::Done};
}
