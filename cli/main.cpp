// vt12cli: the controller session of vt12set on the command line, for scripts.

#include "cli/cli_options.h"
#include "cli/command_run.h"
#include "cli/file_check.h"
#include "cli/port_sweep.h"
#include "cli/settings_in_text.h"
#include "cli/terminal_text.h"
#include "core/path_bytes.h"
#include "core/uncaught_error.h"
#include "platform/termination_signals.h"
#include "session/persisted_settings.h"

#include <QCoreApplication>
#include <cstdio>

namespace {
// Output sent to a full disk: a script must not take a cut-off file for a complete one.
int CheckedExit(QTextStream& out, QTextStream& err, int code) {
    out.flush();
    // A reader that went away (monitor | head -1) already ended the run as SIGPIPE would.
    if (code > 128 ||
        (out.status() == QTextStream::Ok && std::fflush(stdout) == 0 && !std::ferror(stdout)))
        return code;
    err << "Cannot write the standard output." << Qt::endl;
    return code == 0 ? static_cast<int>(ExitCode::FileRejected) : code;
}
} // namespace

namespace {
// show FILE and diff A B: the files alone.
ExitCode RunOnFiles(const CliRequest& request, QTextStream& out, QTextStream& err) {
    const SettingsFileInWords first = ReadSettingsFileInWords(request.file);
    if (!first.error.isEmpty()) {
        err << TerminalText(request.file) << ": " << first.error << Qt::endl;
        return ExitCode::FileRejected;
    }
    if (request.command == CliCommand::Show) {
        out << SettingsText(first) << Qt::flush;
        return ExitCode::Done;
    }
    const SettingsFileInWords second = ReadSettingsFileInWords(request.otherFile);
    if (!second.error.isEmpty()) {
        err << TerminalText(request.otherFile) << ": " << second.error << Qt::endl;
        return ExitCode::FileRejected;
    }
    out << ChangesText(FileDifferences(first, second)) << Qt::flush;
    return ExitCode::Done;
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vt12set"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    // File names keep their bytes, UTF-8 or not.
    const CliParsed parsed =
        ParseCliArguments(ProgramArguments(argc, argv), QStringLiteral(VT12_VERSION));
    if (!parsed.request) {
        (parsed.exitCode == ExitCode::Done ? out : err) << parsed.text;
        return static_cast<int>(parsed.exitCode);
    }
    const CliRequest& request = *parsed.request;
    SetUncaughtErrorHandler(
        [&err](const QString& text) { err << TerminalText(text, LineBreaks::Kept) << Qt::endl; });

    const QString fileProblem = FileProblem(request);
    if (!fileProblem.isEmpty()) {
        err << TerminalText(fileProblem) << Qt::endl;
        return static_cast<int>(ExitCode::FileRejected);
    }
    if (!request.NeedsController())
        return static_cast<int>(RunOnFiles(request, out, err));

    PortPathOverrides paths;
    int fixedPort = request.port;
    const QString programDir = ProgramDirectory();
    const PersistedSettings settings =
        LoadPersistedSettings(SettingsIniPath(programDir), programDir);
    if (!request.device.isEmpty()) {
        // The simulator's port directory would take the number before the given device.
        qunsetenv("VT12_PORT_DIR");
        fixedPort = 1;
        paths.insert(QStringLiteral("COM1"), request.device);
    } else {
        if (!settings.refusal.isEmpty())
            err << TerminalText(settings.refusal) << Qt::endl;
        paths = settings.portPaths;
    }

    const auto exitWith = [](ExitCode code) { QCoreApplication::exit(static_cast<int>(code)); };
    if (request.allPorts) {
        PortSweep sweep(request, paths, out, err);
        sweep.SetNetworkTimeout(settings.networkTimeoutMs);
        QObject::connect(&sweep, &PortSweep::Finished, &app, exitWith);
        OnTerminationSignals(&app, [&sweep](int signal) { sweep.Stop(signal); });
        sweep.Start();
        return CheckedExit(out, err, QCoreApplication::exec());
    }

    CliLink link(fixedPort, paths);
    link.Session().SetNetworkTimeout(settings.networkTimeoutMs);
    if (!request.traceFile.isEmpty() && !link.Session().Trace().Open(request.traceFile)) {
        err << "Cannot write the trace file " << TerminalText(request.traceFile) << ": "
            << TerminalText(link.Session().Trace().ErrorString()) << Qt::endl;
        return static_cast<int>(ExitCode::FileRejected);
    }
    RunShared shared;
    CommandRun run(request, link, out, err, shared);
    QObject::connect(&run, &CommandRun::Finished, &app, exitWith);
    OnTerminationSignals(&app, [&run](int signal) { run.Stop(signal); });
    link.Begin();
    return CheckedExit(out, err, QCoreApplication::exec());
}
