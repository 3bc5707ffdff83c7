#pragma once
// A vt12sim of its own for a test: started on a COM number in a private port directory,
// stopped with SIGTERM when the test is done.

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

class SimulatorProcess {
public:
    explicit SimulatorProcess(QString portDir = QString()) : portDir_(std::move(portDir)) {
        if (portDir_.isEmpty())
            portDir_ = ownDir_.path();
    }
    ~SimulatorProcess() { Stop(); }

    static QString BinDir() { return qEnvironmentVariable("VT12_BIN_DIR") + "/bin"; }
    QString PortDir() const { return portDir_; }

    // Waits until the port's link exists; false when it never appears.
    bool Start(int com, const QStringList& options = {}) {
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(BinDir() + "/vt12sim",
                       QStringList{"--port-dir", portDir_, "--com", QString::number(com)} +
                           options);
        const QString link = QDir(portDir_).filePath(QStringLiteral("COM%1").arg(com));
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 10000) {
            if (QFileInfo::exists(link))
                return true;
            if (process_.state() == QProcess::NotRunning)
                return false;
            QTest::qWait(20);
        }
        return false;
    }

    // Listening on a free loopback port, kind "--tcp" or "--modbus-tcp"; the URL it took, empty
    // when it never says.
    QString StartListening(const QString& kind, const QStringList& options = {}) {
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(BinDir() + "/vt12sim", QStringList{kind, "127.0.0.1:0"} + options);
        const QRegularExpression url(QStringLiteral("(?:modbus-)?tcp://127\\.0\\.0\\.1:\\d+"));
        QByteArray said;
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 10000 && process_.state() != QProcess::NotRunning) {
            process_.waitForReadyRead(100);
            said += process_.readAllStandardOutput();
            const QRegularExpressionMatch found = url.match(QString::fromUtf8(said));
            if (found.hasMatch())
                return found.captured();
        }
        return {};
    }

    void Signal(int signal) {
        if (process_.state() == QProcess::Running)
            ::kill(static_cast<pid_t>(process_.processId()), signal);
    }

    void Stop() {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.terminate();
        if (!process_.waitForFinished(5000))
            process_.kill();
        process_.waitForFinished(2000);
    }

private:
    QTemporaryDir ownDir_;
    QString portDir_;
    QProcess process_;
};
