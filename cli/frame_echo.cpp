#include "cli/frame_echo.h"

#include <algorithm>

namespace {
constexpr int kEchoIntervalMs = 100;

QString resultWords(uint8_t status) {
    switch (status) {
    case mrOK:
        return QStringLiteral("OK");
    case mrTimeout:
        return QStringLiteral("timeout");
    case mrBadFrame:
        return QStringLiteral("bad frame");
    case mrException:
        return QStringLiteral("exception");
    default:
        return QStringLiteral("no result");
    }
}
} // namespace

FrameEcho::FrameEcho(ControllerSession& session, QTextStream& err, QObject* parent)
    : QObject(parent), session_(session), err_(err) {
    session_.SetTrafficMonitor(&ring_);
    connect(&timer_, &QTimer::timeout, this, &FrameEcho::Print);
    timer_.start(kEchoIntervalMs);
}

FrameEcho::~FrameEcho() {
    Print();
    session_.SetTrafficMonitor(nullptr);
}

void FrameEcho::Print() {
    const uint64_t fresh = ring_.Recorded() - printed_;
    if (fresh == 0)
        return;
    // More than the ring keeps went by between two looks: the oldest of them are gone.
    const int kept = static_cast<int>(std::min<uint64_t>(fresh, uint64_t(ring_.Size())));
    for (int i = ring_.Size() - kept; i < ring_.Size(); ++i)
        err_ << FrameLine(ring_.At(i)) << '\n';
    err_.flush();
    printed_ = ring_.Recorded();
}

QString FrameLine(const TrafficEvent& event) {
    QString line = event.sent ? QStringLiteral("TX") : QStringLiteral("RX");
    for (int b = 0; b < event.length; ++b)
        line += QStringLiteral(" %1").arg(event.frame[size_t(b)], 2, 16, QChar(u'0')).toUpper();
    if (!event.sent) {
        line += u' ' + resultWords(event.status);
        if (event.roundTripMs >= 0)
            line += QStringLiteral(" %1 ms").arg(event.roundTripMs);
    }
    return line;
}
