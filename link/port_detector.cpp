#include "link/port_detector.h"

#include "link/com_port_error.h"

TPortDetector::TPortDetector(SerialChannel& port, TJobScheduler& scheduler,
                             const DetectorRoles& roles)
    : port_(port), scheduler_(scheduler), roles_(roles) {}

void TPortDetector::DelayExpired() {
    roles_.delay.Stop();
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
    }
    if (FixedPort_ > 0) {
        port_.SetComNumber(FixedPort_);
    } else {
        const int next = port_.ComNumber() + 1;
        port_.SetComNumber(next > kLastPort || next < 1 ? 1 : next);
    }
    try {
        port_.Open();
        roles_.ports.PortOpened(port_.ComNumber());
    } catch (const ComPortError& error) {
        roles_.ports.PortOpenFailed(port_.ComNumber(), error.Text());
        roles_.delay.Start(kDelayMs);
    }
    if (port_.Active()) {
        scheduler_.StartFullReload();
        roles_.turns.PostNextJob();
    }
    roles_.ports.PortTried(port_.ComNumber());
    roles_.link.LinkLost();
}

void TPortDetector::DeviceLost(int port) {
    roles_.ports.PortClosed(port);
    roles_.turns.PostDetectPort();
}
