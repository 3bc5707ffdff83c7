#pragma once
// The controller session on a serial port, for a program without a window: what the window
// gives the session (the port's bytes, the delay timer, the communication log) given here.

#include "link/af_com_port.h"
#include "link/qt_time_base.h"
#include "session/controller_session.h"

#include <QStringList>
#include <QTimer>
#include <functional>

class CliLink : public QObject, private CommunicationLog, private DelayTimer {
    Q_OBJECT
public:
    // fixedPort above 0 pins detection to that COM number; paths map numbers to devices.
    CliLink(int fixedPort, const PortPathOverrides& paths, QObject* parent = nullptr);
    ~CliLink() override;

    ControllerSession& Session() { return *session_; }
    const TAfComPort& Port() const { return port_; }

    // As the window starts: factory settings in the edited images, then port detection.
    void Begin();

    // Each line of the communication log once it is complete, and the progress steps.
    std::function<void(const QString& line)> OnLogLine;
    std::function<void(int step)> OnProgress;
    // The line still open is complete too.
    void FlushLog();

private:
    void ReceiveData(int count);
    // CommunicationLog
    void KomStsLog(const QString& text, bool append, bool replace) override;
    void AdvanceProgress(int step) override;
    // DelayTimer
    void Start(int intervalMs) override;
    void Stop() override;

    TAfComPort port_;
    QtTimeBase time_;
    QTimer delay_;
    std::unique_ptr<ControllerSession> session_;
    std::optional<QString> openLine_;
};
