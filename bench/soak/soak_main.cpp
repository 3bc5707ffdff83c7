// The soak: controller sessions against simulators that spoil answers on purpose, checked
// after every result, with the memory of the process watched after a warm-up. The lines run
// side by side in one event loop, so that the time spent waiting for missing answers passes
// once for all of them. Exits 1 on any violation or on memory growth of 1 MB or more.
// Usage: vt12bench_soak [--transactions N] [--lines L] [--seed S] [--faults LIST]
// Line 1 plays a single unit, 2 a MASTER with its SLAVE, 3 a MASTER answering 1 s late, 4 a
// single unit with 30 % of its answers 800-1100 ms late, 5 a MASTER answering 2 s late; then
// again from 1.

#include "bench/soak/soak_line.h"
#include "core/uncaught_error.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {
constexpr int kProgressMs = 1000;
// No transaction on any line for this long ends the run: the program hangs.
constexpr qint64 kStalledMs = 30000;
constexpr double kMostGrowthMb = 1.0;

double ResidentMb() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> pages = statm.readAll().split(' ');
    return pages.size() > 1 ? pages[1].toDouble() * static_cast<double>(::sysconf(_SC_PAGESIZE)) /
                                  (1024.0 * 1024.0)
                            : 0;
}

bool StartSimulator(QProcess& sim, const QString& dir, int com, const QStringList& options) {
    sim.start(QCoreApplication::applicationDirPath() + "/vt12sim",
              QStringList{"--port-dir", dir, "--com", QString::number(com)} + options);
    for (int i = 0; i < 400; ++i) {
        if (QFileInfo::exists(QDir(dir).filePath(QStringLiteral("COM%1").arg(com))))
            return true;
        QThread::msleep(25);
    }
    return false;
}

// "vt12sim: faults: timeout 3, crc 4" into the tally.
void AddFaultTally(const QString& output, QMap<QString, qint64>& tally) {
    static const QRegularExpression line(QStringLiteral("faults: (.*)"));
    static const QRegularExpression entry(QStringLiteral("(\\w+) (\\d+)"));
    const QRegularExpressionMatch found = line.match(output);
    if (!found.hasMatch())
        return;
    for (const QRegularExpressionMatch& kind : entry.globalMatch(found.captured(1)))
        tally[kind.captured(1)] += kind.captured(2).toLongLong();
}

// What each line's simulator plays, in turn: the faults of --faults on every line, and on some
// a MASTER with its SLAVE, or a unit that answers late.
struct LineKind {
    QStringList options;
    // Entries after the run's --faults, which they override.
    QString faults;
    bool master;
};

const LineKind kLineKinds[] = {
    {{}, {}, false},
    {{"--master"}, {}, true},
    {{"--master", "--latency", "1000"}, {}, true},
    {{}, QStringLiteral(",late=30"), false},
    {{"--master", "--latency", "2000"}, {}, true},
};

struct Totals {
    SoakFigures sum;
    QStringList violations;
};

