#pragma once
// -v: every frame on standard error as the traffic monitor records it, a request as "TX" and
// its bytes, an answer as "RX", its bytes, its result and round trip. Read from the traffic
// ring a few times a second, so the link path does nothing more than for the window's monitor.

#include "link/traffic_ring.h"
#include "session/controller_session.h"

#include <QTextStream>
#include <QTimer>

class FrameEcho : public QObject {
    Q_OBJECT
public:
    FrameEcho(ControllerSession& session, QTextStream& err, QObject* parent = nullptr);
    ~FrameEcho() override;

    // What was recorded and not yet printed.
    void Print();

private:
    ControllerSession& session_;
    QTextStream& err_;
    TrafficRing ring_;
    QTimer timer_;
    uint64_t printed_ = 0;
};

// "TX 05 03 00 00 00 7C 44 1F", "RX 05 03 F8 ... OK 12 ms".
QString FrameLine(const TrafficEvent& event);
