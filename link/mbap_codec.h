#pragma once
// Modbus TCP framing: the MBAP header (transaction id, protocol 0, length, unit) in front of
// the PDU, no CRC. The link speaks RTU frames; these translate them at the network's edge.
// Pure functions over byte spans, so they can be fed anything.

#include <array>
#include <cstdint>

namespace mbap {

// Transaction id, protocol id and length (two bytes each), then the unit byte.
constexpr int kHeaderLength = 7;
// The length field counts the unit byte and the PDU; a PDU holds at most 253 bytes.
constexpr int kLongestPdu = 253;
constexpr int kLongestFrame = kHeaderLength - 1 + 1 + kLongestPdu;
// An RTU frame: address, PDU, CRC.
constexpr int kLongestRtu = 1 + kLongestPdu + 2;

// The RTU frame (CRC included and correct) as an MBAP frame with the given transaction id, the
// address byte as unit. Returns the MBAP frame's length; 0 when the RTU frame is too short,
// too long or its CRC is wrong.
int RtuToMbap(const uint8_t* rtu, int rtuLength, uint16_t transaction, uint8_t* out);

// How long the MBAP frame at the start of bytes is: 0 while its header is incomplete, -1 when
// these bytes cannot start a frame (protocol id not 0, length out of range).
int FrameLength(const uint8_t* bytes, int count);

uint16_t Transaction(const uint8_t* frame);

// A whole MBAP frame (as FrameLength measured it) as an RTU frame: the unit byte as address,
// the PDU, the CRC. Returns the RTU length.
int MbapToRtu(const uint8_t* frame, int frameLength, uint8_t* out);

// Collects a byte stream into whole frames, without allocating.
class Assembler {
public:
    // What Feed found at the start of the collected bytes.
    enum class Step { NeedMore, Frame, Garbage };

    // Appends as many of the bytes as fit; returns how many were taken.
    int Append(const uint8_t* bytes, int count);
    // Frame: Front() holds a whole frame of FrontLength() bytes until Pop(). Garbage: the
    // stream is out of step and was cleared.
    Step Next();
    const uint8_t* Front() const { return buffer_.data(); }
    int FrontLength() const { return frontLength_; }
    void Pop();
    void Clear() { count_ = frontLength_ = 0; }

private:
    std::array<uint8_t, 2 * kLongestFrame> buffer_{};
    int count_ = 0;
    int frontLength_ = 0;
};

} // namespace mbap
