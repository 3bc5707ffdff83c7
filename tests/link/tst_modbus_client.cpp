// The Modbus client against a fake clock: frames, lengths, timeouts, and one result per request.

#include "link/modbus_client.h"
#include "tests/support/fake_time_base.h"

#include "tests/support/test_registry.h"
#include "tests/support/with_crc.h"

#include <QTest>
#include <random>
#include <vector>

using Bytes = std::vector<uint8_t>;
Q_DECLARE_METATYPE(Bytes)

namespace {
Bytes hex(const char* text) {
    const QByteArray raw = QByteArray::fromHex(QByteArray(text));
    return Bytes(raw.begin(), raw.end());
}

// A read answer of count registers whose data bytes count up from 1.
Bytes readAnswer(uint8_t function, int count) {
    Bytes frame{5, function, static_cast<uint8_t>(2 * count)};
    for (int i = 0; i < 2 * count; ++i)
        frame.push_back(static_cast<uint8_t>(i + 1));
    return WithCrc(frame);
}

struct Recorded {
    uint8_t status;
    uint8_t exceptionCode;
    uint8_t function;
    uint16_t start;
    uint16_t dataByteCount;
    Bytes frame;
};

enum Kind { Read3, Read4, Write16, Command101, Chunk110 };
class TestModbusClient : public QObject {
    Q_OBJECT

    FakeTimeBase time;
    std::unique_ptr<TModbusClient> client;
    std::vector<Bytes> sent;
    std::vector<Recorded> results;
    uint8_t data[256] = {};

    void send(Kind kind, uint16_t count) {
        switch (kind) {
        case Read3:
            client->ReadHoldingRegisters(5, 0x0800, count);
            break;
        case Read4:
            client->ReadInputRegisters(5, 0x0010, count);
            break;
        case Write16:
            client->WriteMultipleRegisters(5, 0x0900, data, count);
            break;
        case Command101:
            client->SendCommand101(5, 0x2000, 0x00AA, 0);
            break;
        case Chunk110:
            client->WriteFirmwareChunk(5, 0x5000, data, count);
            break;
        }
    }
    void feed(const Bytes& bytes) { client->ReceiveBytes(bytes.data(), int(bytes.size())); }

private Q_SLOTS:
    void init() {
        sent.clear();
        results.clear();
        for (int i = 0; i < 256; ++i)
            data[i] = static_cast<uint8_t>(0xA0 + i);
        client = std::make_unique<TModbusClient>(time);
        client->OnSend = [this](const uint8_t* d, int n) { sent.emplace_back(d, d + n); };
        client->OnResult = [this](TModbusResult& r) {
            results.push_back({r.Status, r.ExceptionCode, r.FunctionCode, r.StartAddress,
                               r.DataByteCount, Bytes(r.Frame.begin(), r.Frame.end())});
        };
    }

    void crcOfKnownFrames_data() {
        QTest::addColumn<Bytes>("frame");
        QTest::addColumn<uint16_t>("crc");
        QTest::newRow("read holding") << hex("01030000000A") << uint16_t(0xCDC5);
        QTest::newRow("read input") << hex("010400000001") << uint16_t(0xCA31);
        QTest::newRow("write multiple") << hex("01100001000204000A0102") << uint16_t(0x3092);
    }
    void crcOfKnownFrames() {
        QFETCH(Bytes, frame);
        QFETCH(uint16_t, crc);
        QCOMPARE(TModbusClient::Count_CRC(frame.data(), int(frame.size())), crc);
    }

    void requestFrames_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("count");
        QTest::addColumn<Bytes>("frame");
        QTest::newRow("function 3") << int(Read3) << 124 << hex("050308000 07C47CF");
        QTest::newRow("function 4") << int(Read4) << 16 << WithCrc(hex("050400100010"));
        QTest::newRow("function 16")
            << int(Write16) << 2 << WithCrc(hex("0510090000020 4A0A1A2A3"));
        QTest::newRow("function 101") << int(Command101) << 0 << WithCrc(hex("05652000 00AA0000"));
        QTest::newRow("function 110") << int(Chunk110) << 1 << WithCrc(hex("056E500000010 2A0A1"));
    }
    void requestFrames() {
        QFETCH(int, kind);
        QFETCH(int, count);
        QFETCH(Bytes, frame);
        send(Kind(kind), uint16_t(count));
        QCOMPARE(sent.size(), size_t(1));
        QCOMPARE(sent[0], frame);
    }

