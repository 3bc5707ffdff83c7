#include "link/port_detector.h"

#include "link/com_port_error.h"

TPortDetector::TPortDetector(SerialChannel& port, TJobScheduler& scheduler, DetectorHost& host)
    : port_(port), scheduler_(scheduler), host_(host) {}

void TPortDetector::DelayExpired() {
    host_.StopDelay();
    if (port_.Active())
        host_.PostNextJob();
    else
        host_.PostDetectPort();
}

void TPortDetector::DetectPort() {
    scheduler_.ErrorCount = 0;
    if (port_.Active()) {
        port_.Close();
        host_.PortClosed(port_.ComNumber());
    }
    if (FixedPort > 0) {
        port_.SetComNumber(FixedPort);
    } else {
        const int next = port_.ComNumber() + 1;
        port_.SetComNumber(next > kLastPort || next < 1 ? 1 : next);
    }
    try {
        port_.Open();
        host_.PortOpened(port_.ComNumber());
    } catch (const ComPortError& error) {
        host_.PortOpenFailed(port_.ComNumber(), error.Text());
        host_.StartDelay();
    }
    if (port_.Active()) {
        scheduler_.AnswerCount = 0;
        scheduler_.JobMask = kFullReloadJobs;
        host_.PostNextJob();
    }
    host_.ShowTrying(port_.ComNumber());
    host_.LinkDown();
}

void TPortDetector::DeviceLost(int port) {
    host_.PortClosed(port);
    host_.PostDetectPort();
}
