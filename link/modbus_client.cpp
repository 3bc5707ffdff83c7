#include "link/modbus_client.h"

#include "data/block_table.h"

#include <algorithm>

namespace {
constexpr uint8_t kWriteMultiple = 16;
constexpr uint8_t kCommand = 101;
constexpr uint8_t kFirmwareChunk = 110;

// A command answer says its own length in byte 2; until then this much is expected.
constexpr uint16_t kCommandAnswerLength = 31;
constexpr uint16_t kWriteAnswerLength = 8;
// Silence that ends an answer to another request, or that a held answer waits for: far longer
// than a gap inside a burst of answers, far shorter than the response timeout.
constexpr int kQuietMs = 50;
constexpr int kHeaderLength = 6;
constexpr int kBlockHeaderLength = 7;
constexpr int kCrcLength = 2;
constexpr int kExceptionLength = 5;

uint16_t readAnswerLength(uint16_t count) {
    return 2 * (count & 0xFF) + 5;
}

// Resets the result record even when the consumer of the result throws.
struct ResultReset {
    TModbusResult& result;
    int32_t& receiveCount;
    ~ResultReset() {
        result.Frame.fill(0);
        result.Status = mrNone;
        receiveCount = 0;
    }
};
} // namespace

TModbusClient::TModbusClient(TimeBase& time) : time_(time), timer_(time) {
    timer_.SetEnabled(false);
    timer_.SetOnTimer([this] { OnTimeout(); });
}

uint16_t TModbusClient::Count_CRC(const uint8_t* bytes, int length) {
    uint16_t crc = 0xFFFF;
    for (int i = 0; i < length; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? static_cast<uint16_t>((crc >> 1) ^ 0xA001) : crc >> 1;
    }
    return crc;
}

void TModbusClient::ReadHoldingRegisters(uint8_t slave, uint16_t start, uint16_t count) {
    SendRead(kReadHolding, slave, start, count);
}

void TModbusClient::ReadInputRegisters(uint8_t slave, uint16_t start, uint16_t count) {
    SendRead(kReadInput, slave, start, count);
}

void TModbusClient::WriteMultipleRegisters(uint8_t slave, uint16_t start, const uint8_t* data,
                                           uint16_t count) {
    SendBlock(kWriteMultiple, slave, start, data, count);
}

void TModbusClient::WriteFirmwareChunk(uint8_t slave, uint16_t start, const uint8_t* data,
                                       uint16_t count) {
    SendBlock(kFirmwareChunk, slave, start, data, count);
}

void TModbusClient::SendCommand101(uint8_t slave, uint16_t a, uint16_t b, uint16_t c) {
    if (IsBusy())
        return;
    PutHeader(slave, kCommand, a, b);
    transmit_[6] = static_cast<uint8_t>(c >> 8);
    transmit_[7] = static_cast<uint8_t>(c);
    Transmit(8);
    expectedLength_ = kCommandAnswerLength;
}

void TModbusClient::SendRead(uint8_t function, uint8_t slave, uint16_t start, uint16_t count) {
    if (IsBusy() || count > kMaxReadRegisters)
        return;
    PutHeader(slave, function, start, count);
    if (function == kReadHolding)
        extraTimeout_ += count;
    Transmit(kHeaderLength);
    expectedLength_ = readAnswerLength(count);
    result_.DataByteCount = 2 * (count & 0xFF);
}

void TModbusClient::SendBlock(uint8_t function, uint8_t slave, uint16_t start, const uint8_t* data,
                              uint16_t count) {
    if (IsBusy() || count > kMaxWriteRegisters)
        return;
    PutHeader(slave, function, start, count);
    const int bytes = 2 * count;
    transmit_[6] = static_cast<uint8_t>(bytes);
    std::copy(data, data + bytes, transmit_.begin() + kBlockHeaderLength);
    extraTimeout_ = function == kWriteMultiple ? 100 : 200;
    Transmit(kBlockHeaderLength + bytes);
    expectedLength_ = kWriteAnswerLength;
    result_.DataByteCount = 2 * (count & 0xFF);
}

