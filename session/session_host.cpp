#include "session/session_host.h"

#include "core/uncaught_error.h"

namespace {
constexpr int kReceiveChunk = 256;
} // namespace

SessionHost::SessionHost(QObject* parent) : QObject(parent) {
    port_.BaudRate = br19200;
    port_.Stopbits = sbTwo;
    ownDelay_.setInterval(TPortDetector::kDelayMs);
    session_ = std::make_unique<ControllerSession>(
        port_, time_, static_cast<CommunicationLog&>(*this), static_cast<DelayTimer&>(*this));
    port_.OnDataRecived = [this](TAfComPort*, int count) {
        RunGuarded([&] { ReceiveData(count); });
    };
    port_.OnDeviceLost = [this] {
        RunGuarded([this] {
            const int port = port_.ComNumber();
            Q_EMIT DeviceLost(port);
            session_->Detector().DeviceLost(port);
        });
    };
    UseDelayTimer(ownDelay_);
}

SessionHost::~SessionHost() {
    Close();
}

void SessionHost::UseDelayTimer(QTimer& timer) {
    delay_->stop();
    disconnect(delayExpired_);
    delay_ = &timer;
    delayExpired_ = connect(delay_, &QTimer::timeout, this, [this] {
        RunGuarded([this] { session_->Detector().DelayExpired(); });
    });
}

void SessionHost::Close() {
    port_.OnDataRecived = nullptr;
    delay_->stop();
    session_->Close();
}

void SessionHost::ReceiveData(int count) {
    // More than one answer can hold is read in pieces; the client rejects it as a whole.
    uint8_t buffer[kReceiveChunk];
    while (count > 0) {
        const int piece = count < kReceiveChunk ? count : kReceiveChunk;
        port_.ReadData(buffer, piece);
        session_->ReceiveBytes(buffer, piece);
        count -= piece;
    }
}

void SessionHost::KomStsLog(const QString& text, bool append, bool replace) {
    Q_EMIT LogWritten(text, append, replace);
}

void SessionHost::JudgeLastLine(bool ok) {
    Q_EMIT LogLineJudged(ok);
}

void SessionHost::AdvanceProgress(int step) {
    Q_EMIT ProgressAdvanced(step);
}

void SessionHost::Start(int intervalMs) {
    delay_->start(intervalMs);
}

void SessionHost::Stop() {
    delay_->stop();
    delay_->setInterval(TPortDetector::kDelayMs);
}
