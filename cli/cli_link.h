#pragma once
// The session host for a program without a window: the port found by detection (or pinned),
// and the communication log taken as whole lines.

#include "session/session_host.h"

#include <QString>
#include <functional>
#include <optional>

class CliLink : public QObject {
    Q_OBJECT
public:
    // fixedPort above 0 pins detection to that COM number; paths map numbers to devices.
    CliLink(int fixedPort, const PortPathOverrides& paths, QObject* parent = nullptr);
    ~CliLink() override;

    ControllerSession& Session() { return host_.Session(); }
    const TAfComPort& Port() const { return host_.Port(); }

    // As the window starts: factory settings in the edited images, then port detection.
    void Begin();

    // Each line of the communication log once it is complete, and the progress steps.
    std::function<void(const QString& line)> OnLogLine;
    std::function<void(int step)> OnProgress;
    // The line still open is complete too.
    void FlushLog();

private:
    void TakeLog(const QString& text, bool append, bool replace);

    SessionHost host_;
    std::optional<QString> openLine_;
};