void TModbusClient::PutHeader(uint8_t slave, uint8_t function, uint16_t first, uint16_t second) {
    transmit_[0] = slave;
    transmit_[1] = function;
    transmit_[2] = static_cast<uint8_t>(first >> 8);
    transmit_[3] = static_cast<uint8_t>(first);
    transmit_[4] = static_cast<uint8_t>(second >> 8);
    transmit_[5] = static_cast<uint8_t>(second);
}

void TModbusClient::NewLine() {
    owed_.Clear();
    answerTime_.Reset();
    answerMissed_ = false;
    lastAnswerLength_ = 0;
}

void TModbusClient::Transmit(int lengthWithoutCrc) {
    const uint16_t crc = Count_CRC(transmit_.data(), lengthWithoutCrc);
    transmit_[lengthWithoutCrc] = static_cast<uint8_t>(crc);
    transmit_[lengthWithoutCrc + 1] = static_cast<uint8_t>(crc >> 8);
    // Taken before OnSend: a send that throws must not leave its allowance to the next one.
    const int interval = RequestInterval();
    extraTimeout_ = 0;
    transmitLength_ = lengthWithoutCrc + kCrcLength;
    requestKey_ = RequestKey::Of(transmit_.data(), transmitLength_);
    requestInterval_ = interval;
    result_.Status = mrNone;
    result_.Slave = transmit_[0];
    result_.FunctionCode = transmit_[1];
    result_.StartAddress = static_cast<uint16_t>(transmit_[2] << 8 | transmit_[3]);
    const uint32_t now = time_.TickMs();
    uint32_t until = 0;
    if (!QuietUntil(now, &until)) {
        PutOnLine();
        return;
    }
    deferred_ = true;
    sendTime_ = now;
    receive_.fill(0);
    receiveCount_ = 0;
    timer_.SetInterval(static_cast<int>(until - now));
    timer_.SetEnabled(true);
}

// A slow unit gets the time it has shown it needs. Over a network the round trip comes on top
// of the unit's time: until an answer has measured it, the network timeout applies, and the
// measured one never exceeds it.
int TModbusClient::RequestInterval() const {
    const int serial = extraTimeout_ + kBaseTimeoutMs;
    if (networkTimeoutMs_ <= 0)
        return std::max(serial, answerTime_.AllowanceMs());
    const int bound = std::max(serial, networkTimeoutMs_);
    if (!answerTime_.Measured())
        return bound;
    return std::clamp(answerTime_.AllowanceMs(), serial, bound);
}

void TModbusClient::PutOnLine() {
    sendTime_ = time_.TickMs();
    if (OnSend)
        OnSend(transmit_.data(), transmitLength_);
    receive_.fill(0);
    receiveCount_ = 0;
    answerArrived_ = false;
    timer_.SetEnabled(false);
    timer_.SetInterval(requestInterval_);
    timer_.SetEnabled(true);
}

// An earlier request that asked something else, but whose answer would look like this one's,
// may still be answered: the line stays quiet until that answer has come, or could no longer
// come. So every answer on the line while a request is out is its own, or one to the same
// request sent before.
bool TModbusClient::QuietUntil(uint32_t now, uint32_t* until) const {
    uint32_t sentAt = 0;
    if (!owed_.LastSentLike(requestKey_, now, &sentAt))
        return false;
    *until = sentAt + OwedAnswers::kLatestAnswerMs;
    return true;
}

// Bytes while the request waits: answers the unit owed, each whole one no longer awaited.
void TModbusClient::TakeWhileQuiet(const uint8_t* data, int count) {
    if (receiveCount_ + count > kModbusBufferSize)
        receiveCount_ = 0;
    count = std::min(count, kModbusBufferSize);
    std::copy(data, data + count, receive_.begin() + receiveCount_);
    receiveCount_ += count;
    while (receiveCount_ >= 5) {
        const uint8_t function = receive_[1];
        int length = kWriteAnswerLength;
        if (function >= 0x80)
            length = 5;
        else if (function == kReadHolding || function == kReadInput || function == kCommand)
            length = receive_[2] + 5;
        if (length > kModbusBufferSize) {
            receiveCount_ = 0;
            return;
        }
        if (receiveCount_ < length)
            return;
        const int at = length - kCrcLength;
        const uint16_t stored = static_cast<uint16_t>(receive_[at] | receive_[at + 1] << 8);
        const OwedAnswers::Entry* owed =
            Count_CRC(receive_.data(), at) == stored
                ? owed_.OldestAnsweredBy(receive_.data(), length, lastChunkAt_)
                : nullptr;
        if (!owed) {
            receiveCount_ = 0;
            return;
        }
        answerTime_.Observe(owed_.Resolve(owed, lastChunkAt_));
        std::copy(receive_.begin() + length, receive_.begin() + receiveCount_, receive_.begin());
        receiveCount_ -= length;
        uint32_t until = 0;
        if (!QuietUntil(lastChunkAt_, &until)) {
            SendAfterQuiet();
            return;
        }
        timer_.SetInterval(static_cast<int>(until - lastChunkAt_));
    }
}

