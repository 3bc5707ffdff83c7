// Every writer of the program against what may stand at its path: a link, a pipe, a device node
// and a full disk. None writes through or over anything but a regular file, and none reports
// success for a file it did not write whole; the old file stays as it was.

#include "app/file_write.h"
#include "app/path_bytes.h"
#include "app/persisted_settings.h"
#include "app/settings_backup.h"
#include "data/settings_file.h"
#include "monitor/trend_series.h"
#include "tests/support/full_file_system.h"

#include "tests/support/test_registry.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {
using Writer = std::function<FileWritten(const QString& path)>;

const QByteArray kOld = "the old file, whole\n";

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

FileWritten settingsFile(const QString& path) {
    const ControllerImages images;
    const SettingsFileSaved saved = SaveSettingsFile(path, images, {"VT12F05A", "1:\t5", ""});
    return {saved.ok, saved.error};
}

FileWritten settingsIni(const QString& path) {
    return SavePersistedSettings(path, 3, QStringLiteral("/home/user"));
}

FileWritten trendsCsv(const QString& path) {
    const TrendSeries series;
    const std::optional<QString> error = SaveTrendCsv(series, path);
    return {!error, error.value_or(QString())};
}

// Counters CSV and the traffic monitor's Save... hand their bytes over whole.
FileWritten wholeBytes(const QString& path) {
    return WriteWholeFile(path, QByteArray(40000, 'c'));
}

// The service report's PDF is written piece by piece.
FileWritten inPieces(const QString& path) {
    return WriteWholeFile(path, [](QIODevice& file) {
        const QByteArray piece(1000, 'p');
        for (int i = 0; i < 50; ++i) {
            if (file.write(piece) != piece.size())
                return false;
        }
        return true;
    });
}

void addWriters() {
    QTest::addColumn<Writer>("writer");
    QTest::newRow("settings file, vt12cli backup") << Writer(settingsFile);
    QTest::newRow("Settings.ini") << Writer(settingsIni);
    QTest::newRow("trends CSV") << Writer(trendsCsv);
    QTest::newRow("counters CSV, traffic log") << Writer(wholeBytes);
    QTest::newRow("service report") << Writer(inPieces);
}

bool isRoot() {
    return ::geteuid() == 0;
}
} // namespace

Q_DECLARE_METATYPE(Writer)

