#pragma once
// One run of the program's window against simulators in a private port directory, with its
// own program directory (Settings.ini), data directory (settings backups) and traffic trace.

#include "tests/e2e/simulator_process.h"
#include "tests/e2e/trace_file.h"
#include "window/main_window.h"

#include <QLabel>
#include <QPlainTextEdit>

class WindowSession {
public:
    static constexpr int kDetectTimeoutMs = 15000;

    WindowSession() {
        qputenv("VT12_PROGRAM_DIR", programDir_.path().toUtf8());
        qputenv("VT12_PORT_DIR", portDir_.path().toUtf8());
        // vt12cli started from here inherits it.
        qputenv("XDG_DATA_HOME", dataHome_.path().toUtf8());
    }

    QString PortDir() const { return portDir_.path(); }
    QString ProgramDir() const { return programDir_.path(); }
    QString TracePath() const { return programDir_.filePath("trace.log"); }

    // With a [Ports] line such as "COM3=/dev/ttyACM0" when given.
    void StorePort(int port, const QString& portsLine = QString()) {
        QFile ini(programDir_.filePath("Settings.ini"));
        QString text = QStringLiteral("[Last]\nPort=%1\n").arg(port);
        if (!portsLine.isEmpty())
            text += QStringLiteral("[Ports]\n%1\n").arg(portsLine);
        if (ini.open(QIODevice::WriteOnly))
            ini.write(text.toUtf8());
    }

    TfVT12SetAppMain& Open(QStringList arguments = {}) {
        arguments << "--trace=" + TracePath();
        window_ = std::make_unique<TfVT12SetAppMain>(arguments);
        window_->show();
        return *window_;
    }

    QString Caption() const { return window_->ui.pVTDetected->text(); }

    // Closes the window, which writes the trace out, and reads it.
    TraceFile CloseAndReadTrace() {
        window_->close();
        return TraceFile::Read(TracePath());
    }

private:
    QTemporaryDir programDir_;
    QTemporaryDir portDir_;
    QTemporaryDir dataHome_;
    std::unique_ptr<TfVT12SetAppMain> window_;
};

// How long a window test waits for the unit to be found, read or written.
constexpr int kTimeoutMs = WindowSession::kDetectTimeoutMs;

// The communication log's lines, as shown.
inline QStringList LogLines(const TfVT12SetAppMain& window) {
    return window.ui.mKomSts->toPlainText().split(u'\n');
}
