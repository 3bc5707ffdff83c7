#include "app/persisted_settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
void write(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestPersistedSettings : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString ini() const { return dir.filePath("Settings.ini"); }

private Q_SLOTS:
    void init() { QFile::remove(ini()); }

    void readValues_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("dir");
        QTest::newRow("missing file") << QByteArray() << 1 << "/prog/";
        QTest::newRow("port 4") << QByteArray("[Last]\nPort=4\nDir=/data\n") << 4 << "/data";
        QTest::newRow("names in other case") << QByteArray("[last]\nPORT=6\n") << 6 << "/prog/";
        QTest::newRow("port not a number") << QByteArray("[Last]\nPort=abc\n") << 1 << "/prog/";
        QTest::newRow("key of another section")
            << QByteArray("[Other]\nPort=9\n[Last]\nDir=D:\\vt12\n") << 1 << "D:\\vt12";
    }
    void readValues() {
        QFETCH(QByteArray, content);
        QFETCH(int, port);
        QFETCH(QString, dir);
        if (!content.isEmpty())
            write(ini(), content);
        const PersistedSettings settings = LoadPersistedSettings(ini(), "/prog/");
        QCOMPARE(settings.port, port);
        QCOMPARE(settings.dir, dir);
    }

    void missingFileIsCreatedAtSave() {
        QVERIFY(SavePersistedSettings(ini(), 3, "/prog/"));
        const PersistedSettings settings = LoadPersistedSettings(ini(), "/elsewhere/");
        QCOMPARE(settings.port, 3);
        QCOMPARE(settings.dir, QStringLiteral("/prog/"));
    }

    void saveKeepsWhatItDoesNotOwn() {
        write(ini(), "; kept\n[Ports]\nCOM3=/dev/ttyACM0\n\n[Last]\nPort=2\nDir=/x\nExtra=1\n");
        QVERIFY(SavePersistedSettings(ini(), 5, "/x"));
        QCOMPARE(
            read(ini()),
            QByteArray("; kept\n[Ports]\nCOM3=/dev/ttyACM0\n\n[Last]\nPort=5\nDir=/x\nExtra=1\n"));
        const PersistedSettings settings = LoadPersistedSettings(ini(), "/prog/");
        QCOMPARE(settings.portPaths.value("COM3"), QStringLiteral("/dev/ttyACM0"));
    }

    void portPathsResolveInOrder() {
        const PortPathOverrides overrides{{"COM2", "/dev/ttyACM0"}};
        qunsetenv("VT12_PORT_DIR");
        QCOMPARE(PortDevicePath(2, overrides), QStringLiteral("/dev/ttyACM0"));
        QCOMPARE(PortDevicePath(4, overrides), QStringLiteral("/dev/ttyUSB3"));
        qputenv("VT12_PORT_DIR", dir.path().toUtf8());
        QCOMPARE(PortDevicePath(2, overrides), dir.filePath("COM2"));
        qunsetenv("VT12_PORT_DIR");
    }

    void programDirectoryEndsInASeparator() {
        qputenv("VT12_PROGRAM_DIR", dir.path().toUtf8());
        QVERIFY(ProgramDirectory().endsWith('/'));
        QCOMPARE(SettingsIniPath(ProgramDirectory()), ini());
        qunsetenv("VT12_PROGRAM_DIR");
    }
};

QTEST_GUILESS_MAIN(TestPersistedSettings)
#include "tst_persisted_settings.moc"
