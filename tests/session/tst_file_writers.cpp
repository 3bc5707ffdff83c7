// Every writer of the program against what may stand at its path: a link, a pipe, a device node
// and a full disk. None writes through or over anything but a regular file, and none reports
// success for a file it did not write whole; the old file stays as it was. And every file keeps
// the bytes of its name, UTF-8 or not.

#include "core/file_read.h"
#include "core/file_write.h"
#include "core/path_bytes.h"
#include "core/path_calls.h"
#include "data/settings_file.h"
#include "firmware/firmware_file.h"
#include "link/traffic_trace.h"
#include "monitor/trend_series.h"
#include "session/persisted_settings.h"
#include "session/settings_backup.h"
#include "tests/support/full_file_system.h"

#include "tests/support/names_in_folder.h"
#include "tests/support/test_registry.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {
using Writer = std::function<FileWritten(const QString& path)>;
// Whether the file was found and read.
using Reader = std::function<bool(const QString& path)>;

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

// The first written whole, the second over the first: the backup before an update and the trace.
FileWritten newFile(const QString& path) {
    if (EntryAt(path, Links::NotFollowed).kind == PathKind::Missing)
        return CreateNewFile(path, QByteArray(kSettingsFileSize, 'b'));
    return {true, {}};
}

FileWritten trace(const QString& path) {
    TrafficTrace trace;
    if (!trace.Open(path))
        return {false, trace.ErrorString()};
    trace.PortOpen(1);
    trace.Close();
    return {true, {}};
}

const QByteArray kNotUtf8 = "n\xff\xfe.vt12";

QByteArray rawContentOf(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_RDONLY);
    QByteArray bytes(100000, '\0');
    const ssize_t length = fd < 0 ? -1 : ::read(fd, bytes.data(), bytes.size());
    if (fd >= 0)
        ::close(fd);
    return bytes.left(length < 0 ? 0 : length);
}

// A folder of the test's own whose name is no UTF-8, emptied by hand: QTemporaryDir cannot
// reach what is in it.
struct NotUtf8Folder {
    QTemporaryDir dir;
    QByteArray path = QFile::encodeName(dir.path()) + "/f\xe4\xff";
    bool made = ::mkdir(path.constData(), 0700) == 0;
    ~NotUtf8Folder() {
        ::nftw(
            path.constData(),
            [](const char* entry, const struct stat*, int, FTW*) { return ::remove(entry); }, 16,
            FTW_DEPTH | FTW_PHYS);
    }
};
} // namespace

Q_DECLARE_METATYPE(Writer)
Q_DECLARE_METATYPE(Reader)

