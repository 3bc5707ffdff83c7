// Any request the codec builds, then any bytes in any pieces checked as its answer: the frame
// carries its CRC, and every verdict holds for the bytes it was given.

#include "link/rtu_codec.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr uint8_t kFunctions[] = {rtu::kReadHolding, rtu::kReadInput, rtu::kWriteMultiple,
                                  rtu::kCommand, rtu::kFirmwareChunk};

void Require(bool condition) {
    if (!condition)
        std::abort();
}

uint16_t WordAt(const uint8_t* data, size_t size, size_t at) {
    const uint8_t high = at < size ? data[at] : 0;
    const uint8_t low = at + 1 < size ? data[at + 1] : 0;
    return static_cast<uint16_t>(high << 8 | low);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Function, slave, three words; the rest is the line.
    constexpr size_t kScript = 8;
    if (size < kScript)
        return 0;
    const uint8_t function = kFunctions[data[0] % std::size(kFunctions)];
    const uint8_t slave = data[1];
    const uint16_t start = WordAt(data, size, 2);
    const uint16_t count = WordAt(data, size, 4);
    const uint16_t third = WordAt(data, size, 6);
    static const uint8_t words[2 * 0x10000] = {};

    rtu::Frame request{};
    int length = 0;
    if (function == rtu::kCommand)
        length = rtu::BuildCommand(slave, start, count, third, request);
    else if (function == rtu::kReadHolding || function == rtu::kReadInput)
        length = rtu::BuildRead(function, slave, start, count, request);
    else
        length = rtu::BuildWrite(function, slave, start, words, count, request);
    if (length == 0) {
        Require(function != rtu::kCommand && count > rtu::kMaxWriteRegisters);
        return 0;
    }
    Require(length >= 8 && length <= kModbusBufferSize);
    Require(request[0] == slave && request[1] == function);
    Require(rtu::Count_CRC(request.data(), length) == 0);
    const std::span<const uint8_t> asked(request.data(), static_cast<size_t>(length));

    rtu::Frame buffer{};
    int received = 0;
    rtu::AnswerCheck check{rtu::Verdict::Partial, rtu::ExpectedAnswerLength(function, count)};
    for (size_t at = kScript; at < size && check.verdict == rtu::Verdict::Partial;) {
        // The first byte of each piece sets its length.
        const size_t piece = std::min<size_t>(
            {1u + data[at] % 64, size - at - 1, static_cast<size_t>(kModbusBufferSize - received)});
        ++at;
        if (piece == 0)
            break;
        std::copy_n(data + at, piece, buffer.begin() + received);
        received += static_cast<int>(piece);
        at += piece;
        const uint16_t expected = check.length;
        check = rtu::CheckAnswer(asked, buffer, received, expected);
        const std::span<const uint8_t> bytes(buffer.data(), static_cast<size_t>(received));
        switch (check.verdict) {
        case rtu::Verdict::Partial:
            Require(received < check.length && rtu::MayAnswer(asked, bytes));
            break;
        case rtu::Verdict::Foreign:
            Require(!rtu::MayAnswer(asked, bytes) && check.length == expected);
            break;
        case rtu::Verdict::Exception:
            Require(received >= rtu::kExceptionLength && buffer[1] == (function | 0x80));
            Require(rtu::CrcMatches(buffer, expected));
            break;
        case rtu::Verdict::BadCrc:
            Require(!rtu::CrcMatches(buffer, check.length));
            break;
        case rtu::Verdict::Confirmed:
            Require(received >= check.length && buffer[1] == function);
            Require(rtu::Count_CRC(buffer.data(), check.length) == 0);
            Require(rtu::MayAnswer(asked, bytes.first(check.length)));
            if (function != rtu::kCommand)
                Require(check.length == rtu::ExpectedAnswerLength(function, count));
            break;
        }
    }
    return 0;
}
