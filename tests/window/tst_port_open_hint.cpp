#include "window/port_open_hint.h"

#include "tests/support/test_registry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestPortOpenHint : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private Q_SLOTS:
    // Each cause gets its own explanation; which one a "no device" is, the path decides.
    void eachCauseExplained_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("says");
        QFile file(dir.filePath(QStringLiteral("ttyFile")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QString missing = dir.filePath(QStringLiteral("ttyUSB9"));
        QTest::newRow("missing") << missing << int(OpenFailure::NoDevice) << "no such device";
        QTest::newRow("a file") << file.fileName() << int(OpenFailure::NoDevice) << "not a device";
        QTest::newRow("a folder") << dir.path() << int(OpenFailure::NoDevice) << "not a device";
        QTest::newRow("permission") << missing << int(OpenFailure::NoPermission) << "dialout";
        QTest::newRow("busy") << missing << int(OpenFailure::InUse) << "another program";
        QTest::newRow("line settings") << missing << int(OpenFailure::Settings) << "19200 baud";
        const QString remote = QStringLiteral("tcp://10.0.0.5:4001");
        QTest::newRow("refused") << remote << int(OpenFailure::Refused) << "refused";
        QTest::newRow("unreachable") << remote << int(OpenFailure::Unreachable) << "reached";
        QTest::newRow("no such host") << remote << int(OpenFailure::HostNotFound) << "not known";
        QTest::newRow("no connection in time") << remote << int(OpenFailure::TimedOut) << "in time";
        QTest::newRow("bad address") << "tcp://x" << int(OpenFailure::BadAddress) << "HOST:PORT";
    }
    void eachCauseExplained() {
        QFETCH(QString, path);
        QFETCH(int, failure);
        QFETCH(QString, says);
        const QString hint = PortOpenHint(4, path, OpenFailure(failure));
        QVERIFY2(hint.startsWith(QStringLiteral("COM4 (%1) cannot be opened: ").arg(path)),
                 qPrintable(hint));
        QVERIFY2(hint.contains(says), qPrintable(hint));
    }

    // A link lost on the way names the port, where it leads and the cause.
    void lostLinkNamesHostAndCause_data() {
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("says");
        QTest::newRow("closed or reset") << int(OpenFailure::ClosedByPeer) << "closed or reset";
        QTest::newRow("device pulled") << int(OpenFailure::DeviceLost) << "device went away";
    }
    void lostLinkNamesHostAndCause() {
        QFETCH(int, failure);
        QFETCH(QString, says);
        const QString hint =
            PortLostHint(4, QStringLiteral("modbus-tcp://10.0.0.5:502"), OpenFailure(failure));
        QVERIFY2(hint.startsWith(QStringLiteral("COM4 (modbus-tcp://10.0.0.5:502) was lost: ")),
                 qPrintable(hint));
        QVERIFY2(hint.contains(says), qPrintable(hint));
    }

    void nothingWhenItOpened() {
        QVERIFY(PortOpenHint(1, dir.path(), OpenFailure::None).isEmpty());
    }
};

VT12_TEST(TestPortOpenHint, TestApplication::Core)
#include "tst_port_open_hint.moc"