    void lengthsAndTimeouts_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("expectedLength");
        QTest::addColumn<int>("timeout");
        QTest::newRow("3 x 124") << int(Read3) << 124 << 253 << 624;
        QTest::newRow("3 x 1") << int(Read3) << 1 << 7 << 501;
        QTest::newRow("4 x 97") << int(Read4) << 97 << 199 << 500;
        QTest::newRow("16 x 120") << int(Write16) << 120 << 8 << 600;
        QTest::newRow("101") << int(Command101) << 0 << 31 << 500;
        QTest::newRow("110 x 64") << int(Chunk110) << 64 << 8 << 700;
    }
    void lengthsAndTimeouts() {
        QFETCH(int, kind);
        QFETCH(int, count);
        QFETCH(int, expectedLength);
        QFETCH(int, timeout);
        send(Kind(kind), uint16_t(count));
        QCOMPARE(client->ExpectedLength(), expectedLength);
        QCOMPARE(client->TimeoutInterval(), timeout);
        time.Advance(uint32_t(timeout - 1));
        QVERIFY(results.empty());
        QVERIFY(client->IsBusy());
        time.Advance(1);
        QCOMPARE(results.size(), size_t(1));
        QCOMPARE(results[0].status, uint8_t(mrTimeout));
        QVERIFY(!client->IsBusy());
        // The allowance of one request does not carry over to the next.
        send(Read4, 1);
        QCOMPARE(client->TimeoutInterval(), 500);
    }

    void answers_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("count");
        QTest::addColumn<Bytes>("answer");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("exceptionCode");
        const Bytes read = readAnswer(3, 97);
        Bytes corrupt = read;
        corrupt[10] ^= 0x01;
        const Bytes exception = WithCrc(hex("058302"));
        Bytes badException = exception;
        badException[4] ^= 0xFF;
        QTest::newRow("read ok") << int(Read3) << 97 << read << int(mrOK) << 0;
        QTest::newRow("read crc error") << int(Read3) << 97 << corrupt << int(mrBadFrame) << 0;
        QTest::newRow("exception") << int(Read3) << 97 << exception << int(mrException) << 2;
        QTest::newRow("exception crc error")
            << int(Read3) << 97 << badException << int(mrBadFrame) << 0;
        QTest::newRow("other address accepted")
            << int(Read4) << 1 << WithCrc(hex("85040212 34")) << int(mrOK) << 0;
        QTest::newRow("write echo")
            << int(Write16) << 2 << WithCrc(hex("051009000002")) << int(mrOK) << 0;
        QTest::newRow("command of 10 bytes")
            << int(Command101) << 0 << WithCrc(hex("05650A00010203040506070809")) << int(mrOK) << 0;
        QTest::newRow("chunk echo")
            << int(Chunk110) << 64 << WithCrc(hex("056E50000040")) << int(mrOK) << 0;
    }
    void answers() {
        QFETCH(int, kind);
        QFETCH(int, count);
        QFETCH(Bytes, answer);
        QFETCH(int, status);
        QFETCH(int, exceptionCode);
        send(Kind(kind), uint16_t(count));
        feed(answer);
        QCOMPARE(results.size(), size_t(1));
        QCOMPARE(int(results[0].status), status);
        if (status == mrException)
            QCOMPARE(int(results[0].exceptionCode), exceptionCode);
        const Bytes frame(results[0].frame.begin(), results[0].frame.begin() + answer.size());
        // An exception answer keeps its frame for the traffic monitor.
        QCOMPARE(frame == answer, status == mrOK || status == mrException);
        time.Advance(2000);
        QCOMPARE(results.size(), size_t(1));
    }

    void resultRecordCopiesTheRequest() {
        client->WriteMultipleRegisters(5, 0x0902, data, 3);
        feed(WithCrc(hex("051009020003")));
        QCOMPARE(results.size(), size_t(1));
        QCOMPARE(results[0].function, uint8_t(16));
        QCOMPARE(results[0].start, uint16_t(0x0902));
        QCOMPARE(results[0].dataByteCount, uint16_t(6));
    }

    void chunksRestartTheTimeout() {
        send(Read3, 124);
        const Bytes answer = readAnswer(3, 124);
        QCOMPARE(answer.size(), size_t(253));
        size_t at = 0;
        for (size_t piece : {64, 64, 64, 61}) {
            time.Advance(600);
            feed(Bytes(answer.begin() + long(at), answer.begin() + long(at + piece)));
            at += piece;
            if (at < answer.size())
                QVERIFY(results.empty());
        }
        QCOMPARE(results.size(), size_t(1));
        QCOMPARE(results[0].status, uint8_t(mrOK));
    }

    void answerStoppingHalfWayTimesOutFromItsLastChunk() {
        send(Read4, 10);
        time.Advance(400);
        const Bytes answer = readAnswer(4, 10);
        feed(Bytes(answer.begin(), answer.begin() + 7));
        time.Advance(499);
        QVERIFY(results.empty());
        time.Advance(1);
        QCOMPARE(results.size(), size_t(1));
        QCOMPARE(results[0].status, uint8_t(mrTimeout));
    }

    void overflowEndsAtOnce() {
        send(Command101, 0);
        feed(hex("0565FF"));
        const Bytes filler(253, 0x11);
        feed(filler);
        QVERIFY(results.empty());
        feed(Bytes{0x22});
        QCOMPARE(results.size(), size_t(1));
        QCOMPARE(results[0].status, uint8_t(mrBadFrame));
    }

    void exceptionAfterAnOverlongCommandLength() {
        // Byte 2 announces 260 bytes; the exception check must not read past the buffer.
        send(Command101, 0);
        feed(hex("05E5FF"));
        feed(hex("1234"));
        QCOMPARE(results.size(), size_t(1));
        QCOMPARE(results[0].status, uint8_t(mrBadFrame));
    }

    void refusedRequestsSendNothing_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("count");
        QTest::newRow("write 248") << int(Write16) << 248;
        QTest::newRow("write 124") << int(Write16) << 124;
        QTest::newRow("chunk 124") << int(Chunk110) << 124;
        QTest::newRow("read 126") << int(Read3) << 126;
        QTest::newRow("read input 126") << int(Read4) << 126;
    }
    void refusedRequestsSendNothing() {
        QFETCH(int, kind);
        QFETCH(int, count);
        send(Kind(kind), uint16_t(count));
        QVERIFY(sent.empty());
        QVERIFY(!client->IsBusy());
        time.Advance(5000);
        QVERIFY(results.empty());
    }

    void requestWhileBusyIsDropped() {
        send(Read4, 2);
        send(Read3, 5);
        send(Command101, 0);
        QCOMPARE(sent.size(), size_t(1));
        feed(readAnswer(4, 2));
        QCOMPARE(results.size(), size_t(1));
        QCOMPARE(results[0].function, uint8_t(4));
        time.Advance(5000);
        QCOMPARE(results.size(), size_t(1));
    }

    void frameIsZeroAfterTheResult() {
        TModbusResult* seen = nullptr;
        client->OnResult = [&](TModbusResult& r) { seen = &r; };
        send(Read4, 4);
        feed(readAnswer(4, 4));
        QVERIFY(seen);
        QVERIFY(std::all_of(seen->Frame.begin(), seen->Frame.end(), [](uint8_t b) { return !b; }));
        QCOMPARE(seen->Status, uint8_t(mrNone));
    }

    void lateAnswerWhileIdleIsDiscarded_data() {
        QTest::addColumn<Bytes>("late");
        QTest::newRow("whole answer") << readAnswer(4, 1);
        QTest::newRow("its first bytes") << hex("0504");
    }
    void lateAnswerWhileIdleIsDiscarded() {
        QFETCH(Bytes, late);
        send(Read4, 1);
        time.Advance(500);
        QCOMPARE(results.size(), size_t(1));
        feed(late);
        QVERIFY(!client->IsBusy());
        time.Advance(5000);
        QCOMPARE(results.size(), size_t(1));
        // Nothing of it is collected against the next request.
        send(Read4, 1);
        const Bytes answer = WithCrc(hex("05040277 88"));
        feed(answer);
        // After a timeout an answer waits for a quiet line.
        time.Advance(50);
        QCOMPARE(results.size(), size_t(2));
        QCOMPARE(results[1].status, uint8_t(mrOK));
        QVERIFY(std::equal(answer.begin(), answer.end(), results[1].frame.begin()));
    }

    // An answer that cannot be the one to the request in flight, arriving in the pieces a
    // serial driver hands over, is one bad frame once the line is quiet; the request's own
    // answer then goes through.
    void answerToAnotherRequestIsABadFrame_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("count");
        QTest::addColumn<Bytes>("foreign");
        QTest::newRow("input registers for holding") << int(Read3) << 16 << readAnswer(4, 16);
        QTest::newRow("holding registers for input") << int(Read4) << 16 << readAnswer(3, 16);
        QTest::newRow("another byte count") << int(Read4) << 16 << readAnswer(4, 32);
        QTest::newRow("97 registers for 14") << int(Read3) << 14 << readAnswer(3, 97);
        QTest::newRow("exception of another function")
            << int(Read3) << 97 << WithCrc(hex("058402"));
        QTest::newRow("write echo for a read") << int(Read4) << 16 << WithCrc(hex("051009000002"));
        QTest::newRow("read for a command") << int(Command101) << 0 << readAnswer(4, 16);
        QTest::newRow("write echo of another start")
            << int(Write16) << 2 << WithCrc(hex("051009100002"));
        QTest::newRow("chunk echo for a write")
            << int(Write16) << 2 << WithCrc(hex("056E50000040"));
        QTest::newRow("slave indication, another count")
            << int(Read4) << 16 << WithCrc(hex("85040212 34"));
    }
    void answerToAnotherRequestIsABadFrame() {
        QFETCH(int, kind);
        QFETCH(int, count);
        QFETCH(Bytes, foreign);
        send(Kind(kind), uint16_t(count));
        time.Advance(10);
        for (size_t at = 0; at < foreign.size(); at += 12) {
            const size_t end = std::min(at + 12, foreign.size());
            feed(Bytes(foreign.begin() + long(at), foreign.begin() + long(end)));
            time.Advance(7);
        }
        QVERIFY(results.empty());
        time.Advance(400);
        QCOMPARE(results.size(), size_t(1));
        QCOMPARE(results[0].status, uint8_t(mrBadFrame));
        QVERIFY(std::all_of(results[0].frame.begin(), results[0].frame.end(),
                            [](uint8_t b) { return !b; }));
        QVERIFY(!client->IsBusy());

        send(Kind(kind), uint16_t(count));
        const Bytes own = kind == Read3     ? readAnswer(3, count)
                          : kind == Read4   ? readAnswer(4, count)
                          : kind == Write16 ? WithCrc(hex("051009000002"))
                                            : WithCrc(hex("05650A00010203040506070809"));
        feed(own);
        time.Advance(50);
        QCOMPARE(results.size(), size_t(2));
        QCOMPARE(results[1].status, uint8_t(mrOK));
    }

    void answerToAnotherRequestTakesItsTailAlong() {
        send(Read4, 16);
        feed(Bytes{5, 3, 194});
        // The tail keeps coming; none of it ends the request before the line is quiet, or
        // until the request's timeout has passed.
        for (int i = 0; i < 15; ++i) {
            time.Advance(30);
            feed(Bytes{0x04, 0x01, 0x20});
            QVERIFY(results.empty());
        }
        time.Advance(500);
        QCOMPARE(results.size(), size_t(1));
        QCOMPARE(results[0].status, uint8_t(mrBadFrame));
    }

    // Answers queued up behind a frozen controller come back to back, far more than one
    // answer's buffer; they are all drained, and a line that never falls quiet still ends
    // the request.
    void queueOfForeignAnswersIsDrained_data() {
        QTest::addColumn<int>("answers");
        QTest::addColumn<bool>("quietAtTheEnd");
        QTest::newRow("twenty, then quiet") << 20 << true;
        QTest::newRow("endless") << 400 << false;
    }
    void queueOfForeignAnswersIsDrained() {
        QFETCH(int, answers);
        QFETCH(bool, quietAtTheEnd);
        send(Read3, 124);
        const Bytes foreign = readAnswer(4, 16);
        int fed = 0;
        for (; fed < answers && results.empty(); ++fed) {
            feed(foreign);
            time.Advance(21);
        }
        QCOMPARE(results.empty(), quietAtTheEnd);
        time.Advance(100);
        QCOMPARE(results.size(), size_t(1));
        QCOMPARE(results[0].status, uint8_t(mrBadFrame));
        if (!quietAtTheEnd)
            QVERIFY(fed < answers);
    }

    // An answer the unit still owed to the request before, or a copy of the last one, arrives
    // while the next request is out; answers come in order, so the request's own follows it.
    void answerOwedToAnEarlierRequestIsNotTaken_data() {
        QTest::addColumn<bool>("firstAnswered");
        QTest::addColumn<int>("secondStart");
        QTest::addColumn<bool>("owedArrives");
        QTest::addColumn<bool>("ownFollows");
        QTest::addColumn<bool>("oneChunk");
        QTest::addColumn<bool>("ownTaken");
        QTest::addColumn<int>("quietMs");
        QTest::newRow("copy of the last answer, then the own")
            << true << 0x0900 << true << true << false << true << 0;
        QTest::newRow("both in one chunk") << true << 0x0900 << true << true << true << true << 0;
        QTest::newRow("late answer after a timeout, then the own")
            << false << 0x0800 << true << true << false << true << 50;
        QTest::newRow("after a timeout the own answer waits for quiet")
            << false << 0x0800 << false << true << false << true << 50;
        QTest::newRow("the same answer to the same request at once")
            << true << 0x0800 << true << false << false << false << 0;
    }
    void answerOwedToAnEarlierRequestIsNotTaken() {
        QFETCH(bool, firstAnswered);
        QFETCH(int, secondStart);
        QFETCH(bool, owedArrives);
        QFETCH(bool, ownFollows);
        QFETCH(bool, oneChunk);
        QFETCH(bool, ownTaken);
        QFETCH(int, quietMs);
        const Bytes owed = readAnswer(3, 4);
        const Bytes own = WithCrc(hex("050308 1112131415161718"));
        client->ReadHoldingRegisters(5, 0x0800, 4);
        if (firstAnswered)
            feed(owed);
        else
            time.Advance(600);
        results.clear();

        client->ReadHoldingRegisters(5, uint16_t(secondStart), 4);
        time.Advance(5);
        std::vector<Bytes> chunks;
        if (owedArrives)
            chunks.push_back(owed);
        if (ownFollows)
            chunks.push_back(own);
        if (oneChunk) {
            Bytes joined = owed;
            joined.insert(joined.end(), own.begin(), own.end());
            chunks = {joined};
        }
        for (const Bytes& chunk : chunks) {
            feed(chunk);
            time.Advance(3);
        }
        if (quietMs > 0) {
            QVERIFY(results.empty());
            time.Advance(uint32_t(quietMs));
        }
        QCOMPARE(results.size(), size_t(1));
        QCOMPARE(results[0].status, uint8_t(mrOK));
        const Bytes& taken = ownTaken ? own : owed;
        QVERIFY(std::equal(taken.begin(), taken.end(), results[0].frame.begin()));
    }

    // Taken for a copy first: the request times out, and its retry takes the answer.
    void twoBlocksHoldingTheSameCostOneTimeout() {
        const Bytes same = readAnswer(3, 4);
        client->ReadHoldingRegisters(5, 0x0800, 4);
        feed(same);
        client->ReadHoldingRegisters(5, 0x0900, 4);
        feed(same);
        time.Advance(503);
        QCOMPARE(results.size(), size_t(1));
        time.Advance(1);
        QCOMPARE(results.size(), size_t(2));
        QCOMPARE(results[1].status, uint8_t(mrTimeout));
        client->ReadHoldingRegisters(5, 0x0900, 4);
        feed(same);
        time.Advance(50);
        QCOMPARE(results.size(), size_t(3));
        QCOMPARE(results[2].status, uint8_t(mrOK));
    }

    // A unit answering in the order of the requests, each answer its latency after the request
    // (some later still, some lost), asked in turn for two blocks whose answers look alike:
    // every answer taken belongs to its request, and the link stays usable.
    void lateUnitsAnswersBelongToTheirRequests_data() {
        QTest::addColumn<int>("latencyMs");
        QTest::addColumn<int>("latePercent");
        QTest::addColumn<int>("lostPercent");
        QTest::newRow("prompt") << 20 << 0 << 0;
        QTest::newRow("prompt, some 800-1100 ms late") << 20 << 20 << 0;
        QTest::newRow("prompt, some late, some lost") << 20 << 10 << 10;
        QTest::newRow("700 ms") << 700 << 0 << 0;
        QTest::newRow("1 s") << 1000 << 0 << 0;
        QTest::newRow("1 s, some lost") << 1000 << 0 << 10;
        QTest::newRow("2 s") << 2000 << 0 << 0;
        QTest::newRow("2 s, some late, some lost") << 2000 << 10 << 10;
        QTest::newRow("3 s") << 3000 << 0 << 0;
    }
    void lateUnitsAnswersBelongToTheirRequests() {
        QFETCH(int, latencyMs);
        QFETCH(int, latePercent);
        QFETCH(int, lostPercent);
        for (uint32_t seed = 1; seed <= 5; ++seed) {
            std::mt19937 random(seed);
            struct Pending {
                uint32_t due;
                Bytes answer;
            };
            std::vector<Pending> line;
            uint32_t lastDue = 0;
            size_t sentBefore = sent.size();
            client->OnSend = [&](const uint8_t* d, int n) {
                sent.emplace_back(d, d + n);
                if (int(random() % 100) < lostPercent)
                    return;
                // The data tell the block: its start address, then the 16 registers.
                Bytes frame{5, 4, 32, d[2], d[3]};
                frame.resize(35, d[3]);
                uint32_t due = time.TickMs() + uint32_t(latencyMs);
                if (int(random() % 100) < latePercent)
                    due += 800 + random() % 300;
                lastDue = std::max(lastDue, due);
                line.push_back({lastDue, WithCrc(frame)});
            };
            results.clear();
            const int requests = 120;
            int asked = 0;
            bool waiting = false;
            int ok = 0;
            while (asked < requests || waiting) {
                if (!waiting && asked < requests) {
                    client->ReadInputRegisters(5, random() % 2 ? 0x0050 : 0x0000, 16);
                    waiting = true;
                    ++asked;
                }
                const size_t before = results.size();
                time.Advance(5);
                while (!line.empty() && line.front().due <= time.TickMs()) {
                    feed(line.front().answer);
                    line.erase(line.begin());
                }
                if (results.size() == before)
                    continue;
                QCOMPARE(results.size(), before + 1);
                waiting = false;
                const Recorded& r = results.back();
                if (r.status != mrOK)
                    continue;
                ++ok;
                const uint16_t block = uint16_t(r.frame[3] << 8 | r.frame[4]);
                QCOMPARE(block, r.start);
            }
            QVERIFY(sent.size() - sentBefore <= size_t(requests));
            // Usable: far more answers taken than missed once the unit's pace is known.
            QVERIFY2(ok * 100 >= requests * (80 - latePercent - 2 * lostPercent),
                     qPrintable(QStringLiteral("%1 of %2 answered").arg(ok).arg(requests)));
            init();
        }
    }

    // A slow unit that turns fast again: the timeout follows it back to normal.
    void timeoutFollowsTheUnitsPace() {
        client->ReadInputRegisters(5, 0, 16);
        time.Advance(500);
        // The answer comes 800 ms after the request while the retry is out.
        client->ReadInputRegisters(5, 0, 16);
        time.Advance(300);
        feed(readAnswer(4, 16));
        time.Advance(50);
        QCOMPARE(results.size(), size_t(2));
        QCOMPARE(results[1].status, uint8_t(mrOK));
        client->ReadInputRegisters(5, 0, 16);
        QVERIFY(client->TimeoutInterval() >= 1200);
        QVERIFY(client->TimeoutInterval() <= int(OwedAnswers::kLatestAnswerMs));
        int answers = 0;
        while (client->TimeoutInterval() > TModbusClient::kBaseTimeoutMs) {
            QVERIFY(++answers < 30);
            time.Advance(20);
            feed(readAnswer(4, 16));
            time.Advance(60);
            client->ReadInputRegisters(5, 0, 16);
        }
        QCOMPARE(client->TimeoutInterval(), TModbusClient::kBaseTimeoutMs);
    }

    // Over a network the first request waits the network timeout; then the timeout follows the
    // round trip, never beyond that timeout, and a steady link never times out.
    void networkTimeoutFollowsTheRoundTrip() {
        std::mt19937 random(27);
        for (int run = 0; run < 20; ++run) {
            init();
            client->SetNetworkTimeout(TModbusClient::kDefaultNetworkTimeoutMs);
            const int roundTrip = 20 + int(random() % 1000);
            for (int i = 0; i < 30; ++i) {
                client->ReadInputRegisters(5, 0, 16);
                if (i == 0)
                    QCOMPARE(client->TimeoutInterval(), TModbusClient::kDefaultNetworkTimeoutMs);
                QVERIFY(client->TimeoutInterval() >= TModbusClient::kBaseTimeoutMs);
                QVERIFY(client->TimeoutInterval() <= TModbusClient::kDefaultNetworkTimeoutMs);
                time.Advance(uint32_t(roundTrip + int(random() % uint32_t(roundTrip / 5 + 1))));
                feed(readAnswer(4, 16));
                QCOMPARE(results.size(), size_t(i + 1));
                QCOMPARE(results.back().status, uint8_t(mrOK));
            }
        }
    }

    // Exception answers keep their frame for whoever shows the traffic.
    void exceptionKeepsItsFrame() {
        send(Read3, 97);
        const Bytes exception = WithCrc(hex("858302"));
        feed(exception);
        QCOMPARE(results.size(), size_t(1));
        QCOMPARE(results[0].status, uint8_t(mrException));
        QVERIFY(std::equal(exception.begin(), exception.end(), results[0].frame.begin()));
    }

    void noOnSendStillTimesOut() {
        client->OnSend = nullptr;
        send(Read4, 1);
        time.Advance(500);
        QCOMPARE(results.size(), size_t(1));
        QCOMPARE(results[0].status, uint8_t(mrTimeout));
    }

    void failingSendLeavesTheClientIdle() {
        client->OnSend = [](const uint8_t*, int) { throw std::runtime_error("refused"); };
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, send(Read3, 50));
        QVERIFY(!client->IsBusy());
        client->OnSend = nullptr;
        send(Read3, 1);
        QCOMPARE(client->TimeoutInterval(), 501);
    }
};
} // namespace

VT12_TEST(TestModbusClient, TestApplication::Core)
#include "tst_modbus_client.moc"
