#pragma once
// Finding the controller: ports are opened one after another (or the pinned one again and
// again) until it answers; the scheduler's error count sends the link back here.

#include "link/delay_timer.h"
#include "link/job_scheduler.h"
#include "link/link_events.h"
#include "link/port_events.h"
#include "link/serial_channel.h"
#include "link/turn_poster.h"

struct DetectorRoles {
    TurnPoster& turns;
    DelayTimer& delay;
    PortEvents& ports;
    LinkEvents& link;
};

class TPortDetector {
public:
    static constexpr int kLastPort = 10;
    static constexpr int kDelayMs = 200;

    TPortDetector(SerialChannel& port, TJobScheduler& scheduler, const DetectorRoles& roles);

    // Above 0: the only port tried.
    void SetFixedPort(int port) { FixedPort_ = port; }
    int FixedPort() const { return FixedPort_; }

    // One step, run for every posted detect-port message.
    void DetectPort();
    // The delay timer's event.
    void DelayExpired();
    // The open port's device went away: the port is closed already; detect at once.
    void DeviceLost(int port);
    // A port that connects in the background got through, or did not.
    void OpenCompleted();
    void OpenFailed(const QString& text);

    // A host that refuses or cannot be reached is asked ever less often, up to this pause.
    static constexpr int kLongestRetryPauseMs = 10000;

private:
    void StartOnOpenPort();
    // The pause before the next step after this many failed connections in a row.
    static int RetryPauseMs(int failures);

    SerialChannel& port_;
    TJobScheduler& scheduler_;
    DetectorRoles roles_;
    int FixedPort_ = 0;
    int connectFailures_ = 0;
};
