#include "sim/line_pacer.h"

#include <algorithm>
#include <array>

namespace vt12sim {

namespace {

// Items due this close to now go out at once rather than through another timer turn.
constexpr qint64 kToleranceNs = 100000;
constexpr qint64 kNsPerMs = 1000000;
// Sizes a USB serial adapter's driver typically hands over, in turn.
constexpr std::array kChunkSizes{16, 8, 12};

void setUpTimer(QTimer& timer) {
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
}

} // namespace

LinePacer::LinePacer(bool paced, int latencyMs, QObject* parent)
    : QObject(parent), paced_(paced), latencyNs_(qint64{latencyMs} * kNsPerMs) {
    clock_.start();
    for (QTimer* timer : {&inboundTimer_, &outboundTimer_, &silenceTimer_}) {
        setUpTimer(*timer);
    }
    connect(&inboundTimer_, &QTimer::timeout, this, &LinePacer::deliverInbound);
    connect(&outboundTimer_, &QTimer::timeout, this, &LinePacer::deliverOutbound);
    connect(&silenceTimer_, &QTimer::timeout, this, &LinePacer::lineSilent);
}

void LinePacer::answerLate(int number, int lateMs) {
    lateAnswer_ = number;
    lateNs_ = qint64{lateMs} * kNsPerMs;
}

void LinePacer::receive(const QByteArray& bytes) {
    if (bytes.isEmpty()) {
        return;
    }
    if (!paced_) {
        arrive(bytes, now());
        return;
    }
    silenceTimer_.stop();
    const qint64 due = std::max(now(), inboundFreeNs_) + bytes.size() * kCharacterNs;
    inboundFreeNs_ = due;
    inbound_.append({due, bytes});
    arm(inboundTimer_, inbound_.front().dueNs);
}

void LinePacer::arrive(const QByteArray& bytes, qint64 atNs) {
    lastArrivalNs_ = atNs;
    emit arrived(bytes);
    if (inbound_.isEmpty()) {
        arm(silenceTimer_, atNs + kFrameGapNs);
    }
}

void LinePacer::deliverInbound() {
    while (!inbound_.isEmpty() && inbound_.front().dueNs <= now() + kToleranceNs) {
        const Timed item = inbound_.takeFirst();
        arrive(item.bytes, item.dueNs);
    }
    if (!inbound_.isEmpty()) {
        arm(inboundTimer_, inbound_.front().dueNs);
    }
}

void LinePacer::transmit(const QByteArray& answer, int extraMs) {
    if (answer.isEmpty()) {
        return;
    }
    const qint64 reactionNs = nextReactionNs() + qint64{extraMs} * kNsPerMs;
    if (!paced_) {
        if (reactionNs == 0 && outbound_.isEmpty()) {
            emit sendBytes(answer);
            return;
        }
        outbound_.append({now() + reactionNs, answer});
        arm(outboundTimer_, outbound_.front().dueNs);
        return;
    }
    // Scheduled on the line's own time, so a late timer turn does not stretch the answer.
    schedule(answer, std::max(lastArrivalNs_ + kFrameGapNs + reactionNs, outboundFreeNs_));
}

void LinePacer::follow(const QByteArray& bytes, int pauseMs) {
    if (bytes.isEmpty()) {
        return;
    }
    const qint64 pauseNs = qint64{pauseMs} * kNsPerMs;
    if (!paced_) {
        if (pauseNs == 0 && outbound_.isEmpty()) {
            emit sendBytes(bytes);
            return;
        }
        const qint64 after = outbound_.isEmpty() ? now() : outbound_.back().dueNs;
        outbound_.append({std::max(after, now()) + pauseNs, bytes});
        arm(outboundTimer_, outbound_.front().dueNs);
        return;
    }
    schedule(bytes, std::max(outboundFreeNs_, now()) + pauseNs);
}

void LinePacer::schedule(const QByteArray& bytes, qint64 startNs) {
    for (qsizetype sent = 0; sent < bytes.size();) {
        const qsizetype size = std::min<qsizetype>(nextChunkSize(), bytes.size() - sent);
        sent += size;
        outbound_.append({startNs + sent * kCharacterNs, bytes.mid(sent - size, size)});
    }
    outboundFreeNs_ = startNs + bytes.size() * kCharacterNs;
    arm(outboundTimer_, outbound_.front().dueNs);
}

void LinePacer::deliverOutbound() {
    while (!outbound_.isEmpty() && outbound_.front().dueNs <= now() + kToleranceNs) {
        emit sendBytes(outbound_.takeFirst().bytes);
    }
    if (!outbound_.isEmpty()) {
        arm(outboundTimer_, outbound_.front().dueNs);
    }
}

void LinePacer::clear() {
    inbound_.clear();
    outbound_.clear();
    inboundTimer_.stop();
    outboundTimer_.stop();
    silenceTimer_.stop();
    inboundFreeNs_ = 0;
    outboundFreeNs_ = 0;
}

void LinePacer::arm(QTimer& timer, qint64 dueNs) {
    const qint64 waitNs = std::max<qint64>(0, dueNs - now());
    timer.start(static_cast<int>((waitNs + kNsPerMs - 1) / kNsPerMs));
}

qint64 LinePacer::nextReactionNs() {
    ++answers_;
    return answers_ == lateAnswer_ ? lateNs_ : latencyNs_;
}

int LinePacer::nextChunkSize() {
    const int size = kChunkSizes[static_cast<std::size_t>(chunkTurn_)];
    chunkTurn_ = (chunkTurn_ + 1) % static_cast<int>(kChunkSizes.size());
    return size;
}

} // namespace vt12sim
