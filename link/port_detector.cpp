#include "link/port_detector.h"

#include "link/com_port_error.h"

TPortDetector::TPortDetector(SerialChannel& port, TJobScheduler& scheduler,
                             const DetectorRoles& roles)
    : port_(port), scheduler_(scheduler), roles_(roles) {
    port_.OnOpenCompleted = [this] { OpenCompleted(); };
    port_.OnOpenFailed = [this](const QString& text) { OpenFailed(text); };
}

void TPortDetector::DelayExpired() {
    roles_.delay.Stop();
    // A connection on its way decides by itself what comes next.
    if (port_.Opening())
        return;
    if (port_.Active())
        roles_.turns.PostNextJob();
    else
        roles_.turns.PostDetectPort();
}

void TPortDetector::DetectPort() {
    scheduler_.ResetErrorCount();
    if (port_.Active()) {
        port_.Close();
        roles_.ports.PortClosed(port_.ComNumber());
    } else if (port_.Opening()) {
        port_.Close();
    }
    if (FixedPort_ > 0) {
        port_.SetComNumber(FixedPort_);
    } else {
        const int next = port_.ComNumber() + 1;
        port_.SetComNumber(next > kLastPort || next < 1 ? 1 : next);
    }
    try {
        port_.Open();
        if (port_.Active())
            StartOnOpenPort();
    } catch (const ComPortError& error) {
        roles_.ports.PortOpenFailed(port_.ComNumber(), error.Text());
        roles_.delay.Start(kDelayMs);
    }
    roles_.ports.PortTried(port_.ComNumber());
    roles_.link.LinkLost();
}

void TPortDetector::OpenCompleted() {
    connectFailures_ = 0;
    StartOnOpenPort();
}

void TPortDetector::StartOnOpenPort() {
    roles_.ports.PortOpened(port_.ComNumber());
    scheduler_.StartFullReload();
    roles_.turns.PostNextJob();
}

void TPortDetector::OpenFailed(const QString& text) {
    roles_.ports.PortOpenFailed(port_.ComNumber(), text);
    roles_.delay.Start(RetryPauseMs(connectFailures_));
    ++connectFailures_;
}

int TPortDetector::RetryPauseMs(int failures) {
    int pause = kDelayMs;
    for (int i = 0; i < failures && pause < kLongestRetryPauseMs; ++i)
        pause *= 2;
    return pause < kLongestRetryPauseMs ? pause : kLongestRetryPauseMs;
}

void TPortDetector::DeviceLost(int port) {
    roles_.ports.PortClosed(port);
    roles_.turns.PostDetectPort();
}
