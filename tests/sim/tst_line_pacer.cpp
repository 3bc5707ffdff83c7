// The line's timing: unpaced bytes pass at once; paced, nothing is early and answers come in
// small chunks. Only lower bounds are checked, so a slow machine never fails them.

#include "sim/line_pacer.h"

#include "tests/support/test_registry.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

using vt12sim::LinePacer;

class TstLinePacer : public QObject {
    Q_OBJECT

private slots:
    void unpacedPassesAtOnce();
    void latencyDelaysTheAnswer();
    void oneAnswerComesLate_data();
    void oneAnswerComesLate();
    void piecesKeepTheirOrderAndPauses_data();
    void piecesKeepTheirOrderAndPauses();
    void pacedRequestTakesItsLineTime();
    void pacedAnswerGoesOutInChunks_data();
    void pacedAnswerGoesOutInChunks();
    void silenceFollowsTheLastByte();
    void clearLosesWhatIsOnTheLine();
};

namespace {

constexpr int kPatience = 5000;

qint64 lineNs(qsizetype characters) {
    return characters * LinePacer::kCharacterNs;
}

} // namespace

void TstLinePacer::unpacedPassesAtOnce() {
    LinePacer pacer(false, 0);
    QSignalSpy arrived(&pacer, &LinePacer::arrived);
    QSignalSpy sent(&pacer, &LinePacer::sendBytes);
    pacer.receive("request");
    QCOMPARE(arrived.size(), 1);
    QCOMPARE(arrived.at(0).at(0).toByteArray(), QByteArray("request"));
    pacer.transmit("answer");
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent.at(0).at(0).toByteArray(), QByteArray("answer"));
}

