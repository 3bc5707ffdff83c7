#include "sim/tcp_line_port.h"

namespace vt12sim {

namespace {
constexpr uint8_t kCommand = 101;
constexpr qsizetype kWriteAnswerLength = 8;
constexpr qsizetype kExceptionLength = 5;
} // namespace

qsizetype rtuAnswerLength(const QByteArray& bytes) {
    if (bytes.size() < 2) {
        return 0;
    }
    const auto function = static_cast<uint8_t>(bytes[1]);
    if (function >= 0x80) {
        return kExceptionLength;
    }
    if (function == 3 || function == 4 || function == kCommand) {
        return bytes.size() < 3 ? 0 : static_cast<uint8_t>(bytes[2]) + 5;
    }
    return kWriteAnswerLength;
}

TcpLinePort::TcpLinePort(bool modbusTcp, QObject* parent)
    : LinePort(parent), modbusTcp_(modbusTcp) {
    connect(&server_, &QTcpServer::newConnection, this, &TcpLinePort::takeConnection);
}

bool TcpLinePort::listen(const QHostAddress& address, uint16_t port, QString* error) {
    if (!address.isLoopback()) {
        *error = QStringLiteral("listens on the loopback address only, not on %1")
                     .arg(address.toString());
        return false;
    }
    if (!server_.listen(address, port)) {
        *error = QStringLiteral("cannot listen on %1:%2: %3")
                     .arg(address.toString())
                     .arg(port)
                     .arg(server_.errorString());
        return false;
    }
    return true;
}

QString TcpLinePort::url() const {
    const QString host = server_.serverAddress().protocol() == QAbstractSocket::IPv6Protocol
                             ? u'[' + server_.serverAddress().toString() + u']'
                             : server_.serverAddress().toString();
    return QStringLiteral("%1://%2:%3")
        .arg(modbusTcp_ ? QStringLiteral("modbus-tcp") : QStringLiteral("tcp"), host)
        .arg(server_.serverPort());
}

void TcpLinePort::takeConnection() {
    while (QTcpSocket* next = server_.nextPendingConnection()) {
        if (client_) {
            client_->abort();
            client_->deleteLater();
        }
        client_ = next;
        requests_.Clear();
        answers_.clear();
        next->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        connect(next, &QTcpSocket::readyRead, this, &TcpLinePort::drain);
        connect(next, &QTcpSocket::disconnected, next, &QObject::deleteLater);
    }
}

qsizetype TcpLinePort::drain() {
    if (!client_) {
        return 0;
    }
    const QByteArray bytes = client_->readAll();
    if (bytes.isEmpty()) {
        return 0;
    }
    if (modbusTcp_) {
        takeGatewayRequests(bytes);
    } else if (!dropsOn(bytes)) {
        emit received(bytes);
    }
    return bytes.size();
}

bool TcpLinePort::dropsOn(const QByteArray& request) {
    if (dropOn_ == 0 || request.size() < 2 || static_cast<uint8_t>(request[1]) != dropOn_ ||
        !client_ || --dropCountdown_ > 0) {
        return false;
    }
    dropOn_ = 0;
    client_->abort();
    return true;
}

void TcpLinePort::takeGatewayRequests(const QByteArray& bytes) {
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.constData());
    uint8_t rtu[mbap::kLongestRtu];
    for (qsizetype at = 0; at < bytes.size();) {
        at += requests_.Append(data + at, static_cast<int>(bytes.size() - at));
        while (requests_.Next() == mbap::Assembler::Step::Frame) {
            // A gateway serves one request at a time: the answer that follows is this one's.
            transaction_ = mbap::Transaction(requests_.Front());
            const int length = mbap::MbapToRtu(requests_.Front(), requests_.FrontLength(), rtu);
            requests_.Pop();
            answers_.clear();
            const QByteArray request(reinterpret_cast<const char*>(rtu), length);
            if (dropsOn(request)) {
                return;
            }
            emit received(request);
        }
    }
}

void TcpLinePort::write(const QByteArray& bytes) {
    if (!client_) {
        return;
    }
    if (!modbusTcp_) {
        client_->write(bytes);
        return;
    }
    answers_.append(bytes);
    sendGatewayAnswers();
}

// A gateway passes on only whole answers with a good CRC, as Modbus TCP frames.
void TcpLinePort::sendGatewayAnswers() {
    uint8_t frame[mbap::kLongestFrame];
    for (;;) {
        const qsizetype length = rtuAnswerLength(answers_);
        if (length == 0 || answers_.size() < length) {
            return;
        }
        const int framed = mbap::RtuToMbap(reinterpret_cast<const uint8_t*>(answers_.constData()),
                                           static_cast<int>(length), transaction_, frame);
        answers_.remove(0, length);
        if (framed > 0) {
            client_->write(reinterpret_cast<const char*>(frame), framed);
        }
    }
}

} // namespace vt12sim
