// The cost of the live status on the STATUS && TEST page.
//   vt12bench_status poll N      N status polls decoded and shown, painting included, with no
//                                controller: microseconds per poll. Every byte of every poll
//                                is drawn at random, so every lamp and frame changes: the
//                                worst case.
//   vt12bench_status live S      the window against whatever simulator VT12_PORT_DIR points
//                                at, on STATUS && TEST for S seconds after a 10 s warm-up:
//                                the polls shown and the CPU used, as a share of one core and
//                                per poll (everything the process did, divided by the polls).

#include "window/main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <random>

namespace {
constexpr int kWarmUpMs = 10000;

double CpuSeconds() {
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    return double(cpu.tv_sec) + double(cpu.tv_nsec) / 1e9;
}

int Polls(int count) {
    QTemporaryDir programDir;
    QTemporaryDir noPorts;
    qputenv("VT12_PROGRAM_DIR", programDir.path().toUtf8());
    qputenv("VT12_PORT_DIR", noPorts.path().toUtf8());
    TfVT12SetAppMain window({});
    window.show();
    window.ui.pcPages->setCurrentWidget(window.ui.tsManual);
    window.Session().SetLinkState(true);
    QCoreApplication::processEvents();
    // Every poll differs from the one before, as a working plant's do.
    std::mt19937 random(7);
    std::array<uint8_t, 32> status{};
    QElapsedTimer elapsed;
    elapsed.start();
    for (int i = 0; i < count; ++i) {
        for (uint8_t& byte : status)
            byte = static_cast<uint8_t>(random());
        window.Session().OnStatusPoll(RegisterData{status.data(), int(status.size())});
        QCoreApplication::processEvents();
    }
    std::printf("%d status polls: %.1f us per poll, decoded and shown\n", count,
                double(elapsed.nsecsElapsed()) / 1000.0 / count);
    return 0;
}

int Live(int seconds) {
    TfVT12SetAppMain window({});
    window.show();
    window.ui.pcPages->setCurrentWidget(window.ui.tsManual);
    long long polls = 0;
    QObject::connect(&window.Session(), &ControllerSession::StatusPolled, &window,
                     [&] { ++polls; });
    double cpuStart = 0;
    long long pollsStart = 0;
    QTimer::singleShot(kWarmUpMs, &window, [&] {
        cpuStart = CpuSeconds();
        pollsStart = polls;
    });
    QTimer::singleShot(kWarmUpMs + seconds * 1000, &window, [&] {
        const double cpu = CpuSeconds() - cpuStart;
        const long long shown = polls - pollsStart;
        std::printf("%lld status polls shown in %d s on STATUS && TEST: CPU %.2f %% of one core, "
                    "%.0f us per poll\n",
                    shown, seconds, 100.0 * cpu / seconds, shown > 0 ? cpu * 1e6 / shown : 0.0);
        window.close();
    });
    return QApplication::exec();
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const int amount = arguments.size() == 3 ? arguments[2].toInt() : 0;
    if (amount > 0 && arguments[1] == QLatin1String("poll"))
        return Polls(amount);
    if (amount > 0 && arguments[1] == QLatin1String("live"))
        return Live(amount);
    std::fprintf(stderr, "usage: vt12bench_status poll N | live SECONDS\n");
    return 2;
}
