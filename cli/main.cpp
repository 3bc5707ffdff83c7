// vt12cli: the controller session of vt12set on the command line, for scripts.

#include "app/path_bytes.h"
#include "app/persisted_settings.h"
#include "app/uncaught_error.h"
#include "cli/cli_options.h"
#include "cli/command_run.h"
#include "cli/port_sweep.h"
#include "cli/terminal_text.h"

#include <QCoreApplication>
#include <cstdio>

namespace {
// Output sent to a full disk: a script must not take a cut-off file for a complete one.
int CheckedExit(QTextStream& out, QTextStream& err, int code) {
    out.flush();
    if (out.status() == QTextStream::Ok && std::fflush(stdout) == 0 && !std::ferror(stdout))
        return code;
    err << "Cannot write the standard output." << Qt::endl;
    return code == 0 ? static_cast<int>(ExitCode::FileRejected) : code;
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vt12set"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (const QString lost = ArgumentsLosingBytes(argc, argv); !lost.isEmpty()) {
        err << lost << Qt::endl;
        return static_cast<int>(ExitCode::FileRejected);
    }
    const CliParsed parsed =
        ParseCliArguments(QCoreApplication::arguments(), QStringLiteral(VT12_VERSION));
    if (!parsed.request) {
        (parsed.exitCode == ExitCode::Done ? out : err) << parsed.text;
        return static_cast<int>(parsed.exitCode);
    }
    const CliRequest& request = *parsed.request;
    SetUncaughtErrorHandler(
        [&err](const QString& text) { err << TerminalText(text, LineBreaks::Kept) << Qt::endl; });

    PortPathOverrides paths;
    int fixedPort = request.port;
    if (!request.device.isEmpty()) {
        // The simulator's port directory would take the number before the given device.
        qunsetenv("VT12_PORT_DIR");
        fixedPort = 1;
        paths.insert(QStringLiteral("COM1"), request.device);
    } else {
        const QString programDir = ProgramDirectory();
        const PersistedSettings settings =
            LoadPersistedSettings(SettingsIniPath(programDir), programDir);
        if (!settings.refusal.isEmpty())
            err << TerminalText(settings.refusal) << Qt::endl;
        paths = settings.portPaths;
    }

    const auto exitWith = [](ExitCode code) { QCoreApplication::exit(static_cast<int>(code)); };
    if (request.allPorts) {
        PortSweep sweep(request, paths, out, err);
        QObject::connect(&sweep, &PortSweep::Finished, &app, exitWith);
        sweep.Start();
        return CheckedExit(out, err, QCoreApplication::exec());
    }

    CliLink link(fixedPort, paths);
    if (!request.traceFile.isEmpty() && !link.Session().Trace().Open(request.traceFile)) {
        err << "Cannot write the trace file " << TerminalText(request.traceFile) << ": "
            << TerminalText(link.Session().Trace().ErrorString()) << Qt::endl;
        return static_cast<int>(ExitCode::FileRejected);
    }
    CommandRun run(request, link, out, err);
    QObject::connect(&run, &CommandRun::Finished, &app, exitWith);
    link.Begin();
    return CheckedExit(out, err, QCoreApplication::exec());
}
