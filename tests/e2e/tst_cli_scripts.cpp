// vt12cli as a script runs it, against simulators over pseudo-terminals: JSON Lines and CSV
// from every unit of a sweep, the outcome of a signal during monitor, restore and firmware, a
// closed pipe, the cause of a port that cannot be opened, and a bad file found first.

#include "tests/e2e/cli_process.h"
#include "tests/e2e/simulator_process.h"
#include "tests/e2e/trace_file.h"
#include "tests/firmware/srecord_text.h"

#include "tests/support/names_in_folder.h"
#include "tests/support/test_registry.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr int kScriptTimeoutMs = 60000;

QString SystemWords(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// The settings file's system settings (28 bytes at 0) and gate names (240 bytes at 900).
QByteArray SystemSegment(const QByteArray& file) {
    return file.mid(0, 28);
}
QByteArray NamesSegment(const QByteArray& file) {
    return file.mid(900, 240);
}
} // namespace

class TestCliScripts : public QObject {
    Q_OBJECT

    QTemporaryDir portDir_;
    QTemporaryDir programDir_;

    QProcessEnvironment Environment() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("VT12_PORT_DIR", portDir_.path());
        environment.insert("VT12_PROGRAM_DIR", programDir_.path());
        return environment;
    }

    void StartCli(QProcess& cli, const QStringList& arguments) const {
        cli.setProcessEnvironment(Environment());
        cli.start(SimulatorProcess::BinDir() + "/vt12cli", arguments);
        cli.waitForStarted(kScriptTimeoutMs);
    }

    CliResult RunCli(const QStringList& arguments) const {
        QProcess cli;
        StartCli(cli, arguments);
        if (!cli.waitForFinished(kScriptTimeoutMs)) {
            cli.kill();
            cli.waitForFinished();
            return {};
        }
        return {cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1,
                cli.readAllStandardOutput(), cli.readAllStandardError()};
    }

    // Stops the running command with signal once its standard output holds text.
    CliResult SignalWhen(QProcess& cli, const QByteArray& text, int signal) const {
        QByteArray out;
        QElapsedTimer waited;
        waited.start();
        while (!out.contains(text) && cli.state() == QProcess::Running &&
               waited.elapsed() < kScriptTimeoutMs) {
            cli.waitForReadyRead(100);
            out += cli.readAllStandardOutput();
        }
        ::kill(static_cast<pid_t>(cli.processId()), signal);
        if (!cli.waitForFinished(kScriptTimeoutMs))
            cli.kill();
        out += cli.readAllStandardOutput();
        return {cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1, out,
                cli.readAllStandardError()};
    }

    // QProcess hands arguments over as UTF-8: a shell makes the name of bytes that are none,
    // $f a folder and $n a file in it.
    CliResult RunCliInShell(const QString& folder, const QString& arguments) const {
        QProcess shell;
        shell.setProcessEnvironment(Environment());
        shell.start("/bin/sh", {"-c",
                                "cd \"$1\" && f=$(printf 'f\\344\\377') && n=\"$f/$(printf "
                                "'n\\377\\376.vt12')\" && exec \"$0\" " +
                                    arguments,
                                SimulatorProcess::BinDir() + "/vt12cli", folder});
        if (!shell.waitForFinished(kScriptTimeoutMs)) {
            shell.kill();
            shell.waitForFinished();
            return {};
        }
        return {shell.exitStatus() == QProcess::NormalExit ? shell.exitCode() : -1,
                shell.readAllStandardOutput(), shell.readAllStandardError()};
    }

