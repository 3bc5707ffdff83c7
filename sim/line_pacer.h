#pragma once
// The serial line's timing: 19200 baud, 8N2, so 11 bits and 0.5729 ms a character.
// Paced, a request arrives only after its line time and an answer goes out at the line rate,
// in the small chunks a serial driver hands over. Unpaced, bytes pass at once.

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QTimer>

namespace vt12sim {

class LinePacer : public QObject {
    Q_OBJECT

public:
    static constexpr qint64 kCharacterNs = 572917;
    static constexpr qint64 kFrameGapNs = kCharacterNs * 7 / 2;

    LinePacer(bool paced, int latencyMs, QObject* parent = nullptr);

    // The answer with this number (the first is 1) waits lateMs instead of the latency, once.
    void answerLate(int number, int lateMs);

    // Bytes the port has taken from the line.
    void receive(const QByteArray& bytes);
    // The answer to the request that arrived last; it starts after the gap that ends a frame,
    // the controller's reaction time and extraMs.
    void transmit(const QByteArray& answer, int extraMs = 0);
    // More bytes of the last answer, pauseMs after what went before them.
    void follow(const QByteArray& bytes, int pauseMs);
    // Whatever is on the line is lost.
    void clear();
    bool isReceiving() const { return !inbound_.isEmpty(); }

signals:
    void arrived(const QByteArray& bytes);
    // 3.5 characters have passed since the last byte arrived.
    void lineSilent();
    void sendBytes(const QByteArray& chunk);

private:
    struct Timed {
        qint64 dueNs;
        QByteArray bytes;
    };

    void arrive(const QByteArray& bytes, qint64 atNs);
    void deliverInbound();
    void deliverOutbound();
    void schedule(const QByteArray& bytes, qint64 startNs);
    void arm(QTimer& timer, qint64 dueNs);
    int nextChunkSize();
    qint64 nextReactionNs();
    qint64 now() const { return clock_.nsecsElapsed(); }

    bool paced_;
    qint64 latencyNs_;
    QElapsedTimer clock_;
    QTimer inboundTimer_;
    QTimer outboundTimer_;
    QTimer silenceTimer_;
    QList<Timed> inbound_;
    QList<Timed> outbound_;
    qint64 inboundFreeNs_ = 0;
    qint64 outboundFreeNs_ = 0;
    qint64 lastArrivalNs_ = 0;
    int chunkTurn_ = 0;
    int answers_ = 0;
    int lateAnswer_ = 0;
    qint64 lateNs_ = 0;
};

} // namespace vt12sim