void TModbusClient::SendAfterQuiet() {
    deferred_ = false;
    try {
        PutOnLine();
    } catch (...) {
        result_.Status = mrTimeout;
        Finish();
        throw;
    }
}

void TModbusClient::ReceiveBytes(const uint8_t* data, int count) {
    // Nothing is awaited: a late or stray answer must not become the start of the next one.
    if (count <= 0 || !IsBusy())
        return;
    lastChunkAt_ = time_.TickMs();
    if (deferred_) {
        TakeWhileQuiet(data, count);
        return;
    }
    timer_.SetEnabled(false);
    timer_.SetEnabled(true);
    if (!BelongsToRequest()) {
        KeepDraining();
        return;
    }
    if (hold_ != Hold::None)
        DropHeldAnswer();
    if (receiveCount_ + count > kModbusBufferSize) {
        result_.Status = mrBadFrame;
        Finish();
        return;
    }
    std::copy(data, data + count, receive_.begin() + receiveCount_);
    receiveCount_ += count;
    Examine();
}

void TModbusClient::Examine() {
    if (!BelongsToRequest()) {
        // Out of step with the line: what follows (the rest of it, or a queue of answers to
        // earlier requests) belongs elsewhere too. The bad frame is reported once the line is
        // quiet, so that none of it is taken for the answer to the next request.
        timer_.SetInterval(kQuietMs);
        KeepDraining();
        return;
    }
    if (receive_[1] >= 0x80 && receiveCount_ >= 5) {
        answerArrived_ = true;
        if (CrcMatches()) {
            result_.Status = mrException;
            result_.ExceptionCode = receive_[2];
            // Shown as received by the traffic monitor; the dispatcher reads no frame of it.
            std::copy_n(receive_.begin(), kExceptionLength, result_.Frame.begin());
        } else {
            result_.Status = mrBadFrame;
        }
        Finish();
        return;
    }
    if (receiveCount_ >= 3 && result_.FunctionCode == kCommand)
        expectedLength_ = receive_[2] + 5;
    if (receiveCount_ < expectedLength_)
        return;
    if (!CrcMatches()) {
        answerArrived_ = true;
        result_.Status = mrBadFrame;
        Finish();
        return;
    }
    hold_ = HoldNeeded();
    if (hold_ == Hold::None) {
        AcceptAnswer();
        return;
    }
    if (receiveCount_ > expectedLength_) {
        DropHeldAnswer();
        Examine();
        return;
    }
    if (hold_ == Hold::UntilQuiet)
        timer_.SetInterval(kQuietMs);
}

// Answers come in the order of their requests. After a request that went without its answer,
// this one may be an answer the unit still owed: it is taken once the line stays quiet behind
// it. One that repeats the last answer byte for byte although the request differs is most
// likely a copy of it: it gives way to what follows, and with nothing behind it the request
// times out; the retry comes after a missed answer, so two blocks that hold the same cost one
// timeout.
TModbusClient::Hold TModbusClient::HoldNeeded() const {
    if (answerMissed_)
        return Hold::UntilQuiet;
    const bool repeated =
        expectedLength_ == lastAnswerLength_ &&
        std::equal(receive_.begin(), receive_.begin() + expectedLength_, lastAnswer_.begin());
    const bool sameRequest = transmitLength_ == answeredRequestLength_ &&
                             std::equal(transmit_.begin(), transmit_.begin() + transmitLength_,
                                        answeredRequest_.begin());
    return repeated && !sameRequest ? Hold::UntilFollowed : Hold::None;
}

