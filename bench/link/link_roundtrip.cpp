// Round trips of a 16-register input read over a pseudo-terminal: as fast as the simulator
// answers, and paced like the real line, against the wire time.
// Usage: vt12bench_link [unpaced-reads] (the simulator comes from the same bin directory).

#include "link/af_com_port.h"
#include "link/modbus_client.h"
#include "link/qt_time_base.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

namespace {
constexpr int kCom = 9;
constexpr double kCharMs = 11.0 * 1000.0 / 19200.0;
// Request 8 bytes, answer 2 x 16 + 5, and the 3.5-character silence before the answer.
constexpr double kWireMsPerRead = (8 + 37 + 3.5) * kCharMs;

class Bench {
public:
    Bench() : client_(time_) {
        port_.BaudRate = br19200;
        port_.Stopbits = sbTwo;
        client_.OnSend = [this](const uint8_t* d, int n) { port_.WriteData(d, n); };
        client_.OnResult = [this](TModbusResult& r) {
            ok_ = ok_ && r.Status == mrOK;
            if (--left_ > 0)
                client_.ReadInputRegisters(5, 0, 16);
            else
                QCoreApplication::exit(0);
        };
        port_.OnDataRecived = [this](TAfComPort*, int count) {
            uint8_t buffer[256];
            while (count > 0) {
                const int piece = count < 256 ? count : 256;
                port_.ReadData(buffer, piece);
                client_.ReceiveBytes(buffer, piece);
                count -= piece;
            }
        };
    }

    // Milliseconds for reads round trips, or a negative value on failure.
    double Run(const QString& portDir, int reads) {
        qputenv("VT12_PORT_DIR", portDir.toUtf8());
        port_.SetComNumber(kCom);
        port_.Open();
        left_ = reads;
        ok_ = true;
        QElapsedTimer clock;
        clock.start();
        client_.ReadInputRegisters(5, 0, 16);
        QCoreApplication::exec();
        const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        port_.Close();
        return ok_ ? ms : -1.0;
    }

private:
    QtTimeBase time_;
    TAfComPort port_;
    TModbusClient client_;
    int left_ = 0;
    bool ok_ = true;
};

bool startSimulator(QProcess& sim, const QString& dir, const QStringList& options) {
    sim.start(QCoreApplication::applicationDirPath() + "/vt12sim",
              QStringList{"--port-dir", dir, "--com", QString::number(kCom)} + options);
    for (int i = 0; i < 200; ++i) {
        if (QFileInfo::exists(QDir(dir).filePath(QStringLiteral("COM%1").arg(kCom))))
            return true;
        QThread::msleep(25);
    }
    return false;
}

double measure(const QStringList& options, int reads) {
    QTemporaryDir dir;
    QProcess sim;
    if (!startSimulator(sim, dir.path(), options))
        return -1.0;
    Bench bench;
    const double ms = bench.Run(dir.path(), reads);
    sim.terminate();
    sim.waitForFinished(3000);
    return ms;
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int fastReads = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 2000;

    const double fast = measure({}, fastReads);
    if (fast < 0) {
        std::fprintf(stderr, "unpaced run failed\n");
        return 1;
    }
    std::printf("unpaced: %d reads in %.1f ms = %.0f round trips/s\n", fastReads, fast,
                fastReads * 1000.0 / fast);

    const int pacedReads = 100;
    const double paced = measure({"--pace"}, pacedReads);
    if (paced < 0) {
        std::fprintf(stderr, "paced run failed\n");
        return 1;
    }
    const double wire = pacedReads * kWireMsPerRead;
    std::printf("paced:   %d reads in %.1f ms, wire time %.1f ms, ratio %.3f\n", pacedReads, paced,
                wire, paced / wire);
    return 0;
}
