#pragma once
// Finding the controller: ports are opened one after another (or the pinned one again and
// again) until it answers; the scheduler's error count sends the link back here.

#include "link/job_scheduler.h"
#include "link/serial_channel.h"

class DetectorHost {
public:
    virtual ~DetectorHost() = default;
    virtual void PostNextJob() = 0;
    virtual void PostDetectPort() = 0;
    // The delay timer: StartDelay arms it with its usual 200 ms; StopDelay disarms it and
    // sets the interval back.
    virtual void StartDelay() = 0;
    virtual void StopDelay() = 0;
    virtual void ShowTrying(int port) = 0;
    virtual void LinkDown() = 0;
    virtual void PortOpened(int port) = 0;
    virtual void PortOpenFailed(int port, const QString& text) = 0;
    virtual void PortClosed(int port) = 0;
};

class TPortDetector {
public:
    static constexpr int kLastPort = 10;

    TPortDetector(SerialChannel& port, TJobScheduler& scheduler, DetectorHost& host);

    // Above 0: the only port tried.
    int FixedPort = 0;

    // One step, run for every posted detect-port message.
    void DetectPort();
    // The delay timer's event.
    void DelayExpired();
    // The open port's device went away: the port is closed already; detect at once.
    void DeviceLost(int port);

private:
    SerialChannel& port_;
    TJobScheduler& scheduler_;
    DetectorHost& host_;
};
