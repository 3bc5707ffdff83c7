#include "link/tcp_channel.h"

#include <algorithm>

namespace {
constexpr int kReadPiece = 256;
} // namespace

ChannelFailure SocketFailure(QAbstractSocket::SocketError error) {
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return ChannelFailure::Refused;
    case QAbstractSocket::RemoteHostClosedError:
        return ChannelFailure::ClosedByPeer;
    case QAbstractSocket::HostNotFoundError:
        return ChannelFailure::HostNotFound;
    case QAbstractSocket::SocketTimeoutError:
        return ChannelFailure::TimedOut;
    case QAbstractSocket::NetworkError:
        return ChannelFailure::Unreachable;
    default:
        break;
    }
    return ChannelFailure::NetworkError;
}

TcpChannel::TcpChannel(QObject* parent) : QObject(parent) {
    connectTimer_.setSingleShot(true);
    connect(&connectTimer_, &QTimer::timeout, this, [this] { Lose(ChannelFailure::TimedOut); });
    connect(&socket_, &QTcpSocket::connected, this, [this] { Connected(); });
    connect(&socket_, &QTcpSocket::readyRead, this, [this] { Arrived(); });
    connect(&socket_, &QTcpSocket::errorOccurred, this,
            [this](QAbstractSocket::SocketError error) { SocketError(error); });
    connect(&socket_, &QTcpSocket::disconnected, this, [this] {
        if (open_)
            Lose(ChannelFailure::ClosedByPeer);
    });
}

TcpChannel::~TcpChannel() {
    Close();
}

ByteChannel::OpenStep TcpChannel::Open() {
    if (open_)
        return OpenStep::Opened;
    if (opening_)
        return OpenStep::Pending;
    lastFailure_ = ChannelFailure::None;
    if (address_.host.isEmpty() || address_.port == 0) {
        lastFailure_ = ChannelFailure::BadAddress;
        return OpenStep::Failed;
    }
    opening_ = true;
    transaction_ = 0;
    incoming_.Clear();
    answerCount_ = 0;
    connectTimer_.start(connectTimeoutMs_);
    // The host name is looked up in the background as well.
    socket_.connectToHost(address_.host, address_.port);
    return OpenStep::Pending;
}

void TcpChannel::Close() {
    connectTimer_.stop();
    opening_ = false;
    open_ = false;
    incoming_.Clear();
    answerCount_ = 0;
    // Abort drops what is queued and sends no goodbye a gateway would have to wait for.
    socket_.abort();
}

void TcpChannel::Connected() {
    connectTimer_.stop();
    opening_ = false;
    open_ = true;
    // Requests are small and each waits for its answer: send them at once.
    socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    if (OnOpened)
        OnOpened();
}

void TcpChannel::SocketError(QAbstractSocket::SocketError error) {
    if (!open_ && !opening_)
        return;
    Lose(SocketFailure(error));
}

void TcpChannel::Lose(ChannelFailure why) {
    if (!open_ && !opening_)
        return;
    Close();
    lastFailure_ = why;
    if (OnLost)
        OnLost(why);
}

bool TcpChannel::Write(const uint8_t* data, int count) {
    if (!open_ || socket_.bytesToWrite() + count > kSendRoom)
        return false;
    // An answer not read by now belongs to no request any more.
    answerCount_ = 0;
    if (address_.kind == RemoteKind::RtuOverTcp) {
        socket_.skip(socket_.bytesAvailable());
        return socket_.write(reinterpret_cast<const char*>(data), count) == count;
    }
    ++transaction_;
    const int length = mbap::RtuToMbap(data, count, transaction_, frame_.data());
    // A frame that is no RTU frame has no Modbus TCP form: it is lost as on a noisy line.
    if (length == 0)
        return true;
    return socket_.write(reinterpret_cast<const char*>(frame_.data()), length) == length;
}

int TcpChannel::BytesAvailable() const {
    if (address_.kind == RemoteKind::RtuOverTcp)
        return open_ ? static_cast<int>(socket_.bytesAvailable()) : 0;
    return answerCount_;
}

int TcpChannel::Read(uint8_t* buffer, int count) {
    if (address_.kind == RemoteKind::RtuOverTcp) {
        const qint64 got = open_ ? socket_.read(reinterpret_cast<char*>(buffer), count) : 0;
        return got < 0 ? 0 : static_cast<int>(got);
    }
    const int taken = std::min(count, answerCount_);
    std::copy_n(answers_.begin(), taken, buffer);
    std::copy(answers_.begin() + taken, answers_.begin() + answerCount_, answers_.begin());
    answerCount_ -= taken;
    return taken;
}

void TcpChannel::Arrived() {
    if (!open_)
        return;
    if (address_.kind == RemoteKind::ModbusTcp)
        TakeGatewayFrames();
    if (BytesAvailable() > 0 && OnBytesArrived)
        OnBytesArrived();
}

// Only the answer to the request in flight is passed on: one with another transaction id is
// late or foreign, and an RTU master could not tell it from its own.
void TcpChannel::TakeGatewayFrames() {
    uint8_t piece[kReadPiece];
    while (socket_.bytesAvailable() > 0) {
        const qint64 got = socket_.read(reinterpret_cast<char*>(piece), sizeof piece);
        if (got <= 0)
            return;
        for (int at = 0; at < got;) {
            at += incoming_.Append(piece + at, static_cast<int>(got) - at);
            for (;;) {
                const mbap::Assembler::Step step = incoming_.Next();
                if (step != mbap::Assembler::Step::Frame)
                    break;
                const uint8_t* frame = incoming_.Front();
                if (mbap::Transaction(frame) == transaction_ &&
                    answerCount_ + mbap::kLongestRtu <= static_cast<int>(answers_.size()))
                    answerCount_ += mbap::MbapToRtu(frame, incoming_.FrontLength(),
                                                    answers_.data() + answerCount_);
                incoming_.Pop();
            }
        }
    }
}
