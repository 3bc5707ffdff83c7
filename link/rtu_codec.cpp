#include "link/rtu_codec.h"

#include <algorithm>

namespace rtu {

namespace {
constexpr int kHeaderLength = 6;
constexpr int kWriteHeaderLength = 7;
constexpr int kCommandLength = 8;

void PutWord(uint8_t* at, uint16_t word) {
    at[0] = static_cast<uint8_t>(word >> 8);
    at[1] = static_cast<uint8_t>(word);
}

void PutHeader(uint8_t slave, uint8_t function, uint16_t first, uint16_t second, Frame& out) {
    out[0] = slave;
    out[1] = function;
    PutWord(&out[2], first);
    PutWord(&out[4], second);
}

} // namespace

bool IsRead(uint8_t function) {
    return function == kReadHolding || function == kReadInput;
}

bool IsWrite(uint8_t function) {
    return function == kWriteMultiple || function == kFirmwareChunk;
}

namespace {

int PutCrc(int lengthWithoutCrc, Frame& out) {
    const uint16_t crc = Count_CRC(out.data(), lengthWithoutCrc);
    out[static_cast<size_t>(lengthWithoutCrc)] = static_cast<uint8_t>(crc);
    out[static_cast<size_t>(lengthWithoutCrc + 1)] = static_cast<uint8_t>(crc >> 8);
    return lengthWithoutCrc + kCrcLength;
}
} // namespace

uint16_t Count_CRC(const uint8_t* bytes, int length) {
    uint16_t crc = 0xFFFF;
    for (int i = 0; i < length; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? static_cast<uint16_t>((crc >> 1) ^ 0xA001) : crc >> 1;
    }
    return crc;
}

bool CrcMatches(std::span<const uint8_t> bytes, int length) {
    // A command answer may announce more than the buffer holds; such a frame cannot be valid.
    if (length < kCrcLength || static_cast<size_t>(length) > bytes.size())
        return false;
    const size_t at = static_cast<size_t>(length - kCrcLength);
    const uint16_t stored = static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
    return Count_CRC(bytes.data(), static_cast<int>(at)) == stored;
}

int BuildRead(uint8_t function, uint8_t slave, uint16_t start, uint16_t count, Frame& out) {
    if (count > kMaxReadRegisters)
        return 0;
    PutHeader(slave, function, start, count, out);
    return PutCrc(kHeaderLength, out);
}

int BuildWrite(uint8_t function, uint8_t slave, uint16_t start, const uint8_t* data, uint16_t count,
               Frame& out) {
    if (count > kMaxWriteRegisters)
        return 0;
    PutHeader(slave, function, start, count, out);
    const int bytes = 2 * count;
    out[6] = static_cast<uint8_t>(bytes);
    std::copy(data, data + bytes, out.begin() + kWriteHeaderLength);
    return PutCrc(kWriteHeaderLength + bytes, out);
}

int BuildCommand(uint8_t slave, uint16_t a, uint16_t b, uint16_t c, Frame& out) {
    PutHeader(slave, kCommand, a, b, out);
    PutWord(&out[6], c);
    return PutCrc(kCommandLength, out);
}

uint16_t ExpectedAnswerLength(uint8_t function, uint16_t count) {
    if (IsRead(function))
        return static_cast<uint16_t>(2 * (count & 0xFF) + 5);
    if (IsWrite(function))
        return kWriteAnswerLength;
    if (function == kCommand)
        return kCommandAnswerLength;
    return 0;
}

uint16_t AnnouncedAnswerLength(uint8_t function, std::span<const uint8_t> received,
                               uint16_t expected) {
    if (function == kCommand && received.size() >= 3)
        return static_cast<uint16_t>(received[2] + 5);
    return expected;
}

int SelfAnnouncedLength(std::span<const uint8_t> answer) {
    const uint8_t function = answer[1];
    if (function >= kExceptionFlag)
        return kExceptionLength;
    if (IsRead(function) || function == kCommand)
        return answer[2] + 5;
    return kWriteAnswerLength;
}

bool MayAnswer(std::span<const uint8_t> request, std::span<const uint8_t> received) {
    if (received.size() < 2)
        return true;
    const uint8_t function = received[1];
    if ((function & static_cast<uint8_t>(~kExceptionFlag)) != request[1])
        return false;
    if (IsRead(function))
        return received.size() < 3 || received[2] == 2 * request[5];
    // A write's echo repeats its start and count.
    if (IsWrite(function)) {
        const size_t echoed = std::min(received.size(), static_cast<size_t>(kHeaderLength));
        return std::equal(received.begin() + 2, received.begin() + static_cast<long>(echoed),
                          request.begin() + 2);
    }
    return true;
}

AnswerCheck CheckAnswer(std::span<const uint8_t> request, std::span<const uint8_t> buffer,
                        int count, uint16_t expected) {
    const std::span<const uint8_t> received = buffer.first(static_cast<size_t>(count));
    if (!MayAnswer(request, received))
        return {Verdict::Foreign, expected};
    // Checked against the length the request expects, before a command's byte 2 counts.
    if (count >= kExceptionLength && received[1] >= kExceptionFlag)
        return {CrcMatches(buffer, expected) ? Verdict::Exception : Verdict::BadCrc, expected};
    const uint16_t length = AnnouncedAnswerLength(request[1], received, expected);
    if (count < length)
        return {Verdict::Partial, length};
    return {CrcMatches(buffer, length) ? Verdict::Confirmed : Verdict::BadCrc, length};
}

} // namespace rtu
