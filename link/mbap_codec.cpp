#include "link/mbap_codec.h"

#include "link/rtu_codec.h"

#include <algorithm>

namespace mbap {

namespace {
// The unit byte and at least a function code.
constexpr int kShortestLengthField = 2;

uint16_t Word(const uint8_t* at) {
    return static_cast<uint16_t>(at[0] << 8 | at[1]);
}

void PutWord(uint8_t* at, uint16_t value) {
    at[0] = static_cast<uint8_t>(value >> 8);
    at[1] = static_cast<uint8_t>(value);
}
} // namespace

int RtuToMbap(const uint8_t* rtu, int rtuLength, uint16_t transaction, uint8_t* out) {
    const int unitAndPdu = rtuLength - rtu::kCrcLength;
    if (unitAndPdu < kShortestLengthField || unitAndPdu > 1 + kLongestPdu)
        return 0;
    const uint16_t crc = rtu::Count_CRC(rtu, unitAndPdu);
    if (rtu[unitAndPdu] != static_cast<uint8_t>(crc) ||
        rtu[unitAndPdu + 1] != static_cast<uint8_t>(crc >> 8))
        return 0;
    PutWord(out, transaction);
    PutWord(out + 2, 0);
    PutWord(out + 4, static_cast<uint16_t>(unitAndPdu));
    std::copy_n(rtu, unitAndPdu, out + kHeaderLength - 1);
    return kHeaderLength - 1 + unitAndPdu;
}

int FrameLength(const uint8_t* bytes, int count) {
    if (count < kHeaderLength - 1)
        return 0;
    const int length = Word(bytes + 4);
    if (Word(bytes + 2) != 0 || length < kShortestLengthField || length > 1 + kLongestPdu)
        return -1;
    return kHeaderLength - 1 + length;
}

uint16_t Transaction(const uint8_t* frame) {
    return Word(frame);
}

int MbapToRtu(const uint8_t* frame, int frameLength, uint8_t* out) {
    const int unitAndPdu = frameLength - (kHeaderLength - 1);
    std::copy_n(frame + kHeaderLength - 1, unitAndPdu, out);
    const uint16_t crc = rtu::Count_CRC(out, unitAndPdu);
    out[unitAndPdu] = static_cast<uint8_t>(crc);
    out[unitAndPdu + 1] = static_cast<uint8_t>(crc >> 8);
    return unitAndPdu + rtu::kCrcLength;
}

int Assembler::Append(const uint8_t* bytes, int count) {
    const int taken = std::min(count, static_cast<int>(buffer_.size()) - count_);
    std::copy_n(bytes, taken, buffer_.begin() + count_);
    count_ += taken;
    return taken;
}

Assembler::Step Assembler::Next() {
    const int length = FrameLength(buffer_.data(), count_);
    if (length < 0) {
        Clear();
        return Step::Garbage;
    }
    if (length == 0 || count_ < length)
        return Step::NeedMore;
    frontLength_ = length;
    return Step::Frame;
}

void Assembler::Pop() {
    std::copy(buffer_.begin() + frontLength_, buffer_.begin() + count_, buffer_.begin());
    count_ -= frontLength_;
    frontLength_ = 0;
}

} // namespace mbap
