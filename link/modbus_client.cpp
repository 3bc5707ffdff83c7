#include "link/modbus_client.h"

#include <algorithm>

namespace {
// Silence that ends an answer to another request, or that a held answer waits for: far longer
// than a gap inside a burst of answers, far shorter than the response timeout.
constexpr int kQuietMs = 50;

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

void TModbusClient::ReadHoldingRegisters(uint8_t slave, uint16_t start, uint16_t count) {
    SendRead(rtu::kReadHolding, slave, start, count);
}

void TModbusClient::ReadInputRegisters(uint8_t slave, uint16_t start, uint16_t count) {
    SendRead(rtu::kReadInput, slave, start, count);
}

void TModbusClient::WriteMultipleRegisters(uint8_t slave, uint16_t start, const uint8_t* data,
                                           uint16_t count) {
    SendWrite(rtu::kWriteMultiple, slave, start, data, count);
}

void TModbusClient::WriteFirmwareChunk(uint8_t slave, uint16_t start, const uint8_t* data,
                                       uint16_t count) {
    SendWrite(rtu::kFirmwareChunk, slave, start, data, count);
}

void TModbusClient::SendCommand101(uint8_t slave, uint16_t a, uint16_t b, uint16_t c) {
    if (IsBusy())
        return;
    Transmit(rtu::BuildCommand(slave, a, b, c, transmit_));
    expectedLength_ = rtu::ExpectedAnswerLength(rtu::kCommand, 0);
}

void TModbusClient::SendRead(uint8_t function, uint8_t slave, uint16_t start, uint16_t count) {
    if (IsBusy())
        return;
    const int length = rtu::BuildRead(function, slave, start, count, transmit_);
    if (length == 0)
        return;
    if (function == rtu::kReadHolding)
        extraTimeout_ += count;
    Transmit(length);
    expectedLength_ = rtu::ExpectedAnswerLength(function, count);
    result_.DataByteCount = 2 * (count & 0xFF);
}

void TModbusClient::SendWrite(uint8_t function, uint8_t slave, uint16_t start, const uint8_t* data,
                              uint16_t count) {
    if (IsBusy())
        return;
    const int length = rtu::BuildWrite(function, slave, start, data, count, transmit_);
    if (length == 0)
        return;
    extraTimeout_ = function == rtu::kWriteMultiple ? 100 : 200;
    Transmit(length);
    expectedLength_ = rtu::ExpectedAnswerLength(function, count);
    result_.DataByteCount = 2 * (count & 0xFF);
}

void TModbusClient::NewLine() {
    owed_.Clear();
    answerTime_.Reset();
    answerMissed_ = false;
    lastAnswerLength_ = 0;
}

void TModbusClient::Transmit(int length) {
    // Taken before OnSend: a send that throws must not leave its allowance to the next one.
    const int interval = RequestInterval();
    extraTimeout_ = 0;
    transmitLength_ = length;
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
    phase_ = Phase::Deferred;
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
    phase_ = Phase::Awaiting;
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
        const int length = rtu::SelfAnnouncedLength(Received());
        if (length > kModbusBufferSize) {
            receiveCount_ = 0;
            return;
        }
        if (receiveCount_ < length)
            return;
        const OwedAnswers::Entry* owed =
            rtu::CrcMatches(receive_, length)
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
    if (phase_ == Phase::Deferred) {
        TakeWhileQuiet(data, count);
        return;
    }
    timer_.SetEnabled(false);
    timer_.SetEnabled(true);
    if (!BelongsToRequest()) {
        KeepDraining();
        return;
    }
    if (Held())
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
    const rtu::AnswerCheck check =
        rtu::CheckAnswer(Request(), receive_, receiveCount_, expectedLength_);
    expectedLength_ = check.length;
    switch (check.verdict) {
    case rtu::Verdict::Partial:
        return;
    case rtu::Verdict::Foreign:
        // Out of step with the line: what follows (the rest of it, or a queue of answers to
        // earlier requests) belongs elsewhere too. The bad frame is reported once the line is
        // quiet, so that none of it is taken for the answer to the next request.
        timer_.SetInterval(kQuietMs);
        KeepDraining();
        return;
    case rtu::Verdict::BadCrc:
        answerArrived_ = true;
        result_.Status = mrBadFrame;
        Finish();
        return;
    case rtu::Verdict::Exception:
        answerArrived_ = true;
        result_.Status = mrException;
        result_.ExceptionCode = receive_[2];
        // Shown as received by the traffic monitor; the dispatcher reads no frame of it.
        std::copy_n(receive_.begin(), rtu::kExceptionLength, result_.Frame.begin());
        Finish();
        return;
    case rtu::Verdict::Confirmed:
        break;
    }
    phase_ = HoldNeeded();
    if (phase_ == Phase::Awaiting) {
        AcceptAnswer();
        return;
    }
    if (receiveCount_ > expectedLength_) {
        DropHeldAnswer();
        Examine();
        return;
    }
    if (phase_ == Phase::HeldUntilQuiet)
        timer_.SetInterval(kQuietMs);
}

// Answers come in the order of their requests. After a request that went without its answer,
// this one may be an answer the unit still owed: it is taken once the line stays quiet behind
// it. One that repeats the last answer byte for byte although the request differs is most
// likely a copy of it: it gives way to what follows, and with nothing behind it the request
// times out; the retry comes after a missed answer, so two blocks that hold the same cost one
// timeout.
TModbusClient::Phase TModbusClient::HoldNeeded() const {
    if (answerMissed_)
        return Phase::HeldUntilQuiet;
    const bool repeated =
        expectedLength_ == lastAnswerLength_ &&
        std::equal(receive_.begin(), receive_.begin() + expectedLength_, lastAnswer_.begin());
    const bool sameRequest = transmitLength_ == answeredRequestLength_ &&
                             std::equal(transmit_.begin(), transmit_.begin() + transmitLength_,
                                        answeredRequest_.begin());
    return repeated && !sameRequest ? Phase::HeldUntilFollowed : Phase::Awaiting;
}

// Bytes behind a held answer: it was an earlier request's, and what follows starts afresh.
void TModbusClient::DropHeldAnswer() {
    if (phase_ == Phase::HeldUntilQuiet) {
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
    phase_ = Phase::Awaiting;
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

// A line that never falls quiet still gets a result now and then.
void TModbusClient::KeepDraining() {
    if (static_cast<int>(time_.TickMs() - sendTime_) < requestInterval_)
        return;
    result_.Status = mrBadFrame;
    Finish();
}

void TModbusClient::OnTimeout() {
    if (phase_ == Phase::Deferred) {
        SendAfterQuiet();
        return;
    }
    if (phase_ == Phase::HeldUntilQuiet) {
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
    phase_ = Phase::Idle;
    answerMissed_ = result_.Status == mrTimeout || result_.Status == mrBadFrame;
    if (answerMissed_ && !answerArrived_)
        owed_.Add(requestKey_, sendTime_);
    ResultReset reset{result_, receiveCount_};
    if (OnResult)
        OnResult(result_);
}
