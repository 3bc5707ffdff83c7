#pragma once

#include <array>
#include <cstdint>

enum TModbusStatus : uint8_t {
    mrNone = 0,
    mrTimeout = 1,
    mrBadFrame = 2,
    mrException = 3,
    mrOK = 4,
};

constexpr int kModbusBufferSize = 256;

// Valid only during the OnResult call: the client zeroes Frame as soon as it returns.
struct TModbusResult {
    uint8_t Slave = 0;
    uint8_t FunctionCode = 0;
    uint8_t ExceptionCode = 0;
    uint16_t StartAddress = 0;
    uint16_t DataByteCount = 0;
    uint8_t Status = mrNone;
    std::array<uint8_t, kModbusBufferSize> Frame{};
};
