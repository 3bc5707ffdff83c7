// The network channel against a server in the test: connecting, the causes of failures, and
// the Modbus TCP translation at its edge.

#include "link/modbus_client.h"
#include "link/tcp_channel.h"
#include "tests/support/test_registry.h"
#include "tests/support/with_crc.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <vector>

namespace {
using Bytes = std::vector<uint8_t>;

QByteArray raw(const Bytes& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

constexpr int kWaitMs = 10000;
} // namespace

class TestTcpChannel : public QObject {
    Q_OBJECT

    QTcpServer server;
    QPointer<QTcpSocket> peer;
    TcpChannel channel;
    std::vector<ChannelFailure> losses;
    int opened = 0;
    Bytes received;

    void Open(RemoteKind kind) {
        channel.SetAddress(RemoteAddress{kind, QStringLiteral("127.0.0.1"), server.serverPort()});
        QCOMPARE(channel.Open(), ByteChannel::OpenStep::Pending);
        QVERIFY(channel.IsOpening());
        QTRY_COMPARE_WITH_TIMEOUT(opened, 1, kWaitMs);
        QVERIFY(channel.IsOpen());
        QTRY_VERIFY_WITH_TIMEOUT(peer, kWaitMs);
    }

private Q_SLOTS:
    void init() {
        QVERIFY(server.listen(QHostAddress::LocalHost));
        connect(&server, &QTcpServer::newConnection, this,
                [this] { peer = server.nextPendingConnection(); });
        losses.clear();
        opened = 0;
        received.clear();
        channel.OnOpened = [this] { ++opened; };
        channel.OnLost = [this](ChannelFailure why) { losses.push_back(why); };
        channel.OnBytesArrived = [this] {
            uint8_t buffer[256];
            const int got = channel.Read(buffer, sizeof buffer);
            received.insert(received.end(), buffer, buffer + got);
        };
    }
    void cleanup() {
        channel.Close();
        if (peer)
            peer->abort();
        server.close();
        server.disconnect(this);
    }

    // A port where nobody listens refuses; the channel is closed and says why.
    void refusedConnectionIsAFailedOpen() {
        const uint16_t port = server.serverPort();
        server.close();
        channel.SetAddress(
            RemoteAddress{RemoteKind::RtuOverTcp, QStringLiteral("127.0.0.1"), port});
        QCOMPARE(channel.Open(), ByteChannel::OpenStep::Pending);
        QTRY_COMPARE_WITH_TIMEOUT(losses.size(), size_t(1), kWaitMs);
        QCOMPARE(losses[0], ChannelFailure::Refused);
        QVERIFY(!channel.IsOpen() && !channel.IsOpening());
        QCOMPARE(opened, 0);
    }

    // RTU frames pass as they are both ways; the other end closing is a lost link.
    void rtuFramesPassAsTheyAre() {
        Open(RemoteKind::RtuOverTcp);
        const Bytes request = WithCrc({5, 4, 0, 0x10, 0, 1});
        QVERIFY(channel.Write(request.data(), int(request.size())));
        QTRY_COMPARE_WITH_TIMEOUT(peer->bytesAvailable(), qint64(request.size()), kWaitMs);
        QCOMPARE(peer->readAll(), raw(request));
        const Bytes answer = WithCrc({5, 4, 2, 0x12, 0x34});
        peer->write(raw(answer));
        QTRY_COMPARE_WITH_TIMEOUT(received, answer, kWaitMs);
        peer->close();
        QTRY_COMPARE_WITH_TIMEOUT(losses.size(), size_t(1), kWaitMs);
        QCOMPARE(losses[0], ChannelFailure::ClosedByPeer);
        QVERIFY(!channel.IsOpen());
    }

    // To a gateway a request leaves without its CRC behind an MBAP header; only the answer
    // with the request's transaction id comes back, as an RTU frame with its CRC.
    void gatewayAnswersOfOtherTransactionsAreDropped() {
        Open(RemoteKind::ModbusTcp);
        const Bytes request = WithCrc({5, 3, 0x08, 0x00, 0, 1});
        QVERIFY(channel.Write(request.data(), int(request.size())));
        QTRY_COMPARE_WITH_TIMEOUT(peer->bytesAvailable(), qint64(12), kWaitMs);
        const QByteArray mbap = peer->readAll();
        QCOMPARE(mbap.mid(2), QByteArray::fromHex("0000000605030800 0001"));
        const QByteArray id = mbap.left(2);
        const QByteArray wrongId = QByteArray::fromHex("7777");
        const QByteArray pdu = QByteArray::fromHex("0000000505030212 34");
        // A late answer of another transaction, then ours split in two pieces.
        peer->write(wrongId + pdu);
        peer->write(id + pdu.left(3));
        peer->flush();
        QTest::qWait(50);
        peer->write(pdu.mid(3));
        const Bytes answer = WithCrc({5, 3, 2, 0x12, 0x34});
        QTRY_COMPARE_WITH_TIMEOUT(received, answer, kWaitMs);
        QTest::qWait(50);
        QCOMPARE(received, answer);
    }

    // A connection that never gets through ends on the timeout, never blocking.
    void connectingGivesUpInTime() {
        channel.SetConnectTimeout(1);
        channel.SetAddress(RemoteAddress{RemoteKind::RtuOverTcp, QStringLiteral("127.0.0.1"),
                                         server.serverPort()});
        server.pauseAccepting();
        QCOMPARE(channel.Open(), ByteChannel::OpenStep::Pending);
        QTRY_COMPARE_WITH_TIMEOUT(losses.size() + size_t(opened), size_t(1), kWaitMs);
        channel.SetConnectTimeout(TcpChannel::kConnectTimeoutMs);
        // On the loopback the connection may get through before the timer's turn.
        if (opened == 0)
            QCOMPARE(losses[0], ChannelFailure::TimedOut);
    }
};

VT12_TEST(TestTcpChannel, TestApplication::Core)
#include "tst_tcp_channel.moc"