void TstLinePacer::latencyDelaysTheAnswer() {
    LinePacer pacer(false, 40);
    QSignalSpy sent(&pacer, &LinePacer::sendBytes);
    QElapsedTimer clock;
    clock.start();
    pacer.transmit("answer");
    QCOMPARE(sent.size(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(sent.size(), 1, kPatience);
    QVERIFY(clock.elapsed() >= 40);
}

void TstLinePacer::oneAnswerComesLate_data() {
    QTest::addColumn<bool>("paced");

    QTest::newRow("unpaced") << false;
    QTest::newRow("paced") << true;
}

// The second answer waits; the first and the third keep the latency of 0. The wait is long
// beside their few milliseconds, so a loaded machine does not make them look late.
void TstLinePacer::oneAnswerComesLate() {
    QFETCH(bool, paced);
    constexpr int lateMs = 3000;
    LinePacer pacer(paced, 0);
    pacer.answerLate(2, lateMs);
    QSignalSpy arrived(&pacer, &LinePacer::arrived);
    QSignalSpy sent(&pacer, &LinePacer::sendBytes);
    QElapsedTimer clock;
    for (const char mark : {'\x01', '\x02', '\x03'}) {
        clock.start();
        pacer.receive(QByteArray(8, mark));
        QTRY_VERIFY_WITH_TIMEOUT(!arrived.isEmpty(), kPatience);
        arrived.clear();
        pacer.transmit(QByteArray(8, mark));
        QTRY_VERIFY_WITH_TIMEOUT(!sent.isEmpty() && sent.last().at(0).toByteArray().endsWith(mark),
                                 lateMs + kPatience);
        sent.clear();
        QCOMPARE(clock.elapsed() >= lateMs, mark == '\x02');
    }
}

void TstLinePacer::piecesKeepTheirOrderAndPauses_data() {
    QTest::addColumn<bool>("paced");

    QTest::newRow("unpaced") << false;
    QTest::newRow("paced") << true;
}

// A delayed answer, a piece after a pause, and the next answer, which waits behind them.
void TstLinePacer::piecesKeepTheirOrderAndPauses() {
    QFETCH(bool, paced);
    LinePacer pacer(paced, 0);
    QSignalSpy arrived(&pacer, &LinePacer::arrived);
    QByteArray line;
    qint64 firstNs = -1;
    qint64 pausedNs = -1;
    QElapsedTimer clock;
    connect(&pacer, &LinePacer::sendBytes, this, [&](const QByteArray& chunk) {
        line += chunk;
        if (firstNs < 0) {
            firstNs = clock.nsecsElapsed();
        }
        if (pausedNs < 0 && line.contains('C')) {
            pausedNs = clock.nsecsElapsed();
        }
    });
    clock.start();
    pacer.receive(QByteArray(8, '\x05'));
    QTRY_COMPARE_WITH_TIMEOUT(arrived.size(), 1, kPatience);
    pacer.transmit("AB", 30);
    pacer.follow("CD", 40);
    pacer.receive(QByteArray(8, '\x05'));
    QTRY_COMPARE_WITH_TIMEOUT(arrived.size(), 2, kPatience);
    pacer.transmit("EF");
    QTRY_COMPARE_WITH_TIMEOUT(line.size(), 6, kPatience);
    QCOMPARE(line, QByteArray("ABCDEF"));
    QVERIFY(firstNs >= 30 * 1000000LL);
    QVERIFY(pausedNs >= 70 * 1000000LL);
}

void TstLinePacer::pacedRequestTakesItsLineTime() {
    LinePacer pacer(true, 0);
    QSignalSpy arrived(&pacer, &LinePacer::arrived);
    QElapsedTimer clock;
    clock.start();
    const QByteArray request(8, '\x05');
    pacer.receive(request);
    QVERIFY(pacer.isReceiving());
    QCOMPARE(arrived.size(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(arrived.size(), 1, kPatience);
    QVERIFY(clock.nsecsElapsed() >= lineNs(8));
    QVERIFY(!pacer.isReceiving());
}

void TstLinePacer::pacedAnswerGoesOutInChunks_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("latencyMs");

    QTest::newRow("status, 37 bytes") << 37 << 0;
    QTest::newRow("write echo, 8 bytes") << 8 << 0;
    QTest::newRow("identification, 253 bytes, 5 ms latency") << 253 << 5;
}

void TstLinePacer::pacedAnswerGoesOutInChunks() {
    QFETCH(int, size);
    QFETCH(int, latencyMs);

    LinePacer pacer(true, latencyMs);
    QSignalSpy arrived(&pacer, &LinePacer::arrived);
    QSignalSpy sent(&pacer, &LinePacer::sendBytes);
    QElapsedTimer clock;
    clock.start();
    pacer.receive(QByteArray(8, '\x05'));
    QTRY_COMPARE_WITH_TIMEOUT(arrived.size(), 1, kPatience);

    QByteArray answer(size, '\0');
    for (int i = 0; i < size; ++i) {
        answer[i] = static_cast<char>(i);
    }
    pacer.transmit(answer);
    QByteArray received;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            for (; !sent.isEmpty(); sent.removeFirst()) {
                const QByteArray chunk = sent.first().at(0).toByteArray();
                if (chunk.size() > 16 || chunk.isEmpty()) {
                    return true;
                }
                received += chunk;
            }
            return received.size() >= size;
        }(),
        kPatience);
    QCOMPARE(received, answer);
    const qint64 earliest =
        lineNs(8) + LinePacer::kFrameGapNs + latencyMs * 1000000LL + lineNs(size);
    QVERIFY(clock.nsecsElapsed() >= earliest);
}

void TstLinePacer::silenceFollowsTheLastByte() {
    LinePacer pacer(false, 0);
    QSignalSpy silent(&pacer, &LinePacer::lineSilent);
    QElapsedTimer clock;
    clock.start();
    pacer.receive("\x05\x03");
    QCOMPARE(silent.size(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(silent.size(), 1, kPatience);
    QVERIFY(clock.nsecsElapsed() >= LinePacer::kFrameGapNs);
}

void TstLinePacer::clearLosesWhatIsOnTheLine() {
    LinePacer pacer(true, 0);
    QSignalSpy arrived(&pacer, &LinePacer::arrived);
    QSignalSpy sent(&pacer, &LinePacer::sendBytes);
    pacer.receive(QByteArray(8, '\x05'));
    pacer.transmit(QByteArray(37, '\x01'));
    pacer.clear();
    QVERIFY(!pacer.isReceiving());
    // A later exchange still goes through, and nothing of the lost one comes with it.
    pacer.receive(QByteArray(2, '\x06'));
    QTRY_COMPARE_WITH_TIMEOUT(arrived.size(), 1, kPatience);
    QCOMPARE(arrived.at(0).at(0).toByteArray(), QByteArray(2, '\x06'));
    // Past the time the lost answer would have been on the line.
    QTest::qWait(40);
    QCOMPARE(sent.size(), 0);
}

VT12_TEST(TstLinePacer, TestApplication::Core)
#include "tst_line_pacer.moc"
