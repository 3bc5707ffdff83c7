#pragma once
// The last few thousand events on the link, kept for the traffic monitor: each request sent
// and each result with its answer and round trip. A fixed ring, so recording never allocates
// and memory stays bounded however long the monitor stays open.

#include "link/modbus_result.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

struct TrafficEvent {
    uint32_t atMs = 0;
    bool sent = false; // a request; else a result
    uint8_t function = 0;
    uint16_t start = 0;
    uint16_t count = 0; // registers or words the request names
    uint8_t status = mrNone;
    int roundTripMs = -1; // results whose request was recorded
    uint16_t length = 0;
    std::array<uint8_t, kModbusBufferSize> frame{};
};

struct TrafficStats {
    int requests = 0;
    int ok = 0;
    int timeouts = 0;
    int badFrames = 0;
    int exceptions = 0;
    // Round trips of the good answers whose requests were recorded.
    int minMs = 0;
    int maxMs = 0;
    double meanMs = 0;
};

class TrafficRing {
public:
    static constexpr int kCapacity = 4000;

    TrafficRing() : events_(kCapacity) {}

    void Sent(uint32_t atMs, const uint8_t* data, int length);
    void Answered(uint32_t atMs, const TModbusResult& result);
    void Clear();
    // Recording starts again after a pause: the request in flight was not seen.
    void Resumed() { awaiting_ = false; }

    int Size() const { return size_; }
    // 0 is the oldest kept.
    const TrafficEvent& At(int index) const;
    // Every event recorded since the last Clear, kept or not.
    uint64_t Recorded() const { return recorded_; }
    // Over every result since the last Clear.
    const TrafficStats& Stats() const { return stats_; }

private:
    TrafficEvent& Next();

    std::vector<TrafficEvent> events_;
    int first_ = 0;
    int size_ = 0;
    uint64_t recorded_ = 0;
    uint32_t sentAtMs_ = 0;
    // A request was recorded and its result not yet: only then is a round trip known.
    bool awaiting_ = false;
    TrafficStats stats_;
    int measured_ = 0;
    int64_t roundTripSum_ = 0;
};

// "Requests 12   OK 11   Timeouts 1 ..." as the traffic monitor shows the counts.
QString StatsText(const TrafficStats& stats);

// The kept events in the --trace file's format: TX lines for requests, RX and RESULT lines for
// results.
QByteArray TraceText(const TrafficRing& ring);