Totals Sum(const std::vector<std::unique_ptr<SoakLine>>& lines) {
    Totals totals;
    SoakFigures& s = totals.sum;
    for (const auto& line : lines) {
        const SoakFigures& f = line->Figures();
        s.transactions += f.transactions;
        s.polls += f.polls;
        s.reads += f.reads;
        s.writes += f.writes;
        s.commands += f.commands;
        s.failed += f.failed;
        s.detections += f.detections;
        s.saves += f.saves;
        s.savesVerified += f.savesVerified;
        s.savesWithFalse += f.savesWithFalse;
        s.verifiedBlocks += f.verifiedBlocks;
        s.falseBlocks += f.falseBlocks;
        totals.violations << f.violations;
    }
    return totals;
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption transactionsOption("transactions", "Requests with their results.", "N",
                                                "100000");
    const QCommandLineOption linesOption("lines", "Sessions side by side, 1 to 10.", "L", "8");
    const QCommandLineOption seedOption("seed", "Seed of the first line; each next one adds 1.",
                                        "S", "1");
    const QCommandLineOption faultsOption("faults", "The simulators' --faults.", "LIST", "all=5");
    parser.addOptions({transactionsOption, linesOption, seedOption, faultsOption});
    parser.addHelpOption();
    parser.process(app);
    const qint64 wanted = parser.value(transactionsOption).toLongLong();
    const int lineCount = std::clamp(parser.value(linesOption).toInt(), 1, 10);
    const uint32_t seed = parser.value(seedOption).toUInt();
    const QString faults = parser.value(faultsOption);
    const qint64 warmUp = wanted / 10;

    QStringList uncaught;
    SetUncaughtErrorHandler([&uncaught](const QString& text) { uncaught << text; });
    QTemporaryDir dir;
    qputenv("VT12_PORT_DIR", dir.path().toUtf8());
    std::vector<std::unique_ptr<QProcess>> sims;
    std::vector<std::unique_ptr<SoakLine>> lines;
    for (int com = 1; com <= lineCount; ++com) {
        const QString store = dir.filePath(QStringLiteral("store%1").arg(com));
        const uint32_t lineSeed = seed + static_cast<uint32_t>(com - 1);
        const LineKind& kind = kLineKinds[static_cast<size_t>(com - 1) % std::size(kLineKinds)];
        sims.push_back(std::make_unique<QProcess>());
        if (!StartSimulator(*sims.back(), dir.path(), com,
                            QStringList{"--faults", faults + kind.faults, "--seed",
                                        QString::number(lineSeed), "--store-file", store} +
                                kind.options)) {
            std::fprintf(stderr, "vt12sim did not start on COM%d\n", com);
            return 1;
        }
        lines.push_back(std::make_unique<SoakLine>(com, store, lineSeed, kind.master));
    }

    QElapsedTimer clock;
    clock.start();
    double warmMb = -1;
    qint64 lastTotal = 0;
    QElapsedTimer sinceProgress;
    sinceProgress.start();
    bool stalled = false;
    QTimer progress;
    QObject::connect(&progress, &QTimer::timeout, [&] {
        const auto total = static_cast<qint64>(Sum(lines).sum.transactions);
        if (total != lastTotal) {
            lastTotal = total;
            sinceProgress.start();
        }
        if (warmMb < 0 && total >= warmUp)
            warmMb = ResidentMb();
        stalled = sinceProgress.elapsed() > kStalledMs;
        if (total >= wanted || stalled)
            QCoreApplication::quit();
    });
    for (const auto& line : lines)
        line->Begin();
    progress.start(kProgressMs);
    QCoreApplication::exec();
    const double seconds = static_cast<double>(clock.elapsed()) / 1000.0;
    const double endMb = ResidentMb();
    for (const auto& line : lines)
        line->End();

    QMap<QString, qint64> tally;
    for (const auto& sim : sims) {
        sim->terminate();
        sim->waitForFinished(5000);
        AddFaultTally(QString::fromLocal8Bit(sim->readAllStandardOutput()), tally);
    }

    Totals totals = Sum(lines);
    const SoakFigures& s = totals.sum;
    totals.violations << uncaught;
    if (stalled)
        totals.violations << QStringLiteral("no transaction on any line for 30 s");
    QStringList drawn;
    qint64 faultCount = 0;
    for (auto kind = tally.cbegin(); kind != tally.cend(); ++kind) {
        drawn << QStringLiteral("%1 %2").arg(kind.key()).arg(kind.value());
        faultCount += kind.value();
    }
    const double growth = endMb - warmMb;
    std::printf("soak: %llu transactions on %d lines in %.0f s (%.0f/s), --faults %s, seeds "
                "%u-%u\n",
                static_cast<unsigned long long>(s.transactions), lineCount, seconds,
                static_cast<double>(s.transactions) / seconds, qPrintable(faults), seed,
                seed + static_cast<uint32_t>(lineCount - 1));
    std::printf("requests: %llu status polls, %llu reads, %llu writes, %llu commands; %llu without "
                "a valid answer; %d port openings\n",
                static_cast<unsigned long long>(s.polls), static_cast<unsigned long long>(s.reads),
                static_cast<unsigned long long>(s.writes),
                static_cast<unsigned long long>(s.commands),
                static_cast<unsigned long long>(s.failed), s.detections);
    std::printf("faults drawn: %lld (%s)\n", static_cast<long long>(faultCount),
                qPrintable(drawn.join(QStringLiteral(", "))));
    std::printf("saves: %d, %d reported verified, %d with a block not verified, %d cut short; "
                "blocks verified %d, not verified %d\n",
                s.saves, s.savesVerified, s.savesWithFalse,
                s.saves - s.savesVerified - s.savesWithFalse, s.verifiedBlocks, s.falseBlocks);
    std::printf("memory: %.2f MB resident after %lld transactions, %.2f MB at the end: growth "
                "%.2f MB\n",
                warmMb, static_cast<long long>(warmUp), endMb, growth);
    std::printf("violations: %lld\n", static_cast<long long>(totals.violations.size()));
    for (const QString& violation : totals.violations.mid(0, 20))
        std::printf("  %s\n", qPrintable(violation));
    return totals.violations.isEmpty() && growth < kMostGrowthMb ? 0 : 1;
}
