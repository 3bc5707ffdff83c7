// The read set and a full firmware upload through vt12cli over the loopback address, to a
// simulator listening as a serial device server (tcp://) and as a Modbus TCP gateway
// (modbus-tcp://), with 0 and 50 ms of added latency. The simulator keeps the serial line's
// timing behind the network (--pace), so each figure is a ratio to the serial wire time:
// what the network costs on top of the line. Read from vt12cli's traffic traces.
// Usage: vt12bench_remote (vt12sim and vt12cli come from the same bin directory).

#include "tests/firmware/srecord_text.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>

namespace {
constexpr double kCharMs = 11.0 * 1000.0 / 19200.0;
constexpr int kReadSet = 11;
constexpr int kChunks = 322;
// Request of 137 characters, answer of 8, the silence before and after the answer.
constexpr double kChunkCharacters = 137 + 8 + 2 * 3.5;
constexpr int kGiveUpMs = 300000;

QString Bin(const char* name) {
    return QCoreApplication::applicationDirPath() + u'/' + QLatin1String(name);
}

QString StartSimulator(QProcess& sim, const QString& kind, int latencyMs) {
    sim.start(Bin("vt12sim"), {kind, "127.0.0.1:0", "--pace", "--latency",
                               QString::number(latencyMs), "--restart-ms", "300"});
    const QRegularExpression url(QStringLiteral("(?:modbus-)?tcp://127\\.0\\.0\\.1:\\d+"));
    QByteArray said;
    while (sim.waitForReadyRead(10000)) {
        said += sim.readAllStandardOutput();
        const QRegularExpressionMatch found = url.match(QString::fromUtf8(said));
        if (found.hasMatch())
            return found.captured();
    }
    return {};
}

bool RunCli(const QStringList& arguments) {
    QProcess cli;
    cli.start(Bin("vt12cli"), arguments);
    return cli.waitForFinished(kGiveUpMs) && cli.exitStatus() == QProcess::NormalExit &&
           cli.exitCode() == 0;
}

QList<QStringList> TraceLines(const QString& path) {
    QList<QStringList> lines;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text))
        while (!file.atEnd())
            lines << QString::fromLatin1(file.readLine()).simplified().split(u' ');
    return lines;
}

struct Timed {
    double ms = -1;
    double wireMs = 0;
};

// Port opened to the answer of the last read of the read set.
Timed ReadSet(const QString& trace) {
    Timed timed;
    double opened = -1;
    int reads = 0;
    int results = 0;
    double characters = 0;
    for (const QStringList& words : TraceLines(trace)) {
        if (words.size() < 2)
            continue;
        const double ms = words[0].toDouble();
        if (words[1] == QLatin1String("OPEN") && opened < 0) {
            opened = ms;
        } else if (words[1] == QLatin1String("TX") && reads < kReadSet && words.size() > 7) {
            const int count = (words[6] + words[7]).toInt(nullptr, 16);
            characters += 8 + 2 * count + 5 + 7;
            ++reads;
        } else if (words[1] == QLatin1String("RESULT") && ++results == kReadSet && opened >= 0) {
            timed.ms = ms - opened;
        }
    }
    timed.wireMs = characters * kCharMs;
    return timed;
}

// The start chunk's request to the end chunk's answer.
Timed Upload(const QString& trace) {
    Timed timed;
    double first = -1;
    bool endSent = false;
    for (const QStringList& words : TraceLines(trace)) {
        if (words.size() < 2)
            continue;
        const double ms = words[0].toDouble();
        if (words[1] == QLatin1String("TX") && words.size() > 5 &&
            words[3] == QLatin1String("6E")) {
            const QString address = words[4] + words[5];
            if (address == QLatin1String("4F80") && first < 0)
                first = ms;
            endSent = address == QLatin1String("F000");
        } else if (words[1] == QLatin1String("RESULT") && endSent && first >= 0) {
            timed.ms = ms - first;
            break;
        }
    }
    timed.wireMs = kChunks * kChunkCharacters * kCharMs;
    return timed;
}

void Print(const char* what, const QString& kind, int latencyMs, const Timed& timed) {
    if (timed.ms < 0) {
        std::printf("%-6s %-12s %3d ms: no complete trace\n", what, qPrintable(kind), latencyMs);
        return;
    }
    std::printf("%-6s %-12s %3d ms: %9.1f ms / wire %9.1f ms = %.3f\n", what, qPrintable(kind),
                latencyMs, timed.ms, timed.wireMs, timed.ms / timed.wireMs);
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString firmware = dir.filePath("update.vtfw");
    QFile file(firmware);
    if (!file.open(QIODevice::WriteOnly) || file.write(srec::Text(srec::FirmwareLines())) < 0 ||
        !file.flush()) {
        std::fprintf(stderr, "cannot write the firmware file\n");
        return 1;
    }
    file.close();
    qputenv("VT12_PROGRAM_DIR", dir.path().toUtf8());
    for (const QString& kind : {QStringLiteral("--tcp"), QStringLiteral("--modbus-tcp")}) {
        for (const int latencyMs : {0, 50}) {
            QProcess sim;
            const QString url = StartSimulator(sim, kind, latencyMs);
            if (url.isEmpty()) {
                std::fprintf(stderr, "the simulator did not start\n");
                return 1;
            }
            const QString readTrace = dir.filePath("read.log");
            const QString uploadTrace = dir.filePath("upload.log");
            QFile::remove(readTrace);
            QFile::remove(uploadTrace);
            const bool read = RunCli({"info", "--device", url, "--trace", readTrace, "-q"});
            const bool uploaded =
                RunCli({"firmware", firmware, "--device", url, "--trace", uploadTrace, "-q"});
            sim.terminate();
            sim.waitForFinished(5000);
            const QString name = kind.mid(2);
            Print("read", name, latencyMs, read ? ReadSet(readTrace) : Timed{});
            Print("upload", name, latencyMs, uploaded ? Upload(uploadTrace) : Timed{});
            std::fflush(stdout);
        }
    }
    return 0;
}
