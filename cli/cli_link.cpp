#include "cli/cli_link.h"

#include "core/uncaught_error.h"
#include "data/factory_defaults.h"

namespace {
constexpr int kReceiveChunk = 256;
} // namespace

CliLink::CliLink(int fixedPort, const PortPathOverrides& paths, QObject* parent) : QObject(parent) {
    port_.BaudRate = br19200;
    port_.Stopbits = sbTwo;
    port_.PortPaths = paths;
    // The first detection step moves on to COM1, or takes the pinned port.
    port_.SetComNumber(0);
    delay_.setSingleShot(true);
    session_ = std::make_unique<ControllerSession>(
        port_, time_, static_cast<CommunicationLog&>(*this), static_cast<DelayTimer&>(*this));
    session_->Detector().SetFixedPort(fixedPort);
    port_.OnDataRecived = [this](TAfComPort*, int count) {
        RunGuarded([&] { ReceiveData(count); });
    };
    port_.OnDeviceLost = [this] {
        RunGuarded([this] { session_->Detector().DeviceLost(port_.ComNumber()); });
    };
    connect(&delay_, &QTimer::timeout, this,
            [this] { RunGuarded([this] { session_->Detector().DelayExpired(); }); });
}

CliLink::~CliLink() {
    port_.OnDataRecived = nullptr;
    session_->Close();
}

void CliLink::Begin() {
    ApplyFactoryDefaults(session_->Images());
    Start(TPortDetector::kDelayMs);
}

void CliLink::ReceiveData(int count) {
    uint8_t buffer[kReceiveChunk];
    while (count > 0) {
        const int piece = count < kReceiveChunk ? count : kReceiveChunk;
        port_.ReadData(buffer, piece);
        session_->ReceiveBytes(buffer, piece);
        count -= piece;
    }
}

void CliLink::KomStsLog(const QString& text, bool append, bool replace) {
    if (!openLine_ || (!append && !replace)) {
        FlushLog();
        openLine_ = text;
    } else if (replace) {
        openLine_ = text;
    } else {
        *openLine_ += text;
    }
}

void CliLink::FlushLog() {
    if (openLine_ && OnLogLine)
        OnLogLine(*openLine_);
    openLine_.reset();
}

void CliLink::AdvanceProgress(int step) {
    if (OnProgress)
        OnProgress(step);
}

void CliLink::Start(int intervalMs) {
    delay_.start(intervalMs);
}

void CliLink::Stop() {
    delay_.stop();
}
