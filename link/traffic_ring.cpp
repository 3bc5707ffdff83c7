#include "link/traffic_ring.h"

#include "link/rtu_codec.h"

#include <algorithm>

namespace {
// Address, function, byte count and CRC around a read answer's data.
constexpr int kReadAnswerFrame = 5;

uint16_t Word(const uint8_t* data, int at) {
    return static_cast<uint16_t>((data[at] << 8) | data[at + 1]);
}

// How much of the result's frame is the answer: the client keeps no length beside it.
int AnswerLength(const TModbusResult& result) {
    if (result.Status == mrException)
        return rtu::kExceptionLength;
    if (result.Status != mrOK)
        return 0;
    const uint8_t function = result.Frame[1] & static_cast<uint8_t>(~rtu::kExceptionFlag);
    if (rtu::IsRead(function))
        return std::min(kReadAnswerFrame + result.DataByteCount, kModbusBufferSize);
    return rtu::kWriteAnswerLength;
}
} // namespace

TrafficEvent& TrafficRing::Next() {
    ++recorded_;
    if (size_ < kCapacity)
        return events_[static_cast<size_t>((first_ + size_++) % kCapacity)];
    TrafficEvent& oldest = events_[static_cast<size_t>(first_)];
    first_ = (first_ + 1) % kCapacity;
    return oldest;
}

const TrafficEvent& TrafficRing::At(int index) const {
    return events_[static_cast<size_t>((first_ + index) % kCapacity)];
}

void TrafficRing::Sent(uint32_t atMs, const uint8_t* data, int length) {
    TrafficEvent& event = Next();
    event.atMs = atMs;
    event.sent = true;
    event.status = mrNone;
    event.roundTripMs = -1;
    event.length = static_cast<uint16_t>(std::clamp(length, 0, kModbusBufferSize));
    std::copy_n(data, event.length, event.frame.begin());
    event.function = event.length > 1 ? data[1] : 0;
    event.start = event.length > 3 ? Word(data, 2) : 0;
    event.count = event.length > 5 ? Word(data, 4) : 0;
    sentAtMs_ = atMs;
    awaiting_ = true;
    ++stats_.requests;
}

void TrafficRing::Answered(uint32_t atMs, const TModbusResult& result) {
    TrafficEvent& event = Next();
    event.atMs = atMs;
    event.sent = false;
    event.function = result.FunctionCode;
    event.start = result.StartAddress;
    event.count = 0;
    event.status = result.Status;
    // An answer to a request sent before the monitor opened, or during a pause, has none.
    event.roundTripMs = awaiting_ ? static_cast<int>(atMs - sentAtMs_) : -1;
    awaiting_ = false;
    event.length = static_cast<uint16_t>(AnswerLength(result));
    std::copy_n(result.Frame.begin(), event.length, event.frame.begin());

    switch (result.Status) {
    case mrOK:
        ++stats_.ok;
        break;
    case mrTimeout:
        ++stats_.timeouts;
        break;
    case mrBadFrame:
        ++stats_.badFrames;
        break;
    case mrException:
        ++stats_.exceptions;
        break;
    default:
        break;
    }
    // A timeout's round trip is the timeout itself: only good answers tell the line's pace.
    if (result.Status != mrOK || event.roundTripMs < 0)
        return;
    ++measured_;
    stats_.minMs = measured_ == 1 ? event.roundTripMs : std::min(stats_.minMs, event.roundTripMs);
    stats_.maxMs = std::max(stats_.maxMs, event.roundTripMs);
    roundTripSum_ += event.roundTripMs;
    stats_.meanMs = double(roundTripSum_) / measured_;
}

void TrafficRing::Clear() {
    first_ = size_ = 0;
    recorded_ = 0;
    stats_ = {};
    measured_ = 0;
    roundTripSum_ = 0;
    awaiting_ = false;
}

QByteArray TraceText(const TrafficRing& ring) {
    static constexpr const char* kResults[] = {"NONE", "TIMEOUT", "BADFRAME", "EXCEPTION", "OK"};
    QByteArray text;
    for (int i = 0; i < ring.Size(); ++i) {
        const TrafficEvent& event = ring.At(i);
        const QByteArray at = QByteArray::number(event.atMs) + ".000 ";
        if (event.length > 0) {
            text += at + (event.sent ? "TX" : "RX");
            for (int b = 0; b < event.length; ++b)
                text +=
                    ' ' +
                    QByteArray::number(event.frame[size_t(b)], 16).rightJustified(2, '0').toUpper();
            text += '\n';
        }
        if (!event.sent) {
            text += at + "RESULT " + (event.status <= mrOK ? kResults[event.status] : "?");
            if (event.status == mrException && event.length > 2)
                text +=
                    ' ' + QByteArray::number(event.frame[2], 16).rightJustified(2, '0').toUpper();
            text += '\n';
        }
    }
    return text;
}

QString StatsText(const TrafficStats& stats) {
    return QStringLiteral("Requests %1   OK %2   Timeouts %3   Bad frames %4   Exceptions %5   "
                          "Round trip min/mean/max %6 / %7 / %8 ms")
        .arg(stats.requests)
        .arg(stats.ok)
        .arg(stats.timeouts)
        .arg(stats.badFrames)
        .arg(stats.exceptions)
        .arg(stats.minMs)
        .arg(stats.meanMs, 0, 'f', 1)
        .arg(stats.maxMs);
}
