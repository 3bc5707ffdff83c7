// The RTU codec against a model of the unit: seeded random requests, the answers the unit gives
// them, and every way one byte of such an answer can go wrong.

#include "link/rtu_codec.h"
#include "tests/support/test_registry.h"

#include <QRandomGenerator>
#include <QTest>
#include <vector>

namespace {
using Bytes = std::vector<uint8_t>;

struct Request {
    uint8_t function = 0;
    uint8_t slave = 5;
    uint16_t start = 0;
    // Registers, or for a command its third word.
    uint16_t count = 0;
    uint16_t b = 0;
    Bytes data;
};

Request RandomRequest(uint8_t function, QRandomGenerator& random) {
    Request request;
    request.function = function;
    request.slave = static_cast<uint8_t>(random.bounded(256));
    request.start = static_cast<uint16_t>(random.bounded(0x10000));
    request.b = static_cast<uint16_t>(random.bounded(0x10000));
    switch (function) {
    case rtu::kReadHolding:
    case rtu::kReadInput:
        request.count = static_cast<uint16_t>(random.bounded(rtu::kMaxReadRegisters + 1));
        break;
    case rtu::kCommand:
        request.count = static_cast<uint16_t>(random.bounded(0x10000));
        break;
    default:
        request.count = static_cast<uint16_t>(random.bounded(rtu::kMaxWriteRegisters + 1));
        request.data.resize(2u * request.count);
        for (uint8_t& byte : request.data)
            byte = static_cast<uint8_t>(random.bounded(256));
    }
    return request;
}

int Build(const Request& request, rtu::Frame& out) {
    switch (request.function) {
    case rtu::kReadHolding:
    case rtu::kReadInput:
        return rtu::BuildRead(request.function, request.slave, request.start, request.count, out);
    case rtu::kCommand:
        return rtu::BuildCommand(request.slave, request.start, request.b, request.count, out);
    default:
        return rtu::BuildWrite(request.function, request.slave, request.start, request.data.data(),
                               request.count, out);
    }
}

void AppendCrc(Bytes& frame) {
    const uint16_t crc = rtu::Count_CRC(frame.data(), static_cast<int>(frame.size()));
    frame.push_back(static_cast<uint8_t>(crc));
    frame.push_back(static_cast<uint8_t>(crc >> 8));
}

Bytes Word(uint16_t word) {
    return {static_cast<uint8_t>(word >> 8), static_cast<uint8_t>(word)};
}

// The frame as the unit puts it on the line.
Bytes ExpectedFrame(const Request& request) {
    Bytes frame{request.slave, request.function};
    for (uint16_t word :
         {request.start, request.function == rtu::kCommand ? request.b : request.count})
        for (uint8_t byte : Word(word))
            frame.push_back(byte);
    if (request.function == rtu::kCommand) {
        for (uint8_t byte : Word(request.count))
            frame.push_back(byte);
    } else if (request.function == rtu::kWriteMultiple || request.function == rtu::kFirmwareChunk) {
        frame.push_back(static_cast<uint8_t>(request.data.size()));
        frame.insert(frame.end(), request.data.begin(), request.data.end());
    }
    AppendCrc(frame);
    return frame;
}

// The unit's answer; its address byte may carry the flag of a linked slave unit.
Bytes UnitAnswer(const Request& request, bool exception, QRandomGenerator& random) {
    const uint8_t address = static_cast<uint8_t>(request.slave | (random.bounded(2) ? 0x80 : 0));
    Bytes answer{address, request.function};
    if (exception) {
        answer[1] |= rtu::kExceptionFlag;
        answer.push_back(static_cast<uint8_t>(1 + random.bounded(11)));
    } else if (request.function == rtu::kReadHolding || request.function == rtu::kReadInput ||
               request.function == rtu::kCommand) {
        const int bytes = request.function == rtu::kCommand ? random.bounded(kModbusBufferSize - 4)
                                                            : 2 * request.count;
        answer.push_back(static_cast<uint8_t>(bytes));
        for (int i = 0; i < bytes; ++i)
            answer.push_back(static_cast<uint8_t>(random.bounded(256)));
    } else {
        for (uint16_t word : {request.start, request.count})
            for (uint8_t byte : Word(word))
                answer.push_back(byte);
    }
    AppendCrc(answer);
    return answer;
}

// The answer handed over in random pieces, checked after each as the client does; the
// verdict of the last check, or the first that is not Partial.
rtu::AnswerCheck Feed(const rtu::Frame& request, const Request& asked, const Bytes& answer,
                      QRandomGenerator& random, int* checkedAt = nullptr) {
    rtu::Frame buffer{};
    rtu::AnswerCheck check{rtu::Verdict::Partial,
                           rtu::ExpectedAnswerLength(asked.function, asked.count)};
    int count = 0;
    while (count < static_cast<int>(answer.size())) {
        const int piece = std::min(1 + random.bounded(40), static_cast<int>(answer.size()) - count);
        std::copy_n(answer.begin() + count, piece, buffer.begin() + count);
        count += piece;
        check = rtu::CheckAnswer(request, buffer, count, check.length);
        if (check.verdict != rtu::Verdict::Partial)
            break;
    }
    if (checkedAt)
        *checkedAt = count;
    return check;
}

const uint8_t kFunctions[] = {rtu::kReadHolding, rtu::kReadInput, rtu::kWriteMultiple,
                              rtu::kCommand, rtu::kFirmwareChunk};
} // namespace

