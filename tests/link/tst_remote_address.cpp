#include "link/remote_address.h"
#include "tests/support/test_registry.h"

#include <QTest>

class TestRemoteAddress : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // What a mapping names: a serial device, a remote port, or a remote port written wrongly,
    // which must never be taken for a device path.
    void mappings_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("remote");
        QTest::addColumn<QString>("url");
        QTest::newRow("device") << "/dev/ttyUSB0" << false << "";
        QTest::newRow("tcp") << "tcp://10.0.0.5:4001" << true << "tcp://10.0.0.5:4001";
        QTest::newRow("upper case, blanks")
            << " TCP://plant-4.local:502 " << true << "tcp://plant-4.local:502";
        QTest::newRow("modbus-tcp")
            << "modbus-tcp://127.0.0.1:502" << true << "modbus-tcp://127.0.0.1:502";
        QTest::newRow("ipv6") << "tcp://[::1]:5020" << true << "tcp://[::1]:5020";
        QTest::newRow("no port") << "tcp://10.0.0.5" << true << "";
        QTest::newRow("port 0") << "tcp://10.0.0.5:0" << true << "";
        QTest::newRow("port too big") << "tcp://10.0.0.5:70000" << true << "";
        QTest::newRow("no host") << "tcp://:4001" << true << "";
        QTest::newRow("a path") << "tcp://10.0.0.5:4001/x" << true << "";
        QTest::newRow("a user") << "tcp://me@10.0.0.5:4001" << true << "";
        QTest::newRow("other scheme") << "udp://10.0.0.5:4001" << false << "";
    }
    void mappings() {
        QFETCH(QString, text);
        QFETCH(bool, remote);
        QFETCH(QString, url);
        QCOMPARE(IsRemoteMapping(text), remote);
        const std::optional<RemoteAddress> address = ParseRemoteAddress(text);
        QCOMPARE(address.has_value(), !url.isEmpty());
        if (address)
            QCOMPARE(address->Url(), url);
    }
};

VT12_TEST(TestRemoteAddress, TestApplication::Core)
#include "tst_remote_address.moc"
