// The simulator's own framing: lengths by function code, CRC, other addresses, resync.

#include "sim/rtu_framer.h"
#include "tests/sim/sim_requests.h"

#include "tests/support/test_registry.h"

#include <QTest>

using namespace simtest;
using vt12sim::RtuFramer;

// An empty event stands for a silence of 3.5 characters on the line.
using LineEvents = QList<QByteArray>;

class TstRtuFramer : public QObject {
    Q_OBJECT

private slots:
    void collectsFrames_data();
    void collectsFrames();
};

namespace {

const QByteArray kSilence;
const QByteArray kRead = wordsRequest(3, 0, 97);

LineEvents byteByByte(const QByteArray& frame) {
    LineEvents events;
    for (const char byte : frame) {
        events.append(QByteArray(1, byte));
    }
    return events;
}

QByteArray corrupted(QByteArray frame) {
    frame[3] = static_cast<char>(frame[3] ^ 0x01);
    return frame;
}

} // namespace

void TstRtuFramer::collectsFrames_data() {
    QTest::addColumn<LineEvents>("events");
    QTest::addColumn<QList<int>>("frameLengths");

    const QByteArray write = blockRequest(16, 128, QByteArray(4, '\x11'));
    const QByteArray chunk = blockRequest(110, 0x5000, QByteArray(128, '\x22'));
    const QByteArray command = commandRequest(0xF005, 0x3300, 0);
    const QByteArray unknown = wordsRequest(7, 1, 2);

    QTest::newRow("read, 8 bytes") << LineEvents{kRead} << QList<int>{8};
    QTest::newRow("read, byte by byte") << byteByByte(wordsRequest(4, 0, 16)) << QList<int>{8};
    QTest::newRow("write of 2 words, 13 bytes") << LineEvents{write} << QList<int>{13};
    QTest::newRow("write waits for its byte count")
        << LineEvents{write.left(5), write.mid(5, 3), write.mid(8)} << QList<int>{13};
    QTest::newRow("firmware chunk of 64 words, 137 bytes") << LineEvents{chunk} << QList<int>{137};
    QTest::newRow("command, 10 bytes") << LineEvents{command} << QList<int>{10};
    QTest::newRow("two frames back to back") << LineEvents{kRead + command} << QList<int>{8, 10};
    QTest::newRow("bad CRC ignored") << LineEvents{corrupted(kRead), kSilence} << QList<int>{};
    QTest::newRow("other address ignored")
        << LineEvents{wordsRequest(3, 0, 97, 6), kSilence} << QList<int>{};
    QTest::newRow("other address, then ours")
        << LineEvents{wordsRequest(3, 0, 97, 6) + kRead} << QList<int>{8};
    QTest::newRow("garbage before a frame, found by the silence")
        << LineEvents{QByteArray("\x05\x03\xFF\x10", 4) + kRead, kSilence} << QList<int>{8};
    QTest::newRow("bad frame, then a good one, found by the silence")
        << LineEvents{corrupted(kRead) + kRead, kSilence} << QList<int>{8};
    QTest::newRow("bad frame, silence, then a good one")
        << LineEvents{corrupted(kRead), kSilence, kRead} << QList<int>{8};
    QTest::newRow("half a frame dropped at the silence")
        << LineEvents{kRead.left(5), kSilence, kRead} << QList<int>{8};
    QTest::newRow("a frame swallowed by a false byte count is found at the silence")
        << LineEvents{QByteArray("\x05\x10\x00\x00\x00\x01\xF0", 7) + kRead, kSilence}
        << QList<int>{8};
    QTest::newRow("unknown function ends with the silence")
        << LineEvents{unknown, kSilence} << QList<int>{8};
    QTest::newRow("unknown function with bad CRC dropped")
        << LineEvents{corrupted(unknown), kSilence} << QList<int>{};
}

void TstRtuFramer::collectsFrames() {
    QFETCH(LineEvents, events);
    QFETCH(QList<int>, frameLengths);

    RtuFramer framer(5);
    QList<int> lengths;
    for (const QByteArray& event : events) {
        const QList<QByteArray> frames =
            event.isEmpty() ? framer.endOfSilence() : framer.feed(event);
        for (const QByteArray& frame : frames) {
            QCOMPARE(static_cast<uint8_t>(frame[0]), uint8_t{5});
            lengths.append(static_cast<int>(frame.size()));
        }
    }
    QCOMPARE(lengths, frameLengths);
    framer.endOfSilence();
    QVERIFY(!framer.isCollecting());
}

VT12_TEST(TstRtuFramer, TestApplication::Core)
#include "tst_rtu_framer.moc"
