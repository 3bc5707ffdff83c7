// The traffic monitor's ring: bounded, oldest first, and its figures.

#include "link/modbus_client.h"
#include "link/traffic_ring.h"
#include "tests/support/fake_time_base.h"

#include "tests/support/test_registry.h"

#include <QTest>

namespace {
const uint8_t kPoll[] = {0x05, 0x04, 0x00, 0x00, 0x00, 0x10, 0xF0, 0x42};

TModbusResult Answer(uint8_t status, uint16_t dataBytes = 4) {
    TModbusResult result;
    result.Status = status;
    result.FunctionCode = 4;
    result.DataByteCount = dataBytes;
    result.Frame[0] = 0x05;
    result.Frame[1] = status == mrException ? 0x84 : 0x04;
    result.Frame[2] = status == mrException ? 0x02 : uint8_t(dataBytes);
    return result;
}
} // namespace

class TestTrafficRing : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keepsTheNewestWithinItsCapacity() {
        TrafficRing ring;
        for (int i = 0; i < TrafficRing::kCapacity + 10; ++i)
            ring.Sent(uint32_t(i), kPoll, sizeof kPoll);
        QCOMPARE(ring.Size(), TrafficRing::kCapacity);
        QCOMPARE(ring.At(0).atMs, 10u);
        QCOMPARE(ring.At(ring.Size() - 1).atMs, uint32_t(TrafficRing::kCapacity + 9));
        QCOMPARE(ring.Recorded(), uint64_t(TrafficRing::kCapacity + 10));
        ring.Clear();
        QCOMPARE(ring.Size(), 0);
        QCOMPARE(ring.Stats().requests, 0);
    }

    void countsResultsAndRoundTrips() {
        TrafficRing ring;
        const uint8_t statuses[] = {mrOK, mrTimeout, mrException, mrOK};
        const uint32_t roundTrips[] = {20, 500, 30, 10};
        uint32_t now = 1000;
        for (int i = 0; i < 4; ++i) {
            ring.Sent(now, kPoll, sizeof kPoll);
            now += roundTrips[i];
            ring.Answered(now, Answer(statuses[i]));
        }
        const TrafficStats& stats = ring.Stats();
        QCOMPARE(stats.requests, 4);
        QCOMPARE(stats.ok, 2);
        QCOMPARE(stats.timeouts, 1);
        QCOMPARE(stats.exceptions, 1);
        QCOMPARE(stats.minMs, 10);
        QCOMPARE(stats.maxMs, 20);
        QCOMPARE(stats.meanMs, 15.0);
        // The answer's frame is as long as its byte count says; a timeout has none.
        QCOMPARE(ring.At(1).length, uint16_t(9));
        QCOMPARE(ring.At(3).length, uint16_t(0));
        QCOMPARE(ring.At(5).length, uint16_t(5));
    }

    // The monitor opened, or resumed, while a request was out: its answer tells no round trip.
    void answerToAnUnseenRequestHasNoRoundTrip() {
        TrafficRing ring;
        ring.Answered(17000, Answer(mrOK));
        ring.Sent(17100, kPoll, sizeof kPoll);
        ring.Resumed();
        ring.Answered(17130, Answer(mrOK));
        ring.Sent(17200, kPoll, sizeof kPoll);
        ring.Answered(17230, Answer(mrOK));
        QCOMPARE(ring.At(0).roundTripMs, -1);
        QCOMPARE(ring.At(2).roundTripMs, -1);
        const TrafficStats& stats = ring.Stats();
        QCOMPARE(stats.ok, 3);
        QCOMPARE(stats.maxMs, 30);
        QCOMPARE(stats.meanMs, 30.0);
    }

    void savesInTheTraceFormat() {
        TrafficRing ring;
        ring.Sent(7, kPoll, sizeof kPoll);
        ring.Answered(9, Answer(mrException));
        QCOMPARE(TraceText(ring), QByteArray("7.000 TX 05 04 00 00 00 10 F0 42\n"
                                             "9.000 RX 05 84 02 00 00\n"
                                             "9.000 RESULT EXCEPTION 02\n"));
    }

    // As the session records them: an exception answer with the code and frame received.
    void exceptionFromTheClientShowsItsCodeAndFrame() {
        FakeTimeBase time;
        TModbusClient client(time);
        TrafficRing ring;
        client.OnSend = [&](const uint8_t* data, int length) { ring.Sent(1, data, length); };
        client.OnResult = [&](TModbusResult& result) { ring.Answered(2, result); };
        client.ReadInputRegisters(5, 0, 16);
        uint8_t frame[5] = {0x85, 0x84, 0x03};
        const uint16_t crc = TModbusClient::Count_CRC(frame, 3);
        frame[3] = uint8_t(crc);
        frame[4] = uint8_t(crc >> 8);
        client.ReceiveBytes(frame, 5);
        const QByteArray rx =
            QByteArray(reinterpret_cast<const char*>(frame), 5).toHex(' ').toUpper();
        QCOMPARE(TraceText(ring), QByteArray("1.000 TX 05 04 00 00 00 10 F0 42\n2.000 RX ") + rx +
                                      "\n2.000 RESULT EXCEPTION 03\n");
    }
};

VT12_TEST(TestTrafficRing, TestApplication::None)
#include "tst_traffic_ring.moc"
