// Which device a port number opens: the port directory, the per-port paths, the default.

#include "link/port_path.h"

#include "tests/support/test_registry.h"

#include <QDir>
#include <QTest>

class TestPortPath : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { qunsetenv("VT12_PORT_DIR"); }

    void resolvesInOrder_data() {
        QTest::addColumn<QString>("portDir");
        QTest::addColumn<QString>("override");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("path");
        const QString here = QDir::currentPath();
        QTest::newRow("default") << QString() << QString() << 4 << "/dev/ttyUSB3";
        QTest::newRow("port 1") << QString() << QString() << 1 << "/dev/ttyUSB0";
        QTest::newRow("override") << QString() << "/dev/ttyACM0" << 2 << "/dev/ttyACM0";
        QTest::newRow("override of another port")
            << QString() << "/dev/ttyACM0" << 3 << "/dev/ttyUSB2";
        QTest::newRow("blank override") << QString() << "  " << 2 << "/dev/ttyUSB1";
        QTest::newRow("relative override")
            << QString() << " ports/ACM0 " << 2 << here + "/ports/ACM0";
        // Stable names under /dev/serial are links to the tty; they are opened as given.
        QTest::newRow("by id") << QString()
                               << "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"
                               << 2
                               << "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";
        QTest::newRow("by path") << QString()
                                 << "/dev/serial/by-path/pci-0000:00:14.0-usb-0:2:1.0-port0" << 2
                                 << "/dev/serial/by-path/pci-0000:00:14.0-usb-0:2:1.0-port0";
        QTest::newRow("port directory first") << "/tmp/ports"
                                              << "/dev/ttyACM0" << 2 << "/tmp/ports/COM2";
        QTest::newRow("relative port directory")
            << "ports" << QString() << 7 << here + "/ports/COM7";
        QTest::newRow("port directory of the working directory")
            << "." << QString() << 3 << here + "/COM3";
    }
    void resolvesInOrder() {
        QFETCH(QString, portDir);
        QFETCH(QString, override);
        QFETCH(int, number);
        QFETCH(QString, path);
        if (!portDir.isEmpty())
            qputenv("VT12_PORT_DIR", portDir.toUtf8());
        PortPathOverrides overrides;
        if (!override.isEmpty())
            overrides.insert("COM2", override);
        QCOMPARE(QDir::cleanPath(PortDevicePath(number, overrides)), path);
    }
};

VT12_TEST(TestPortPath, TestApplication::Core)
#include "tst_port_path.moc"