class TestRtuCodec : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void requestsAndTheirAnswers_data() {
        QTest::addColumn<int>("function");
        for (uint8_t function : kFunctions)
            QTest::addRow("function %d", function) << int(function);
    }
    // The frame holds the request, its answer is taken whole in any pieces and exactly when its
    // last byte is in, and no answer with one byte changed is taken.
    void requestsAndTheirAnswers() {
        QFETCH(int, function);
        QRandomGenerator random(static_cast<quint32>(function));
        for (int round = 0; round < 300; ++round) {
            const Request asked = RandomRequest(static_cast<uint8_t>(function), random);
            rtu::Frame request{};
            const int length = Build(asked, request);
            const Bytes expected = ExpectedFrame(asked);
            QCOMPARE(Bytes(request.begin(), request.begin() + length), expected);
            QCOMPARE(rtu::Count_CRC(request.data(), length), uint16_t(0));

            const bool exception = random.bounded(4) == 0;
            const Bytes answer = UnitAnswer(asked, exception, random);
            int checkedAt = 0;
            const rtu::AnswerCheck check = Feed(request, asked, answer, random, &checkedAt);
            QCOMPARE(check.verdict, exception ? rtu::Verdict::Exception : rtu::Verdict::Confirmed);
            QCOMPARE(checkedAt, int(answer.size()));
            if (!exception)
                QCOMPARE(int(check.length), int(answer.size()));
            if (!exception && function != rtu::kCommand)
                QCOMPARE(rtu::ExpectedAnswerLength(asked.function, asked.count),
                         uint16_t(answer.size()));

            for (size_t at = 0; at < answer.size(); ++at) {
                Bytes corrupt = answer;
                corrupt[at] ^= static_cast<uint8_t>(1 + random.bounded(255));
                const rtu::Verdict verdict = Feed(request, asked, corrupt, random).verdict;
                QVERIFY2(verdict != rtu::Verdict::Confirmed && verdict != rtu::Verdict::Exception,
                         qPrintable(QStringLiteral("byte %1 of %2").arg(at).arg(answer.size())));
            }
        }
    }

    // An answer to a request that asked for something else is told apart by its function,
    // byte count or echo, before the end of it comes in.
    void answersToOtherRequestsAreForeign() {
        QRandomGenerator random(11);
        for (int round = 0; round < 2000; ++round) {
            const Request asked =
                RandomRequest(kFunctions[random.bounded(int(std::size(kFunctions)))], random);
            Request other =
                RandomRequest(kFunctions[random.bounded(int(std::size(kFunctions)))], random);
            other.slave = asked.slave;
            const bool exception = random.bounded(4) == 0;
            const bool read =
                asked.function == rtu::kReadHolding || asked.function == rtu::kReadInput;
            const bool write = !read && asked.function != rtu::kCommand;
            // An exception answer or a command's answer tells nothing of the request beyond
            // its function.
            const bool alike =
                other.function == asked.function &&
                (exception || asked.function == rtu::kCommand ||
                 (read && other.count == asked.count) ||
                 (write && other.start == asked.start && other.count == asked.count));
            if (alike)
                continue;
            rtu::Frame request{};
            Build(asked, request);
            const Bytes answer = UnitAnswer(other, exception, random);
            QCOMPARE(Feed(request, asked, answer, random).verdict, rtu::Verdict::Foreign);
            const size_t header = std::min<size_t>(answer.size(), 6);
            QVERIFY(!rtu::MayAnswer(request, std::span(answer.data(), header)));
        }
    }

    // A frame followed by its CRC and any zeros still checks, which exception answers checked
    // against a longer expected length rely on; a changed byte never does.
    void crcHoldsBehindZerosAndCatchesEveryChangedByte() {
        QRandomGenerator random(3);
        for (int round = 0; round < 500; ++round) {
            Bytes frame(static_cast<size_t>(1 + random.bounded(200)));
            for (uint8_t& byte : frame)
                byte = static_cast<uint8_t>(random.bounded(256));
            AppendCrc(frame);
            rtu::Frame buffer{};
            std::copy(frame.begin(), frame.end(), buffer.begin());
            const int length = static_cast<int>(frame.size());
            const int padded = length + random.bounded(kModbusBufferSize - length + 1);
            QVERIFY(rtu::CrcMatches(buffer, length));
            QVERIFY(rtu::CrcMatches(buffer, padded));
            QVERIFY(!rtu::CrcMatches(buffer, kModbusBufferSize + 1));
            const size_t at = static_cast<size_t>(random.bounded(length));
            buffer[at] ^= static_cast<uint8_t>(1 + random.bounded(255));
            QVERIFY(!rtu::CrcMatches(buffer, length));
            QVERIFY(!rtu::CrcMatches(buffer, padded));
        }
    }

    // Requests whose frame or answer would not fit the buffer leave it as it was.
    void oversizedRequestsWriteNothing() {
        const uint8_t data[2 * 256] = {};
        rtu::Frame out;
        out.fill(0xEE);
        for (int count : {int(rtu::kMaxWriteRegisters) + 1, 127, 128, 247, 0xFFFF}) {
            QCOMPARE(rtu::BuildWrite(rtu::kWriteMultiple, 5, 0, data, uint16_t(count), out), 0);
            QCOMPARE(rtu::BuildWrite(rtu::kFirmwareChunk, 5, 0, data, uint16_t(count), out), 0);
        }
        for (int count : {int(rtu::kMaxReadRegisters) + 1, 128, 0xFFFF}) {
            QCOMPARE(rtu::BuildRead(rtu::kReadHolding, 5, 0, uint16_t(count), out), 0);
            QCOMPARE(rtu::BuildRead(rtu::kReadInput, 5, 0, uint16_t(count), out), 0);
        }
        QVERIFY(std::all_of(out.begin(), out.end(), [](uint8_t b) { return b == 0xEE; }));
    }
};

VT12_TEST(TestRtuCodec, TestApplication::None)
#include "tst_rtu_codec.moc"
