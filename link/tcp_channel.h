#pragma once
// A network connection as the link's byte channel: to a serial device server that passes the
// RTU frames as they are, or to a Modbus TCP gateway, where each RTU request leaves as an
// MBAP frame and each answer comes back as an RTU frame. Connecting never blocks; it gives up
// after a while.

#include "link/byte_channel.h"
#include "link/mbap_codec.h"
#include "link/remote_address.h"

#include <QObject>
#include <QTcpSocket>
#include <QTimer>
#include <array>

class TcpChannel : public QObject, public ByteChannel {
    Q_OBJECT
public:
    static constexpr int kConnectTimeoutMs = 5000;
    // The most that may wait unsent: far more than a request.
    static constexpr int kSendRoom = 4096;

    explicit TcpChannel(QObject* parent = nullptr);
    ~TcpChannel() override;

    void SetAddress(const RemoteAddress& address) { address_ = address; }
    void SetConnectTimeout(int ms) { connectTimeoutMs_ = ms; }

    OpenStep Open() override;
    void Close() override;
    bool IsOpen() const override { return open_; }
    bool IsOpening() const override { return opening_; }
    bool Write(const uint8_t* data, int count) override;
    int BytesAvailable() const override;
    int Read(uint8_t* buffer, int count) override;
    ChannelFailure LastFailure() const override { return lastFailure_; }

private:
    void Connected();
    void Lose(ChannelFailure why);
    void SocketError(QAbstractSocket::SocketError error);
    void Arrived();
    void TakeGatewayFrames();

    QTcpSocket socket_;
    QTimer connectTimer_;
    RemoteAddress address_;
    int connectTimeoutMs_ = kConnectTimeoutMs;
    bool open_ = false;
    bool opening_ = false;
    ChannelFailure lastFailure_ = ChannelFailure::None;
    // Modbus TCP only: the last request's transaction id, the stream in, the answers out.
    uint16_t transaction_ = 0;
    mbap::Assembler incoming_;
    std::array<uint8_t, mbap::kLongestFrame> frame_{};
    std::array<uint8_t, 2 * mbap::kLongestRtu> answers_{};
    int answerCount_ = 0;
};

// The cause a socket error stands for.
ChannelFailure SocketFailure(QAbstractSocket::SocketError error);
