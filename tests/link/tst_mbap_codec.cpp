#include "link/mbap_codec.h"
#include "link/modbus_client.h"
#include "tests/support/test_registry.h"

#include <QRandomGenerator>
#include <QTest>
#include <vector>

namespace {
using Bytes = std::vector<uint8_t>;

Bytes RandomRtu(QRandomGenerator& random) {
    Bytes frame(1 + 1 + random.bounded(mbap::kLongestPdu));
    for (uint8_t& byte : frame)
        byte = static_cast<uint8_t>(random.bounded(256));
    frame[0] = 5;
    const uint16_t crc = TModbusClient::Count_CRC(frame.data(), static_cast<int>(frame.size()));
    frame.push_back(static_cast<uint8_t>(crc));
    frame.push_back(static_cast<uint8_t>(crc >> 8));
    return frame;
}
} // namespace

class TestMbapCodec : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Any RTU frame survives the way to a gateway and back, whatever pieces the stream
    // arrives in, with its transaction id.
    void framesSurviveAnyStreamPieces() {
        QRandomGenerator random(27);
        for (int round = 0; round < 200; ++round) {
            std::vector<Bytes> sent;
            Bytes stream;
            const int count = 1 + random.bounded(5);
            for (int i = 0; i < count; ++i) {
                sent.push_back(RandomRtu(random));
                uint8_t frame[mbap::kLongestFrame];
                const int length =
                    mbap::RtuToMbap(sent.back().data(), static_cast<int>(sent.back().size()),
                                    static_cast<uint16_t>(round * 8 + i), frame);
                QCOMPARE(length, static_cast<int>(sent.back().size()) - 2 + 6);
                QCOMPARE(frame[6], 5);
                stream.insert(stream.end(), frame, frame + length);
            }
            mbap::Assembler assembler;
            std::vector<Bytes> received;
            for (size_t at = 0; at < stream.size();) {
                const int piece =
                    std::min<int>(1 + random.bounded(40), static_cast<int>(stream.size() - at));
                for (int taken = 0; taken < piece;) {
                    taken += assembler.Append(stream.data() + at + taken, piece - taken);
                    while (assembler.Next() == mbap::Assembler::Step::Frame) {
                        QCOMPARE(mbap::Transaction(assembler.Front()),
                                 static_cast<uint16_t>(round * 8 + int(received.size())));
                        uint8_t rtu[mbap::kLongestRtu];
                        const int length =
                            mbap::MbapToRtu(assembler.Front(), assembler.FrontLength(), rtu);
                        received.emplace_back(rtu, rtu + length);
                        assembler.Pop();
                    }
                }
                at += static_cast<size_t>(piece);
            }
            QCOMPARE(received, sent);
        }
    }

    // What cannot be framed is refused rather than sent or passed on half.
    void refusesWhatCannotBeFramed_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("frameLength");
        QTest::newRow("header incomplete") << QByteArray::fromHex("0001000000") << 0;
        QTest::newRow("protocol not 0") << QByteArray::fromHex("00010001000605") << -1;
        QTest::newRow("length 0") << QByteArray::fromHex("00010000000005") << -1;
        QTest::newRow("length 1") << QByteArray::fromHex("00010000000105") << -1;
        QTest::newRow("too long") << QByteArray::fromHex("00010000010005") << -1;
        QTest::newRow("longest") << QByteArray::fromHex("0001000000FE05") << 260;
    }
    void refusesWhatCannotBeFramed() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, frameLength);
        QCOMPARE(mbap::FrameLength(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                   static_cast<int>(bytes.size())),
                 frameLength);
    }

    void aBadCrcOrSizeIsNotSent() {
        QRandomGenerator random(5);
        Bytes frame = RandomRtu(random);
        uint8_t out[mbap::kLongestFrame];
        frame.back() ^= 1;
        QCOMPARE(mbap::RtuToMbap(frame.data(), static_cast<int>(frame.size()), 1, out), 0);
        QCOMPARE(mbap::RtuToMbap(frame.data(), 3, 1, out), 0);
    }

    // A stream out of step is dropped whole; the next frame starts afresh.
    void garbageClearsTheStream() {
        mbap::Assembler assembler;
        const QByteArray garbage = QByteArray::fromHex("FFFFFFFFFFFFFFFF");
        assembler.Append(reinterpret_cast<const uint8_t*>(garbage.constData()),
                         static_cast<int>(garbage.size()));
        QCOMPARE(assembler.Next(), mbap::Assembler::Step::Garbage);
        const QByteArray good = QByteArray::fromHex("0007000000030583FF");
        assembler.Append(reinterpret_cast<const uint8_t*>(good.constData()),
                         static_cast<int>(good.size()));
        QCOMPARE(assembler.Next(), mbap::Assembler::Step::Frame);
        QCOMPARE(assembler.FrontLength(), 9);
        QCOMPARE(mbap::Transaction(assembler.Front()), 7);
    }
};

VT12_TEST(TestMbapCodec, TestApplication::Core)
#include "tst_mbap_codec.moc"
