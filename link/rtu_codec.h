#pragma once
// Modbus RTU frames as the controller speaks them: the requests the link sends, the length of
// their answers, whether received bytes answer a request, and the CRC. Pure functions over
// fixed buffers, no state, so the client, the tests and the fuzzers call the same code.

#include "link/modbus_result.h"

#include <array>
#include <cstdint>
#include <span>

namespace rtu {

constexpr uint8_t kReadHolding = 3;
constexpr uint8_t kReadInput = 4;
constexpr uint8_t kWriteMultiple = 16;
constexpr uint8_t kCommand = 101;
constexpr uint8_t kFirmwareChunk = 110;
// Set in the function byte of an exception answer.
constexpr uint8_t kExceptionFlag = 0x80;

constexpr int kCrcLength = 2;
constexpr int kExceptionLength = 5;
constexpr uint16_t kWriteAnswerLength = 8;
// A command answer says its own length in byte 2; until then this much is expected.
constexpr uint16_t kCommandAnswerLength = 31;

// The biggest requests whose frame or answer fits a 256-byte buffer.
constexpr uint16_t kMaxReadRegisters = 125;
constexpr uint16_t kMaxWriteRegisters = 123;

using Frame = std::array<uint8_t, kModbusBufferSize>;

// Functions 3 and 4; functions 16 and 110.
bool IsRead(uint8_t function);
bool IsWrite(uint8_t function);

// CRC-16/MODBUS of the first length bytes; a frame carries it behind itself, low byte first.
uint16_t Count_CRC(const uint8_t* bytes, int length);
// The CRC stored at length - 2 is that of the bytes before it.
bool CrcMatches(std::span<const uint8_t> bytes, int length);

// Each writes the whole request, CRC included, to the start of out and returns its length.
// A request whose frame or answer does not fit writes nothing and returns 0.
// function: kReadHolding or kReadInput.
int BuildRead(uint8_t function, uint8_t slave, uint16_t start, uint16_t count, Frame& out);
// function: kWriteMultiple or kFirmwareChunk; data: 2 x count bytes, sent as they lie.
int BuildWrite(uint8_t function, uint8_t slave, uint16_t start, const uint8_t* data, uint16_t count,
               Frame& out);
int BuildCommand(uint8_t slave, uint16_t a, uint16_t b, uint16_t c, Frame& out);

// The length of the whole answer, CRC included, as far as the request tells it; 0 for a
// function the link does not send. Only the low byte of a read's count counts.
uint16_t ExpectedAnswerLength(uint8_t function, uint16_t count);
// The length an answer to the request has once its first bytes are in: a command's answer
// announces it in byte 2.
uint16_t AnnouncedAnswerLength(uint8_t function, std::span<const uint8_t> received,
                               uint16_t expected);
// The length of the answer that starts with these bytes (at least 3), told by its own bytes
// alone, with no request to go by.
int SelfAnnouncedLength(std::span<const uint8_t> answer);

// Whether the bytes received so far (any number) can begin the answer to the request (its
// first six bytes at least): the function echoed, with the exception flag or without; a read's
// byte count; a write's start and count. The address byte is not compared: its bit 7 tells
// whether a slave unit is linked.
bool MayAnswer(std::span<const uint8_t> request, std::span<const uint8_t> received);

enum class Verdict : uint8_t {
    // Nothing wrong yet, the answer is not whole.
    Partial,
    // These bytes cannot be the answer to the request.
    Foreign,
    // The answer is whole but its CRC is wrong.
    BadCrc,
    // An exception answer with its CRC.
    Exception,
    // The answer is whole, with its CRC: it confirms the request.
    Confirmed,
};

struct AnswerCheck {
    Verdict verdict = Verdict::Partial;
    // The answer's length as now known (see AnnouncedAnswerLength).
    uint16_t length = 0;
};

// The first count bytes of buffer as the answer to the request, whose length was expected
// before they came. Bytes beyond count must be zero: an exception answer is checked against
// the expected length, and a frame followed by its CRC and any zeros still has a CRC of 0.
AnswerCheck CheckAnswer(std::span<const uint8_t> request, std::span<const uint8_t> buffer,
                        int count, uint16_t expected);

} // namespace rtu
