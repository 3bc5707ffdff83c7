#include "cli/cli_options.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {
struct CommandWord {
    const char* name;
    CliCommand command;
    bool takesFile;
};

constexpr CommandWord kCommands[] = {
    {"detect", CliCommand::Detect, false},     {"info", CliCommand::Info, false},
    {"backup", CliCommand::Backup, true},      {"restore", CliCommand::Restore, true},
    {"firmware", CliCommand::Firmware, true},  {"monitor", CliCommand::Monitor, false},
    {"counters", CliCommand::Counters, false}, {"restart", CliCommand::Restart, false},
};

const char kDetails[] = R"(
Commands:
  detect          Where the controller answers, and its firmware code.
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
  counters [--csv]  The counters of the unit (and of its slave unit).
  restart         Restarts the unit(s).

Without --port or --device the controller is searched on COM1 to COM10, once.
With --all-ports each port is tried once and the command runs on every controller found
(backup: FILE is a folder, one file per unit named by port and firmware: COM3-F05A.vt12;
--trace FILE: one trace per port, FILE.COMn).

monitor --json: one object per line with "time", "gates", "sensors", "activeSensors",
"openGates", "fan", "oddCurrent", "evenCurrent", "vacuum".
info --json: one object with "port", "device", "firmwareCode", "identification",
"bootloader", "hardwareVersion", "installationMode", "slaveConnected", "slaveVersion".
--csv: the header "unit,counter,value", then one row per counter.

Exit codes:
  0  done
  1  usage
  2  no controller
  3  verification failed
  4  file rejected
  5  link lost

Environment:
  VT12_PORT_DIR     Directory whose files COM1 to COM10 are the ports (the simulator's).
  VT12_PROGRAM_DIR  Directory taken as the program's own, for Settings.ini and its [Ports].
)";

CliParsed usageError(const QString& text) {
    return {std::nullopt, text + QStringLiteral("\nTry --help.\n"), ExitCode::Usage};
}

std::optional<int> wholeNumber(const QString& text, int lowest, int highest) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < lowest || value > highest)
        return std::nullopt;
    return value;
}
} // namespace

CliParsed ParseCliArguments(const QStringList& arguments, const QString& version) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("The Vantor 12 controller from the command line: the session of "
                       "vt12set without its window."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("Use only COMn, mapped as in vt12set."),
                                  QStringLiteral("n"));
    const QCommandLineOption device(QStringLiteral("device"),
                                    QStringLiteral("Use only the serial device PATH."),
                                    QStringLiteral("PATH"));
    const QCommandLineOption wait(
        QStringLiteral("wait"),
        QStringLiteral("Search for at least SECONDS before giving up (default: one round)."),
        QStringLiteral("SECONDS"));
    const QCommandLineOption trace(QStringLiteral("trace"),
                                   QStringLiteral("Write every frame and result to FILE."),
                                   QStringLiteral("FILE"));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("info and monitor as JSON."));
    const QCommandLineOption seconds(QStringLiteral("seconds"),
                                     QStringLiteral("monitor: stop after N seconds."),
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
    parser.addOptions({port, device, wait, trace, json, csv, dryRun, force, seconds, allPorts});
    parser.addPositionalArgument(
        QStringLiteral("command"),
        QStringLiteral("detect, info, backup, restore, firmware, monitor, counters or restart."),
        QStringLiteral("COMMAND [FILE]"));

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
    if (words.size() != (chosen->takesFile ? 2 : 1))
        return usageError(chosen->takesFile
                              ? QStringLiteral("%1 takes one FILE.").arg(words.first())
                              : QStringLiteral("%1 takes no argument.").arg(words.first()));

    CliRequest request;
    request.command = chosen->command;
    if (chosen->takesFile)
        request.file = words.at(1);
    request.json = parser.isSet(json);
    request.csv = parser.isSet(csv);
    request.dryRun = parser.isSet(dryRun);
    request.force = parser.isSet(force);
    if (request.json && request.command != CliCommand::Info &&
        request.command != CliCommand::Monitor)
        return usageError(QStringLiteral("--json belongs to info and monitor."));
    if (parser.isSet(seconds)) {
        const auto number = wholeNumber(parser.value(seconds), 1, 86400 * 366);
        if (request.command != CliCommand::Monitor || !number)
            return usageError(QStringLiteral("--seconds belongs to monitor, from 1 on."));
        request.seconds = *number;
    }
    if (request.csv && request.command != CliCommand::Counters)
        return usageError(QStringLiteral("--csv belongs to counters."));
    if (request.dryRun && request.command != CliCommand::Restore)
        return usageError(QStringLiteral("--dry-run belongs to restore."));
    if (request.force && request.command != CliCommand::Restore)
        return usageError(QStringLiteral("--force belongs to restore."));
    request.allPorts = parser.isSet(allPorts);
    if (request.allPorts && (parser.isSet(port) || parser.isSet(device) || parser.isSet(wait)))
        return usageError(QStringLiteral("--all-ports tries every port once, alone."));
    if (request.allPorts && request.command == CliCommand::Monitor)
        return usageError(QStringLiteral("monitor takes one controller."));
    if (parser.isSet(port) && parser.isSet(device))
        return usageError(QStringLiteral("--port and --device exclude each other."));
    if (parser.isSet(port)) {
        const auto number = wholeNumber(parser.value(port), 1, 99);
        if (!number)
            return usageError(QStringLiteral("--port takes a COM number from 1 to 99."));
        request.port = *number;
    }
    request.device = parser.value(device);
    if (parser.isSet(device) && request.device.isEmpty())
        return usageError(QStringLiteral("--device takes a path."));
    if (parser.isSet(wait)) {
        const auto seconds = wholeNumber(parser.value(wait), 0, 86400);
        if (!seconds)
            return usageError(QStringLiteral("--wait takes whole seconds from 0 to 86400."));
        request.waitSeconds = *seconds;
    }
    request.traceFile = parser.value(trace);
    return {request, QString(), ExitCode::Done};
}