// Bytes behind a held answer: it was an earlier request's, and what follows starts afresh.
void TModbusClient::DropHeldAnswer() {
    if (hold_ == Hold::UntilQuiet) {
        if (const OwedAnswers::Entry* owed = owed_.OldestLike(requestKey_, lastChunkAt_))
            answerTime_.Observe(owed_.Resolve(owed, lastChunkAt_));
    }
    ShiftOutAnswer();
}

void TModbusClient::ShiftOutAnswer() {
    const int rest = receiveCount_ - expectedLength_;
    std::copy_n(receive_.begin() + expectedLength_, rest, receive_.begin());
    std::fill(receive_.begin() + rest, receive_.end(), 0);
    receiveCount_ = rest;
    hold_ = Hold::None;
    timer_.SetInterval(requestInterval_);
}

// An answer to the same request sent earlier is as good as its own; the own one may still
// come and is owed from now on.
void TModbusClient::AcceptAnswer() {
    if (const OwedAnswers::Entry* owed = owed_.OldestLike(requestKey_, lastChunkAt_)) {
        answerTime_.Observe(owed_.Resolve(owed, lastChunkAt_));
        owed_.Add(requestKey_, sendTime_);
    } else {
        answerTime_.Observe(lastChunkAt_ - sendTime_);
    }
    result_.Status = mrOK;
    std::copy_n(receive_.begin(), expectedLength_, result_.Frame.begin());
    std::copy_n(receive_.begin(), expectedLength_, lastAnswer_.begin());
    lastAnswerLength_ = expectedLength_;
    std::copy_n(transmit_.begin(), transmitLength_, answeredRequest_.begin());
    answeredRequestLength_ = transmitLength_;
    Finish();
}

// The address byte is not compared: its bit 7 tells whether a slave unit is linked.
bool TModbusClient::BelongsToRequest() const {
    if (receiveCount_ < 2)
        return true;
    const uint8_t function = receive_[1];
    if ((function & 0x7F) != result_.FunctionCode)
        return false;
    const bool read = function == kReadHolding || function == kReadInput;
    if (read)
        return receiveCount_ < 3 || receive_[2] == result_.DataByteCount;
    // A write's echo repeats its start and count.
    if (function == kWriteMultiple || function == kFirmwareChunk) {
        for (int i = 2; i < std::min(receiveCount_, kHeaderLength); ++i)
            if (receive_[static_cast<size_t>(i)] != transmit_[static_cast<size_t>(i)])
                return false;
    }
    return true;
}

// A line that never falls quiet still gets a result now and then.
void TModbusClient::KeepDraining() {
    if (static_cast<int>(time_.TickMs() - sendTime_) < requestInterval_)
        return;
    result_.Status = mrBadFrame;
    Finish();
}

bool TModbusClient::CrcMatches() const {
    // A command answer may announce more than the buffer holds; such a frame cannot be valid.
    if (expectedLength_ < kCrcLength || expectedLength_ > kModbusBufferSize)
        return false;
    const int at = expectedLength_ - kCrcLength;
    const uint16_t stored = static_cast<uint16_t>(receive_[at] | receive_[at + 1] << 8);
    return Count_CRC(receive_.data(), at) == stored;
}

void TModbusClient::OnTimeout() {
    if (deferred_) {
        SendAfterQuiet();
        return;
    }
    if (hold_ == Hold::UntilQuiet) {
        AcceptAnswer();
        return;
    }
    result_.Status = BelongsToRequest() ? mrTimeout : mrBadFrame;
    // An answer of its own that stopped half-way: nothing more of it is coming.
    if (result_.Status == mrTimeout && receiveCount_ > 0)
        answerArrived_ = true;
    Finish();
}

void TModbusClient::Finish() {
    if (result_.Status == mrNone)
        return;
    timer_.SetEnabled(false);
    hold_ = Hold::None;
    answerMissed_ = result_.Status == mrTimeout || result_.Status == mrBadFrame;
    if (answerMissed_ && !answerArrived_)
        owed_.Add(requestKey_, sendTime_);
    ResultReset reset{result_, receiveCount_};
    if (OnResult)
        OnResult(result_);
}
