// A full firmware upload from the window to the paced simulator (latency 0), against the wire
// time: 322 requests of 137 characters, answers of 8 and the two 3.5-character silences, at
// 11 bits a character and 19200 baud. Measured from the start chunk going out to the end
// chunk's answer, read from the program's traffic trace.
// Usage: vt12bench_upload (the simulator comes from the same bin directory; offscreen).

#include "tests/firmware/srecord_text.h"
#include "window/main_window.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <cstdio>

namespace {
constexpr int kCom = 8;
constexpr int kChunks = 322;
constexpr double kCharactersPerChunk = 137 + 8 + 2 * 3.5;
constexpr double kWireMs = kChunks * kCharactersPerChunk * 11.0 * 1000.0 / 19200.0;
constexpr int kGiveUpMs = 180000;

bool startSimulator(QProcess& sim, const QString& dir) {
    sim.start(QCoreApplication::applicationDirPath() + "/vt12sim",
              {"--port-dir", dir, "--com", QString::number(kCom), "--pace", "--latency", "0"});
    for (int i = 0; i < 200; ++i) {
        if (QFileInfo::exists(QDir(dir).filePath(QStringLiteral("COM%1").arg(kCom))))
            return true;
        QThread::msleep(25);
    }
    return false;
}

// Milliseconds from the start chunk's request to the end chunk's result; negative when the
// trace does not hold a whole upload.
double UploadMs(const QString& tracePath, int* chunks) {
    QFile file(tracePath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1.0;
    double first = -1.0;
    bool endSent = false;
    *chunks = 0;
    while (!file.atEnd()) {
        const QStringList words = QString::fromLatin1(file.readLine()).split(u' ');
        if (words.size() < 2)
            continue;
        const double ms = words[0].toDouble();
        if (words[1] == QLatin1String("TX") && words.size() > 5 &&
            words[3] == QLatin1String("6E")) {
            const QString address = words[4] + words[5];
            if (address == QLatin1String("4F80") && first < 0)
                first = ms;
            endSent = address == QLatin1String("F000");
            ++*chunks;
        } else if (words[1] == QLatin1String("RESULT") && endSent) {
            return first < 0 ? -1.0 : ms - first;
        }
    }
    return -1.0;
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QProcess sim;
    if (!startSimulator(sim, dir.path())) {
        std::fprintf(stderr, "the simulator did not start\n");
        return 1;
    }
    qputenv("VT12_PORT_DIR", dir.path().toUtf8());
    qputenv("VT12_PROGRAM_DIR", dir.path().toUtf8());
    // The settings backup before the upload lands here, not among the user's.
    qputenv("XDG_DATA_HOME", dir.path().toUtf8());
    const QString firmwarePath = dir.filePath("VT12F06A.vtfw");
    QFile firmware(firmwarePath);
    if (!firmware.open(QIODevice::WriteOnly) ||
        firmware.write(srec::Text(srec::FirmwareLines(srec::FirmwareWindow("VT12F06A")))) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(firmwarePath));
        return 1;
    }
    firmware.close();
    const QString tracePath = dir.filePath("trace.log");

    bool reported = false;
    {
        TfVT12SetAppMain window({QStringLiteral("PORT=%1").arg(kCom), "--trace=" + tracePath});
        window.show();
        window.ui.eFirmwareFile->setText(firmwarePath);
        bool clicked = false;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            const QString version = window.ui.lFwVersion->text();
            // Linked: the unit has told its firmware.
            if (!clicked && version == QLatin1String("Firmware Version: F05A") &&
                window.ui.bUploadFirmware->isEnabled()) {
                clicked = true;
                window.ui.bUploadFirmware->click();
            } else if (clicked && version == QLatin1String("Firmware Version: F06A")) {
                reported = true;
                app.quit();
            }
        });
        watch.start(20);
        QTimer::singleShot(kGiveUpMs, &app, &QCoreApplication::quit);
        app.exec();
        window.close();
    }
    sim.terminate();
    sim.waitForFinished(3000);

    int chunks = 0;
    const double ms = UploadMs(tracePath, &chunks);
    if (!reported || ms < 0) {
        std::fprintf(stderr, "no whole upload (%d chunk requests, new version %s)\n", chunks,
                     reported ? "reported" : "not reported");
        return 1;
    }
    std::printf("upload: %d chunk requests in %.1f ms, wire time %.1f ms, ratio %.3f\n", chunks, ms,
                kWireMs, ms / kWireMs);
    return 0;
}
