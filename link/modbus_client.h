#pragma once
// Modbus RTU master: one request at a time, one result per request sent.

#include "link/modbus_result.h"
#include "link/only_timer.h"

#include <functional>

class TModbusClient {
public:
    // The biggest requests whose frame or answer fits the fixed 256-byte buffers. Larger
    // ones are refused like a request while busy: nothing is sent and no result follows.
    static constexpr uint16_t kMaxReadRegisters = 125;
    static constexpr uint16_t kMaxWriteRegisters = 123;

    static constexpr int kBaseTimeoutMs = 500;

    explicit TModbusClient(TimeBase& time);

    void ReadHoldingRegisters(uint8_t slave, uint16_t start, uint16_t count);
    void ReadInputRegisters(uint8_t slave, uint16_t start, uint16_t count);
    void WriteMultipleRegisters(uint8_t slave, uint16_t start, const uint8_t* data, uint16_t count);
    void SendCommand101(uint8_t slave, uint16_t a, uint16_t b, uint16_t c);
    void WriteFirmwareChunk(uint8_t slave, uint16_t start, const uint8_t* data, uint16_t count);

    bool IsBusy() const { return timer_.Enabled(); }
    void ReceiveBytes(const uint8_t* data, int count);

    static uint16_t Count_CRC(const uint8_t* bytes, int length);

    std::function<void(const uint8_t* data, int length)> OnSend;
    std::function<void(TModbusResult& result)> OnResult;

    uint32_t SendTime() const { return sendTime_; }
    uint16_t ExpectedLength() const { return expectedLength_; }
    int TimeoutInterval() const { return timer_.Interval(); }

private:
    void SendRead(uint8_t function, uint8_t slave, uint16_t start, uint16_t count);
    void SendBlock(uint8_t function, uint8_t slave, uint16_t start, const uint8_t* data,
                   uint16_t count);
    void PutHeader(uint8_t slave, uint8_t function, uint16_t first, uint16_t second);
    void Transmit(int lengthWithoutCrc);
    bool BelongsToRequest() const;
    void KeepDraining();
    bool CrcMatches() const;
    void OnTimeout();
    void Finish();

    TimeBase& time_;
    int32_t extraTimeout_ = 0;
    std::array<uint8_t, kModbusBufferSize> transmit_{};
    int32_t receiveCount_ = 0;
    TOnlyTimer timer_;
    uint32_t sendTime_ = 0;
    TModbusResult result_;
    uint16_t expectedLength_ = 0;
    std::array<uint8_t, kModbusBufferSize> receive_{};
};
