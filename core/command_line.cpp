#include "core/command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {
const QString kUsagePlaceholder = QStringLiteral("<executable_name>");

const char kEnvironment[] = R"(
Environment:
  VT12_PORT_DIR     Directory whose files COM1 to COM10 are the ports (the simulator's).
  VT12_PROGRAM_DIR  Directory taken as the program's own: Settings.ini and the help page.
  QT_QPA_PLATFORM   Qt's display platform, e.g. offscreen.

Settings.ini lives beside a copy of the program kept in a writable folder of its own; for
the installed program, or a read-only folder, in the user's configuration directory
(~/.config/vt12set/). Its section [Ports] maps a port to a device,
e.g. COM1=/dev/serial/by-id/usb-FTDI_..._port0.
)";
} // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    static const QString tracePrefix = QStringLiteral("--TRACE=");
    CommandLine line;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const QString upper = argument.toUpper();
        if (upper == u"EXPERT") {
            line.expert = true;
        } else if (upper == u"KORVANTE") {
            line.privateLabel = true;
        } else if (upper.startsWith(u"PORT=")) {
            bool ok = false;
            const int port = upper.mid(5, 2).toInt(&ok);
            line.fixedPort = ok && port > 0 ? port : 0;
        } else if (upper.startsWith(tracePrefix)) {
            line.traceFile = argument.mid(tracePrefix.size());
        } else if (upper == u"--TRACE" && i + 1 < arguments.size()) {
            // The spelling --help shows.
            line.traceFile = arguments[++i];
        }
    }
    return line;
}

std::optional<QString> InformationRequest(const QStringList& arguments, const QString& version) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Setup and monitoring of the Vantor 12 dust-extraction controller over "
                       "its serial line (Modbus RTU, 19200 baud, 8N2). Finds the controller on "
                       "COM1 to COM10 by itself.\nSwitches are not case-sensitive."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    parser.addOption({QStringLiteral("trace"),
                      QStringLiteral("Write every frame and result to FILE, for service."),
                      QStringLiteral("FILE")});
    parser.addPositionalArgument(QStringLiteral("EXPERT"), QStringLiteral("Expert mode."),
                                 QStringLiteral("[EXPERT]"));
    parser.addPositionalArgument(QStringLiteral("KORVANTE"),
                                 QStringLiteral("Private-label branding."),
                                 QStringLiteral("[KORVANTE]"));
    parser.addPositionalArgument(QStringLiteral("PORT=n"),
                                 QStringLiteral("Use only COMn (1 to 99), no port detection."),
                                 QStringLiteral("[PORT=n]"));
    // The switches are not options and other arguments are ignored, so errors do not count.
    parser.parse(arguments);
    const QString program =
        arguments.isEmpty() ? QStringLiteral("vt12set") : QFileInfo(arguments.first()).fileName();
    if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all")))
        return parser.helpText().replace(kUsagePlaceholder, program) +
               QString::fromLatin1(kEnvironment);
    if (parser.isSet(versionOption))
        return program + u' ' + version + u'\n';
    return std::nullopt;
}
