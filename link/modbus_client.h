#pragma once
// Modbus RTU master: one request at a time, one result per request sent.

#include "link/modbus_result.h"
#include "link/only_timer.h"
#include "link/owed_answers.h"
#include "link/rtu_codec.h"

#include <functional>

class TModbusClient {
public:
    // The biggest requests whose frame or answer fits the fixed 256-byte buffers. Larger
    // ones are refused like a request while busy: nothing is sent and no result follows.
    static constexpr uint16_t kMaxReadRegisters = rtu::kMaxReadRegisters;
    static constexpr uint16_t kMaxWriteRegisters = rtu::kMaxWriteRegisters;

    static constexpr int kBaseTimeoutMs = 500;
    // On a port reached over a network: the timeout before the round trip is known, and the
    // most the measured one may grow to. No answer is awaited longer than the owed ones.
    static constexpr int kDefaultNetworkTimeoutMs = 2000;
    static constexpr int kLongestNetworkTimeoutMs = static_cast<int>(OwedAnswers::kLatestAnswerMs);

    explicit TModbusClient(TimeBase& time);

    void ReadHoldingRegisters(uint8_t slave, uint16_t start, uint16_t count);
    void ReadInputRegisters(uint8_t slave, uint16_t start, uint16_t count);
    void WriteMultipleRegisters(uint8_t slave, uint16_t start, const uint8_t* data, uint16_t count);
    void SendCommand101(uint8_t slave, uint16_t a, uint16_t b, uint16_t c);
    void WriteFirmwareChunk(uint8_t slave, uint16_t start, const uint8_t* data, uint16_t count);

    bool IsBusy() const { return timer_.Enabled(); }
    void ReceiveBytes(const uint8_t* data, int count);

    static uint16_t Count_CRC(const uint8_t* bytes, int length) {
        return rtu::Count_CRC(bytes, length);
    }

    // Another line (a port opened): nothing is owed on it, and its unit's answer time unknown.
    void NewLine();
    // Above 0: the line is a network connection with this timeout (see above); 0: a serial line.
    void SetNetworkTimeout(int ms) { networkTimeoutMs_ = ms; }

    std::function<void(const uint8_t* data, int length)> OnSend;
    std::function<void(TModbusResult& result)> OnResult;

    uint32_t SendTime() const { return sendTime_; }
    uint16_t ExpectedLength() const { return expectedLength_; }
    int TimeoutInterval() const { return timer_.Interval(); }

private:
    // Where the request stands, from its send to its result. A complete answer that may belong
    // to an earlier request is held: until the line stays quiet behind it, or until something
    // follows it.
    enum class Phase : uint8_t {
        Idle,
        // The request waits for a quiet line before it goes out.
        Deferred,
        Awaiting,
        HeldUntilQuiet,
        HeldUntilFollowed,
    };

    void SendRead(uint8_t function, uint8_t slave, uint16_t start, uint16_t count);
    void SendWrite(uint8_t function, uint8_t slave, uint16_t start, const uint8_t* data,
                   uint16_t count);
    void Transmit(int length);
    int RequestInterval() const;
    void PutOnLine();
    bool QuietUntil(uint32_t now, uint32_t* until) const;
    void TakeWhileQuiet(const uint8_t* data, int count);
    void SendAfterQuiet();
    void Examine();
    std::span<const uint8_t> Request() const {
        return {transmit_.data(), static_cast<size_t>(transmitLength_)};
    }
    std::span<const uint8_t> Received() const {
        return {receive_.data(), static_cast<size_t>(receiveCount_)};
    }
    bool BelongsToRequest() const { return rtu::MayAnswer(Request(), Received()); }
    bool Held() const {
        return phase_ == Phase::HeldUntilQuiet || phase_ == Phase::HeldUntilFollowed;
    }
    Phase HoldNeeded() const;
    void DropHeldAnswer();
    void ShiftOutAnswer();
    void AcceptAnswer();
    void KeepDraining();
    void OnTimeout();
    void Finish();

    TimeBase& time_;
    int32_t extraTimeout_ = 0;
    rtu::Frame transmit_{};
    int32_t receiveCount_ = 0;
    TOnlyTimer timer_;
    uint32_t sendTime_ = 0;
    TModbusResult result_;
    uint16_t expectedLength_ = 0;
    rtu::Frame receive_{};
    int transmitLength_ = 0;
    int requestInterval_ = 0;
    int networkTimeoutMs_ = 0;
    Phase phase_ = Phase::Idle;
    // The last request ended without its answer (timeout or bad frame).
    bool answerMissed_ = false;
    // Requests whose answers may still come, and how long this unit takes.
    OwedAnswers owed_;
    AnswerTime answerTime_;
    RequestKey requestKey_;
    // An answer of the request's length came, whatever its CRC.
    bool answerArrived_ = false;
    uint32_t lastChunkAt_ = 0;
    // The last answer taken, and the request it answered.
    rtu::Frame lastAnswer_{};
    int lastAnswerLength_ = 0;
    rtu::Frame answeredRequest_{};
    int answeredRequestLength_ = 0;
};
