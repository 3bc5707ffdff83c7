#pragma once
// The simulator's end of a network line on the loopback address, one connection at a time
// (a newer one replaces the older, as on a serial device server). Plain, the RTU frames pass
// as they are; as a Modbus TCP gateway each MBAP request reaches the unit as an RTU frame and
// each answer goes back with the transaction id of the request it follows.

#include "link/mbap_codec.h"
#include "sim/line_port.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

namespace vt12sim {

class TcpLinePort : public LinePort {
    Q_OBJECT

public:
    explicit TcpLinePort(bool modbusTcp, QObject* parent = nullptr);

    // Refuses any but a loopback address.
    bool listen(const QHostAddress& address, uint16_t port, QString* error);
    // "tcp://127.0.0.1:5020" or "modbus-tcp://..." with the port actually taken.
    QString url() const;

    // The connection is reset when the nth request of this function arrives, once.
    void dropConnectionOn(int function, int nth) {
        dropOn_ = function;
        dropCountdown_ = nth;
    }

    void write(const QByteArray& bytes) override;
    qsizetype drain() override;

private:
    void takeConnection();
    void takeGatewayRequests(const QByteArray& bytes);
    void sendGatewayAnswers();
    // Resets the connection if the request is the one to drop it on.
    bool dropsOn(const QByteArray& request);

    bool modbusTcp_;
    QTcpServer server_;
    QPointer<QTcpSocket> client_;
    mbap::Assembler requests_;
    uint16_t transaction_ = 0;
    QByteArray answers_;
    int dropOn_ = 0;
    int dropCountdown_ = 0;
};

// Length of the RTU answer at the start of bytes, CRC included; 0 while unknown.
qsizetype rtuAnswerLength(const QByteArray& bytes);

} // namespace vt12sim