private Q_SLOTS:
    void sweepPrintsOneLinePerUnitAndOneHeader() {
        SimulatorProcess first(portDir_.path());
        SimulatorProcess second(portDir_.path());
        QVERIFY(first.Start(2));
        QVERIFY(second.Start(5, {"--master"}));

        const CliResult info = RunCli({"--all-ports", "info", "--json"});
        QCOMPARE(info.exitCode, 0);
        QSet<int> ports;
        for (const QByteArray& line : info.out.split('\n')) {
            if (line.isEmpty())
                continue;
            QJsonParseError error{};
            const QJsonObject unit = QJsonDocument::fromJson(line, &error).object();
            QCOMPARE(error.error, QJsonParseError::NoError);
            QCOMPARE(unit.value("schema").toInt(), 1);
            QVERIFY(unit.value("device").toString().endsWith(
                QStringLiteral("COM%1").arg(unit.value("port").toInt())));
            QVERIFY(unit.value("hardwareVersion").isDouble());
            ports << unit.value("port").toInt();
        }
        QCOMPARE(ports, (QSet<int>{2, 5}));
        QCOMPARE(info.out.count('\n'), 2);

        // -v: the frames on standard error, the rows alone on standard output.
        const CliResult counters = RunCli({"counters", "--csv", "--all-ports", "-v"});
        QCOMPARE(counters.exitCode, 0);
        QVERIFY2(QRegularExpression(
                     "(^|\n)TX 05 03( [0-9A-F]{2})+\nRX 05 03( [0-9A-F]{2})+ OK \\d+ ms\n")
                     .match(QString::fromLatin1(counters.err))
                     .hasMatch(),
                 counters.err.left(400).constData());
        const QList<QByteArray> rows = counters.out.trimmed().split('\n');
        QCOMPARE(rows.count("port,date,firmware,unit,counter,name,value"), 1);
        QCOMPARE(rows.first(), "port,date,firmware,unit,counter,name,value");
        QSet<QByteArray> rowPorts;
        for (const QByteArray& row : rows.mid(1))
            rowPorts << row.left(row.indexOf(','));
        QCOMPARE(rowPorts, (QSet<QByteArray>{"2", "5"}));
        // The MASTER unit on COM5 has its slave's sixteen counters as well.
        QCOMPARE(rows.size(), 1 + 16 + 32);
    }

    void signalEndsMonitorWithTheTraceComplete_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }
    void signalEndsMonitorWithTheTraceComplete() {
        QFETCH(int, signal);
        SimulatorProcess sim(portDir_.path());
        QVERIFY(sim.Start(3));
        const QString trace = programDir_.filePath(QStringLiteral("monitor-%1.log").arg(signal));
        QProcess cli;
        StartCli(cli, {"monitor", "--json", "--port", "3", "--trace", trace});
        const CliResult result = SignalWhen(cli, "\n", signal);
        QCOMPARE(result.exitCode, 128 + signal);
        QVERIFY2(result.err.isEmpty(), result.err.constData());
        const QStringList lines = TraceFile::Read(trace).lines;
        QVERIFY(!lines.isEmpty());
        QVERIFY2(lines.last().endsWith(" CLOSE 3"), qPrintable(lines.last()));
        const QJsonObject poll = QJsonDocument::fromJson(result.out.split('\n').first()).object();
        QCOMPARE(poll.value("port").toInt(), 3);
        QVERIFY(poll.value("fanPercent").isDouble());
        QVERIFY(QDateTime::fromString(poll.value("time").toString(), Qt::ISODateWithMs).isValid());
    }

    void closedPipeEndsMonitorQuietly() {
        SimulatorProcess sim(portDir_.path());
        QVERIFY(sim.Start(3));
        QProcess shell;
        shell.setProcessEnvironment(Environment());
        shell.start("bash",
                    {"-c", SimulatorProcess::BinDir() + "/vt12cli monitor --port 3 | head -1; "
                                                        "echo \"exit ${PIPESTATUS[0]}\""});
        QVERIFY(shell.waitForFinished(kScriptTimeoutMs));
        const QList<QByteArray> lines = shell.readAllStandardOutput().trimmed().split('\n');
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[0].contains(" gates "));
        QCOMPARE(lines[1], "exit 141");
        QCOMPARE(shell.readAllStandardError(), QByteArray());
    }

    // Two blocks to write, the gate names before the system settings; the signal comes once the
    // save has begun. Whatever the moment, each block on the controller is the old or the new
    // one, as the report on standard error says, and the exit code follows from the report.
    void signalStopsRestoreBetweenBlocks() {
        SimulatorProcess sim(portDir_.path());
        QVERIFY(sim.Start(6, {"--latency", "150"}));
        const QString before = programDir_.filePath("before.vt12");
        QCOMPARE(RunCli({"backup", before, "--port", "6"}).exitCode, 0);
        const QByteArray old = ReadFileBytes(before);
        QByteArray changed = old;
        changed[1] = static_cast<char>(changed[1] + 10); // FanOnDelay one second longer
        changed[900] = changed[900] == 'Q' ? 'R' : 'Q';  // the first letter of gate 1's name
        const QString file = programDir_.filePath("changed.vt12");
        QVERIFY(WriteFileBytes(file, changed));

        // The office's view of the two files, without a controller.
        const CliResult files = RunCli({"diff", before, file});
        QCOMPARE(files.exitCode, 0);
        QVERIFY(files.out.startsWith("Changed: gate names\n  Name of gate 1: "));
        QVERIFY(files.out.contains("Changed: system settings\n  Fan On Delay [sec.]: "));
        QCOMPARE(RunCli({"show", file}).out.count("\n  "),
                 RunCli({"show", before}).out.count("\n  "));

        QProcess cli;
        StartCli(cli, {"restore", file, "--port", "6"});
        const CliResult result = SignalWhen(cli, "  Fan On Delay", SIGINT);
        const QString report = QString::fromUtf8(result.err);
        const QRegularExpressionMatch written =
            QRegularExpression("Written: (.*)\nNot written: (.*)\n").match(report);
        QVERIFY2(written.hasMatch(), qPrintable(report));
        const bool namesWritten = written.captured(1).contains("gate names");
        const bool systemWritten = written.captured(1).contains("system settings");
        QCOMPARE(written.captured(2).contains("gate names"), !namesWritten);
        QCOMPARE(written.captured(2).contains("system settings"), !systemWritten);
        QCOMPARE(result.exitCode, namesWritten && systemWritten   ? 0
                                  : namesWritten || systemWritten ? 6
                                                                  : 130);

        const QString after = programDir_.filePath("after.vt12");
        QCOMPARE(RunCli({"backup", after, "--port", "6"}).exitCode, 0);
        const QByteArray now = ReadFileBytes(after);
        QCOMPARE(NamesSegment(now), NamesSegment(namesWritten ? changed : old));
        QCOMPARE(SystemSegment(now), SystemSegment(systemWritten ? changed : old));

        // What is left to write, as diff lists it against the unit.
        const CliResult left = RunCli({"diff", file, "--port", "6"});
        QCOMPARE(left.exitCode, 0);
        QCOMPARE(left.out.contains("Changed: gate names"), !namesWritten);
        QCOMPARE(left.out.contains("Changed: system settings"), !systemWritten);
    }

    // Stopped during the upload the unit waits in its bootloader; the command the message
    // gives finishes the update.
    void signalDuringFirmwareTellsHowToFinish() {
        SimulatorProcess sim(portDir_.path());
        QVERIFY(sim.Start(7, {"--latency", "10"}));
        const QString file = programDir_.filePath("VT12F06A.vtfw");
        QVERIFY(WriteFileBytes(file,
                               srec::Text(srec::FirmwareLines(srec::FirmwareWindow("VT12F06A")))));

        QProcess cli;
        StartCli(cli, {"firmware", file, "--port", "7"});
        const CliResult stopped = SignalWhen(cli, "Page 2", SIGINT);
        QCOMPARE(stopped.exitCode, 6);
        const QString message = QString::fromUtf8(stopped.err);
        QVERIFY2(message.contains("waits in its bootloader"), qPrintable(message));
        const QRegularExpressionMatch hint =
            QRegularExpression("\n  \\S+ (firmware \\S+ --port 7)\n").match(message);
        QVERIFY2(hint.hasMatch(), qPrintable(message));

        // A bootloader's code begins with B.
        const CliResult detect = RunCli({"detect", "--json", "--port", "7"});
        QCOMPARE(detect.exitCode, 0);
        QVERIFY2(QJsonDocument::fromJson(detect.out)
                     .object()
                     .value("firmwareCode")
                     .toString()
                     .startsWith(u'B'),
                 detect.out.constData());

        const CliResult finished = RunCli(hint.captured(1).split(' '));
        QCOMPARE(finished.exitCode, 0);
        QVERIFY(finished.out.endsWith("Firmware code: F06A\n"));
    }

    void openFailureNamesItsCause() {
        SimulatorProcess sim(portDir_.path());
        QVERIFY(sim.Start(8));
        const CliResult missing = RunCli({"detect", "--device", "/nonexistent/ttyUSB9"});
        QCOMPARE(missing.exitCode, 2);
        QVERIFY2(missing.err.contains(SystemWords(ENOENT).toLocal8Bit()), missing.err.constData());
        QVERIFY(missing.err.contains("/nonexistent/ttyUSB9"));

        // A port another program holds.
        QProcess holder;
        StartCli(holder, {"monitor", "--port", "8"});
        QVERIFY(holder.waitForReadyRead(kScriptTimeoutMs));
        const CliResult busy = RunCli({"detect", "--port", "8"});
        holder.terminate();
        holder.waitForFinished(kScriptTimeoutMs);
        QCOMPARE(busy.exitCode, 2);
        QVERIFY2(busy.err.contains("another program holds the port"), busy.err.constData());
    }

    // A port the user may not open: as root, through the user nobody; otherwise a file without
    // permissions as the device.
    void forbiddenPortNamesTheGroupToJoin() {
        const QString cli = SimulatorProcess::BinDir() + "/vt12cli";
        QProcess tool;
        tool.setProcessEnvironment(Environment());
        SimulatorProcess sim(portDir_.path());
        if (::geteuid() == 0) {
            // The port directory alone: the test's program directory is closed to nobody.
            QProcessEnvironment environment;
            environment.insert("VT12_PORT_DIR", portDir_.path());
            tool.setProcessEnvironment(environment);
            QVERIFY(sim.Start(10));
            const QFile::Permissions open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                            QFile::ReadOther | QFile::ExeOther;
            QVERIFY(QFile::setPermissions(portDir_.path(), open));
            const QStringList asNobody{"-u", "nobody", "--", cli};
            tool.start("runuser", asNobody + QStringList{"--version"});
            if (!tool.waitForFinished(kScriptTimeoutMs) || tool.exitCode() != 0)
                QSKIP("The user nobody cannot run the program here.");
            tool.start("runuser", asNobody + QStringList{"detect", "--port", "10"});
        } else {
            const QString device = programDir_.filePath("ttyForbidden");
            QVERIFY(WriteFileBytes(device, {}));
            QFile::setPermissions(device, {});
            tool.start(cli, {"detect", "--device", device});
        }
        QVERIFY(tool.waitForFinished(kScriptTimeoutMs));
        QCOMPARE(tool.exitCode(), 2);
        const QByteArray err = tool.readAllStandardError();
        QVERIFY2(err.contains(SystemWords(EACCES).toLocal8Bit()), err.constData());
        QVERIFY(err.contains("dialout"));
    }

    // "n\xff\xfe.vt12" in the folder "f\xe4\xff" is written, traced, read and named as it is.
    void namesThatAreNoUtf8KeepTheirBytes() {
        SimulatorProcess sim(portDir_.path());
        QVERIFY(sim.Start(4));
        QTemporaryDir dir;
        const QByteArray folder = QFile::encodeName(dir.path()) + "/f\xe4\xff";
        QCOMPARE(::mkdir(folder.constData(), 0700), 0);

        const CliResult backup =
            RunCliInShell(dir.path(), "backup \"$n\" --port 4 --trace \"$n.log\"");
        QVERIFY2(backup.exitCode == 0, backup.err.constData());
        const QList<QByteArray> written{"n\xff\xfe.vt12", "n\xff\xfe.vt12.log"};
        QCOMPARE(NamesIn(folder), written);
        QCOMPARE(NamesIn(QFile::encodeName(dir.path())), QList<QByteArray>{"f\xe4\xff"});

        QCOMPARE(RunCliInShell(dir.path(), "show \"$n\"").exitCode, 0);
        const CliResult restore = RunCliInShell(dir.path(), "restore \"$n\" --dry-run --port 4");
        QVERIFY2(restore.exitCode == 0, restore.err.constData());
        const CliResult missing = RunCliInShell(dir.path(), "show \"$n.1\"");
        QCOMPARE(missing.exitCode, 4);
        QVERIFY2(missing.err.contains("f\\xe4\\xff/n\\xff\\xfe.vt12.1"), missing.err.constData());
        QCOMPARE(NamesIn(folder), written);
        // Out of QTemporaryDir's reach.
        for (const QByteArray& name : written)
            ::unlink((folder + '/' + name).constData());
        ::rmdir(folder.constData());
    }

    void badFileIsReportedBeforeAnySearch_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("named");
        QTest::newRow("restore of a missing file")
            << QStringList{"restore", "missing.vt12"} << QByteArray("missing.vt12");
        QTest::newRow("restore of a short file")
            << QStringList{"restore", "short.vt12"} << QByteArray("short.vt12: not a settings");
        QTest::newRow("firmware that is no firmware")
            << QStringList{"firmware", "short.vt12"} << QByteArray("short.vt12");
        QTest::newRow("backup into a missing folder")
            << QStringList{"backup", "missing/unit.vt12"} << QByteArray("missing: no such folder");
        QTest::newRow("diff of a missing file")
            << QStringList{"diff", "missing.vt12"} << QByteArray("missing.vt12");
    }
    void badFileIsReportedBeforeAnySearch() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, named);
        QVERIFY(WriteFileBytes(programDir_.filePath("short.vt12"), QByteArray(100, 'x')));
        for (QString& argument : arguments) {
            if (argument.contains('.'))
                argument = programDir_.filePath(argument);
        }
        // On a port where no simulator answers: a search would end with 2, not 4.
        QElapsedTimer took;
        took.start();
        const CliResult result = RunCli(arguments + QStringList{"--port", "9", "--wait", "30"});
        QCOMPARE(result.exitCode, 4);
        QVERIFY(took.elapsed() < 10000);
        QVERIFY2(result.err.contains(named), result.err.constData());
        QVERIFY(!result.err.contains("No controller"));
    }
};

VT12_TEST(TestCliScripts, TestApplication::Core)
#include "tst_cli_scripts.moc"
