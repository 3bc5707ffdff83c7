// vt12cli: the controller session of vt12set on the command line, for scripts.

#include "app/persisted_settings.h"
#include "app/uncaught_error.h"
#include "cli/cli_options.h"
#include "cli/command_run.h"
#include "cli/port_sweep.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vt12set"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const CliParsed parsed =
        ParseCliArguments(QCoreApplication::arguments(), QStringLiteral(VT12_VERSION));
    if (!parsed.request) {
        (parsed.exitCode == ExitCode::Done ? out : err) << parsed.text;
        return static_cast<int>(parsed.exitCode);
    }
    const CliRequest& request = *parsed.request;
    SetUncaughtErrorHandler([&err](const QString& text) { err << text << Qt::endl; });

    PortPathOverrides paths;
    int fixedPort = request.port;
    if (!request.device.isEmpty()) {
        // The simulator's port directory would take the number before the given device.
        qunsetenv("VT12_PORT_DIR");
        fixedPort = 1;
        paths.insert(QStringLiteral("COM1"), request.device);
    } else {
        const QString programDir = ProgramDirectory();
        paths = LoadPersistedSettings(SettingsIniPath(programDir), programDir).portPaths;
    }

    const auto exitWith = [](ExitCode code) { QCoreApplication::exit(static_cast<int>(code)); };
    if (request.allPorts) {
        PortSweep sweep(request, paths, out, err);
        QObject::connect(&sweep, &PortSweep::Finished, &app, exitWith);
        sweep.Start();
        return QCoreApplication::exec();
    }

    CliLink link(fixedPort, paths);
    if (!request.traceFile.isEmpty() && !link.Session().Trace().Open(request.traceFile)) {
        err << "Cannot write the trace file " << request.traceFile << Qt::endl;
        return static_cast<int>(ExitCode::FileRejected);
    }
    CommandRun run(request, link, out, err);
    QObject::connect(&run, &CommandRun::Finished, &app, exitWith);
    link.Begin();
    return QCoreApplication::exec();
}