class TestFileWriters : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void replacesARegularFile_data() { addWriters(); }
    void replacesARegularFile() {
        QFETCH(Writer, writer);
        QTemporaryDir dir;
        const QString path = dir.filePath("out");
        put(path, kOld);
        QVERIFY(writer(path));
        QVERIFY(contentOf(path) != kOld);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out"});
    }

    void refusesALink_data() { addWriters(); }
    void refusesALink() {
        QFETCH(Writer, writer);
        QTemporaryDir dir;
        const QString target = dir.filePath("target");
        const QString link = dir.filePath("out");
        put(target, kOld);
        QVERIFY(QFile::link(target, link));
        const QString dangling = dir.filePath("dangling");
        QVERIFY(QFile::link(dir.filePath("nothing"), dangling));

        for (const QString& path : {link, dangling}) {
            const FileWritten written = writer(path);
            QVERIFY(!written);
            QVERIFY(written.failure.contains("link"));
            QVERIFY(QFileInfo(path).isSymLink());
        }
        QCOMPARE(contentOf(target), kOld);
        QVERIFY(!QFileInfo::exists(dir.filePath("nothing")));
    }

    void refusesAPipeOrADevice_data() { addWriters(); }
    void refusesAPipeOrADevice() {
        QFETCH(Writer, writer);
        QTemporaryDir dir;
        const QString pipe = dir.filePath("pipe");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QStringList paths{pipe, dir.path()};
        const QString device = dir.filePath("null");
        if (isRoot()) {
            QCOMPARE(::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0600, makedev(1, 3)),
                     0);
            paths << device;
        }
        for (const QString& path : paths) {
            const FileWritten written = writer(path);
            QVERIFY(!written);
            QVERIFY(!written.failure.isEmpty());
        }
        struct stat st {};
        QCOMPARE(::lstat(QFile::encodeName(pipe).constData(), &st), 0);
        QVERIFY(S_ISFIFO(st.st_mode));
        if (!isRoot())
            QSKIP("the device node case needs root (mknod)");
        QCOMPARE(::lstat(QFile::encodeName(device).constData(), &st), 0);
        QVERIFY(S_ISCHR(st.st_mode));
    }

    void fullDiskKeepsTheOldFile_data() { addWriters(); }
    void fullDiskKeepsTheOldFile() {
        QFETCH(Writer, writer);
        QTemporaryDir dir;
        const FullFileSystem disk(dir.path());
        if (!disk.Mounted())
            QSKIP(FullFileSystem::SkipReason());
        const QString path = dir.filePath("out");
        put(path, kOld);
        disk.Fill();

        const FileWritten written = writer(path);
        QVERIFY(!written);
        QVERIFY(!written.failure.isEmpty());
        QCOMPARE(contentOf(path), kOld);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"filler", "out"}));
    }

    // The backup before an update: never through a link, never incomplete.
    void backupIsCreatedAnewOrNotAtAll() {
        QTemporaryDir dir;
        const QString folder = dir.filePath("backups");
        const QByteArray bytes(kSettingsFileSize, 's');
        const SettingsBackupWritten first =
            WriteSettingsBackup(folder, "vt12-2026-12-09_193012-F05A.vt12", bytes);
        QVERIFY(first.error.isEmpty());
        QVERIFY(QFileInfo(first.path).fileName().startsWith("vt12-2026-12-09_193012-F05A-"));
        const SettingsBackupWritten second =
            WriteSettingsBackup(folder, "vt12-2026-12-09_193012-F05A.vt12", bytes);
        QVERIFY(second.path != first.path);
        QCOMPARE(contentOf(second.path), bytes);

        // A name planted as a link is never written through.
        const QString planted = dir.filePath("planted");
        QVERIFY(QFile::link(planted, dir.filePath("backups/taken.vt12")));
        QVERIFY(!CreateNewFile(dir.filePath("backups/taken.vt12"), bytes));
        QVERIFY(!QFileInfo::exists(planted));

        const QString linked = dir.filePath("linked");
        QVERIFY(QFile::link(folder, linked));
        const SettingsBackupWritten viaLink =
            WriteSettingsBackup(linked, "vt12-2026-12-09_193012-F05A.vt12", bytes);
        QVERIFY(!viaLink.error.isEmpty());
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::System).size(), 3);
    }

    // "n\xff\xfe.vt12" would be written as another name: refused instead.
    void namesThatLoseTheirBytes_data() {
        QTest::addColumn<QByteArray>("argument");
        QTest::addColumn<bool>("kept");
        QTest::newRow("ASCII") << QByteArray("unit.vt12") << true;
        QTest::newRow("UTF-8") << QByteArray("S\xc3\xa4ge.vt12") << true;
        QTest::newRow("Latin-1") << QByteArray("n\xff\xfe.vt12") << false;
        QTest::newRow("cut UTF-8") << QByteArray("a\xc3") << false;
    }
    void namesThatLoseTheirBytes() {
        QFETCH(QByteArray, argument);
        QFETCH(bool, kept);
        QCOMPARE(KeepsItsBytes(argument), kept);
        const char* argv[] = {"vt12cli", "backup", argument.constData()};
        QCOMPARE(ArgumentsLosingBytes(3, argv).isEmpty(), kept);
    }

    void fullDiskLeavesNoBackup() {
        QTemporaryDir dir;
        const FullFileSystem disk(dir.path());
        if (!disk.Mounted())
            QSKIP(FullFileSystem::SkipReason());
        QVERIFY(QDir(dir.path()).mkdir("backups"));
        disk.Fill();
        const SettingsBackupWritten written =
            WriteSettingsBackup(dir.filePath("backups"), "vt12-2026-12-09_193012-F05A.vt12",
                                QByteArray(kSettingsFileSize, 's'));
        QVERIFY(!written.error.isEmpty());
        QVERIFY(QDir(dir.filePath("backups")).isEmpty());
    }
};

VT12_TEST(TestFileWriters, TestApplication::Core)
#include "tst_file_writers.moc"