class TestFileWriters : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void replacesARegularFile_data() { addWriters(); }
    void replacesARegularFile() {
        QFETCH(Writer, writer);
        QTemporaryDir dir;
        const QString path = dir.filePath("out");
        put(path, kOld);
        const QFile::Permissions rights = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions(path, rights));
        QVERIFY(writer(path));
        QVERIFY(contentOf(path) != kOld);
        QCOMPARE(QFile::permissions(path), rights | QFile::ReadUser | QFile::WriteUser);
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

    // Any bytes come back from the name as they went in, and a UTF-8 name reads as Qt reads it.
    void nameKeepsEveryByte() {
        QRandomGenerator random(24);
        const QList<QByteArray> pieces{"a",
                                       "/",
                                       ".",
                                       "\xc3\xa4",
                                       "\xe2\x82\xac",
                                       "\xf0\x9f\x98\x80",
                                       "\xed\xa0\x80",
                                       "\xc0\xaf",
                                       "\xf4\x90\x80\x80"};
        for (int round = 0; round < 3000; ++round) {
            QByteArray bytes;
            for (int i = random.bounded(12); i > 0; --i)
                bytes += random.bounded(3) == 0 ? QByteArray(1, char(random.bounded(256)))
                                                : pieces[random.bounded(pieces.size())];
            bytes.replace('\0', 'z');
            const QString path = PathFromBytes(bytes);
            QCOMPARE(PathBytes(path), bytes);
            QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            const QString text = utf8.decode(bytes);
            if (!utf8.hasError())
                QCOMPARE(path, text);
            const char* argv[] = {"vt12cli", "backup", bytes.constData()};
            QCOMPARE(PathBytes(ProgramArguments(3, argv).at(2)), bytes);
        }
    }

    // Written by the name given, read back by it, and nothing written as "n??.vt12".
    void keepsTheBytesOfTheName_data() {
        addWriters();
        QTest::newRow("settings backup") << Writer(newFile);
        QTest::newRow("trace") << Writer(trace);
    }
    void keepsTheBytesOfTheName() {
        QFETCH(Writer, writer);
        const NotUtf8Folder made;
        QVERIFY(made.made);
        const QByteArray& folder = made.path;
        const QString path = PathFromBytes(folder + '/' + kNotUtf8);
        QVERIFY(writer(path));
        QVERIFY(writer(path));
        QCOMPARE(NamesIn(folder), QList<QByteArray>{kNotUtf8});
        QCOMPARE(NamesIn(QFile::encodeName(made.dir.path())).size(), 1);
        const SmallFileRead read = ReadSmallFile(path, 100000);
        QCOMPARE(read.outcome, SmallFileRead::Outcome::Read);
        QVERIFY(!read.bytes.isEmpty());
        QCOMPARE(read.bytes, rawContentOf(folder + '/' + kNotUtf8));
    }

    void readsByTheBytesOfTheName_data() {
        QTest::addColumn<Reader>("reader");
        QTest::newRow("Load from File, vt12cli restore") << Reader([](const QString& path) {
            ControllerImages images;
            return LoadSettingsFile(path, images).ok;
        });
        QTest::newRow("Settings.ini") << Reader(
            [](const QString& path) { return LoadPersistedSettings(path, {}).port == 7; });
        QTest::newRow("firmware file") << Reader([](const QString& path) {
            FirmwareFile file;
            const FirmwareFileCheck check = file.Validate(path);
            return check.readError.isEmpty() &&
                   check.verdict.outcome == FirmwareFileOutcome::Corrupted;
        });
    }
    void readsByTheBytesOfTheName() {
        QFETCH(Reader, reader);
        const NotUtf8Folder made;
        QVERIFY(made.made);
        const QByteArray name = made.path + '/' + kNotUtf8;
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        const QByteArray bytes = "[Last]\nPort=7\n" + QByteArray(kSettingsFileSize, ' ');
        QCOMPARE(::write(fd, bytes.constData(), bytes.size()), bytes.size());
        ::close(fd);
        QVERIFY(reader(PathFromBytes(name)));
    }

    // A copy of the program in such a folder keeps its Settings.ini beside it, and a home of
    // such a name its backups.
    void programFolderAndHomeKeepTheirBytes() {
        const NotUtf8Folder made;
        QVERIFY(made.made);
        const QByteArray& folder = made.path;
        const QByteArray oldProgramDir = qgetenv("VT12_PROGRAM_DIR");
        const QByteArray oldHome = qgetenv("HOME");
        const QByteArray oldData = qgetenv("XDG_DATA_HOME");
        qputenv("VT12_PROGRAM_DIR", folder);
        qputenv("HOME", folder);
        qunsetenv("XDG_DATA_HOME");

        const QString programDir = ProgramDirectory();
        const QString ini = SettingsIniPath(programDir);
        const bool iniBeside = PathBytes(ini) == folder + "/Settings.ini";
        const bool iniWritten = SavePersistedSettings(ini, 7, programDir).written;
        const PersistedSettings settings = LoadPersistedSettings(ini, programDir);
        const QString backups = SettingsBackupFolder();
        const SettingsBackupWritten backup = WriteSettingsBackup(
            backups, "vt12-2026-12-09_193012-F05A.vt12", QByteArray(kSettingsFileSize, 's'));
        const QString latest = LatestSettingsBackup(backups);
        const QList<SettingsBackupEntry> listed = SettingsBackups(backups);

        qputenv("VT12_PROGRAM_DIR", oldProgramDir);
        qputenv("HOME", oldHome);
        if (!oldData.isEmpty())
            qputenv("XDG_DATA_HOME", oldData);
        QVERIFY(iniBeside);
        QVERIFY(iniWritten);
        QCOMPARE(settings.port, 7);
        QCOMPARE(settings.dir, programDir);
        QVERIFY(backup.error.isEmpty());
        QVERIFY(PathBytes(backup.path).startsWith(folder + "/"));
        QCOMPARE(rawContentOf(PathBytes(backup.path)), QByteArray(kSettingsFileSize, 's'));
        QCOMPARE(latest, backup.path);
        QCOMPARE(listed.size(), 1);
        QVERIFY(NamesIn(folder).contains("Settings.ini"));
        QCOMPARE(NamesIn(QFile::encodeName(made.dir.path())).size(), 1);
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
