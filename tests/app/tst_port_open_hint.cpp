#include "app/port_open_hint.h"

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

    void nothingWhenItOpened() {
        QVERIFY(PortOpenHint(1, dir.path(), OpenFailure::None).isEmpty());
    }
};

VT12_TEST(TestPortOpenHint, TestApplication::Core)
#include "tst_port_open_hint.moc"
