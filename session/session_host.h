#pragma once
// The controller session with everything it runs on: the port (a serial device or a network
// connection, as the port's mapping says), the clock, the delay timer, the communication log
// and the trace. The window, vt12cli and the soak each hold one and show
// what it reports; the port's bytes reach the session here and nowhere else.

#include "link/af_com_port.h"
#include "session/controller_session.h"
#include "session/guarded_time_base.h"

#include <QObject>
#include <QTimer>
#include <memory>

class SessionHost : public QObject, private CommunicationLog, private DelayTimer {
    Q_OBJECT
public:
    // The port on the controller's line settings, before its first detection step.
    explicit SessionHost(QObject* parent = nullptr);
    ~SessionHost() override;

    ControllerSession& Session() { return *session_; }
    const ControllerSession& Session() const { return *session_; }
    TAfComPort& Port() { return port_; }
    const TAfComPort& Port() const { return port_; }
    TrafficTrace& Trace() { return session_->Trace(); }

    // The window's own timer tDelay serves as the delay timer instead of the host's.
    void UseDelayTimer(QTimer& timer);
    // Detection starts when the delay first expires.
    void StartDetection() { Start(TPortDetector::kDelayMs); }
    // The program ends: nothing more is received, the port is closed.
    void Close();

Q_SIGNALS:
    // A new line of the communication log, or with append (replace) the text finishes
    // (becomes) the last line.
    void LogWritten(const QString& text, bool append, bool replace);
    // The last line of the log holds a verdict: a written block confirmed or read back.
    void LogLineJudged(bool ok);
    void ProgressAdvanced(int step);
    // The open port's device or connection went away; detection starts again after this.
    void DeviceLost(int port);

private:
    void ReceiveData(int count);
    // CommunicationLog
    void KomStsLog(const QString& text, bool append, bool replace) override;
    void AdvanceProgress(int step) override;
    void JudgeLastLine(bool ok) override;
    // DelayTimer
    void Start(int intervalMs) override;
    void Stop() override;

    TAfComPort port_;
    GuardedTimeBase time_;
    QTimer ownDelay_;
    QTimer* delay_ = &ownDelay_;
    QMetaObject::Connection delayExpired_;
    std::unique_ptr<ControllerSession> session_;
};
