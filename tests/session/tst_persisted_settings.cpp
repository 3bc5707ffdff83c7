#include "session/persisted_settings.h"
#include "tests/support/bytes_read.h"

#include "tests/support/test_registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

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
        QTest::newRow("port 10") << QByteArray("[Last]\nPort=10\n") << 10 << "/prog/";
        QTest::newRow("port 11") << QByteArray("[Last]\nPort=11\n") << 1 << "/prog/";
        QTest::newRow("port 0") << QByteArray("[Last]\nPort=0\n") << 1 << "/prog/";
        QTest::newRow("lowest integer")
            << QByteArray("[Last]\nPort=-2147483648\n") << 1 << "/prog/";
        QTest::newRow("highest integer")
            << QByteArray("[Last]\nPort=2147483647\n") << 1 << "/prog/";
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

    // What cannot be an INI file of ours is neither read (a pipe would block the start, a
    // device or a huge file eat memory) nor replaced at close: the defaults apply, and a
    // message says why.
    void onlyASmallRegularFileIsRead_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("pipe") << "pipe";
        QTest::newRow("link to /dev/zero") << "zero";
        QTest::newRow("300 MB file") << "huge";
    }
    void onlyASmallRegularFileIsRead() {
        QFETCH(QString, kind);
        const QByteArray path = QFile::encodeName(ini());
        if (kind == "pipe") {
            QCOMPARE(::mkfifo(path.constData(), 0600), 0);
        } else if (kind == "zero") {
            QVERIFY(QFile::link("/dev/zero", ini()));
        } else {
            write(ini(), "[Last]\nPort=4\n");
            QVERIFY(QFile(ini()).resize(300LL * 1024 * 1024));
        }
        const qint64 before = BytesReadSoFar();
        const PersistedSettings settings = LoadPersistedSettings(ini(), "/prog/");
        if (before >= 0)
            QVERIFY(BytesReadSoFar() - before < 1024 * 1024);
        QCOMPARE(settings.port, 1);
        QCOMPARE(settings.dir, QStringLiteral("/prog/"));
        QVERIFY(settings.refusal.contains(ini()));

        QVERIFY(!SavePersistedSettings(ini(), 5, "/data"));
        const QFileInfo after(ini());
        QCOMPARE(after.isSymLink(), kind == "zero");
        QCOMPARE(after.isFile(), kind == "huge");
        if (kind == "huge")
            QCOMPARE(after.size(), 300LL * 1024 * 1024);
        QFile::remove(ini());
    }

    void portPathsWithColonsAndLowerCaseKeys() {
        write(ini(), "[ports]\ncom1 = /dev/serial/by-id/usb-FTDI_FT232R-if00-port0\n"
                     "COM2=/dev/serial/by-path/pci-0000:00:14.0-usb-0:2:1.0-port0\n");
        const PersistedSettings settings = LoadPersistedSettings(ini(), "/prog/");
        QCOMPARE(settings.portPaths.value("COM1"),
                 QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R-if00-port0"));
        QCOMPARE(settings.portPaths.value("COM2"),
                 QStringLiteral("/dev/serial/by-path/pci-0000:00:14.0-usb-0:2:1.0-port0"));
    }

    // The network timeout beside the remote mappings: bounded, a default for anything else.
    void networkTimeout_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("timeout");
        QTest::newRow("missing") << QByteArray() << TModbusClient::kDefaultNetworkTimeoutMs;
        QTest::newRow("3 s") << QByteArray("NetworkTimeout=3000") << 3000;
        QTest::newRow("lower case, blanks") << QByteArray("networktimeout = 800 ") << 800;
        QTest::newRow("below the serial timeout")
            << QByteArray("NetworkTimeout=100") << TModbusClient::kBaseTimeoutMs;
        QTest::newRow("beyond any answer")
            << QByteArray("NetworkTimeout=99999999999") << TModbusClient::kLongestNetworkTimeoutMs;
        QTest::newRow("negative") << QByteArray("NetworkTimeout=-5")
                                  << TModbusClient::kBaseTimeoutMs;
        QTest::newRow("not a number")
            << QByteArray("NetworkTimeout=2s") << TModbusClient::kDefaultNetworkTimeoutMs;
    }
    void networkTimeout() {
        QFETCH(QByteArray, line);
        QFETCH(int, timeout);
        write(ini(), "[Ports]\nCOM4=tcp://10.0.0.5:4001\n" + line + "\n");
        const PersistedSettings settings = LoadPersistedSettings(ini(), "/prog/");
        QCOMPARE(settings.networkTimeoutMs, timeout);
        QCOMPARE(settings.portPaths.keys(), QStringList{"COM4"});
        QCOMPARE(settings.portPaths.value("COM4"), QStringLiteral("tcp://10.0.0.5:4001"));
    }

    void missingFileIsCreatedAtSave() {
        QVERIFY(SavePersistedSettings(ini(), 3, "/prog/"));
        const PersistedSettings settings = LoadPersistedSettings(ini(), "/elsewhere/");
        QCOMPARE(settings.port, 3);
        QCOMPARE(settings.dir, QStringLiteral("/prog/"));
    }

    // A Settings.ini that cannot be replaced (here a folder of that name) says why.
    void unwritableFileSaysWhyAndStays() {
        QVERIFY(QDir().mkpath(ini()));
        const FileWritten saved = SavePersistedSettings(ini(), 3, "/prog/");
        QVERIFY(!saved);
        QVERIFY(!saved.failure.isEmpty());
        QVERIFY(QFileInfo(ini()).isDir());
        QDir(ini()).removeRecursively();
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

    // What was read is written back as it was: a directory that is not UTF-8, line ends,
    // hand-written spelling; only a changed value is rewritten.
    void saveWritesBackWhatItRead_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("port");
        QTest::addColumn<QByteArray>("saved");
        const QByteArray latin1Dir("[Last]\r\nPort = 4\r\nDir=/home/j\xE9r\xF4me\r\n");
        QTest::newRow("nothing changed") << latin1Dir << 4 << latin1Dir;
        QTest::newRow("port changed")
            << latin1Dir << 7 << QByteArray("[Last]\r\nPort=7\r\nDir=/home/j\xE9r\xF4me\r\n");
        QTest::newRow("UTF-8 directory, no line end at the end")
            << QByteArray("[Last]\nDir=/home/j\xC3\xA9r\xC3\xB4me\nPort=2") << 2
            << QByteArray("[Last]\nDir=/home/j\xC3\xA9r\xC3\xB4me\nPort=2\n");
        QTest::newRow("section added to a CRLF file")
            << QByteArray("; mine\r\n") << 3
            << QByteArray("; mine\r\n\r\n[Last]\r\nPort=3\r\nDir=/prog/\r\n");
    }
    void saveWritesBackWhatItRead() {
        QFETCH(QByteArray, content);
        QFETCH(int, port);
        QFETCH(QByteArray, saved);
        write(ini(), content);
        const PersistedSettings settings = LoadPersistedSettings(ini(), "/prog/");
        QVERIFY(SavePersistedSettings(ini(), port, settings.dir));
        QCOMPARE(read(ini()), saved);
    }

    // Relative to the temporary directory unless absolute; "share" makes it an installed layout.
    void settingsIniPlace_data() {
        QTest::addColumn<QString>("programDir");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("beside");
        QTest::newRow("portable") << "portable/" << QStringList{} << true;
        QTest::newRow("portable with its Settings.ini")
            << "portable/" << QStringList{"portable/Settings.ini"} << true;
        QTest::newRow("installed, data directory beside bin")
            << "prefix/bin/" << QStringList{"prefix/share/vt12set/Vantor 12 Help.mht"} << false;
        QTest::newRow("installed, a Settings.ini left beside it")
            << "prefix/bin/"
            << QStringList{"prefix/share/vt12set/Vantor 12 Help.mht", "prefix/bin/Settings.ini"}
            << false;
#ifndef Q_OS_WIN
        QTest::newRow("system directory, writable by root")
            << "/usr/bin/" << QStringList{} << false;
        QTest::newRow("below /usr") << "/usr/local/bin/" << QStringList{} << false;
#endif
    }
    void settingsIniPlace() {
        QFETCH(QString, programDir);
        QFETCH(QStringList, files);
        QFETCH(bool, beside);
        QTemporaryDir root;
        const QString program =
            QDir::isAbsolutePath(programDir) ? programDir : root.filePath(programDir);
        QVERIFY(QDir().mkpath(program));
        for (const QString& file : files) {
            QVERIFY(QDir().mkpath(QFileInfo(root.filePath(file)).path()));
            write(root.filePath(file), "[Last]\nPort=2\n");
        }
        QStandardPaths::setTestModeEnabled(true);
        const QString config =
            QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
                .filePath("Settings.ini");
        QCOMPARE(SettingsIniPath(program), beside ? program + "Settings.ini" : config);
        QStandardPaths::setTestModeEnabled(false);
    }

    void programDirectoryEndsInASeparator() {
        qputenv("VT12_PROGRAM_DIR", dir.path().toUtf8());
        QVERIFY(ProgramDirectory().endsWith('/'));
        QCOMPARE(SettingsIniPath(ProgramDirectory()), ini());
        qunsetenv("VT12_PROGRAM_DIR");
    }
};

VT12_TEST(TestPersistedSettings, TestApplication::Core)
#include "tst_persisted_settings.moc"
