#include "data/settings_file.h"

#include "tests/support/test_registry.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

struct Segment {
    BlockId block;
    int offset;
};
const Segment kSegments[] = {
    {BlockId::SystemSettings, 0},      {BlockId::GateSettings, 100},
    {BlockId::SlaveGateSettings, 500}, {BlockId::GateNames, 900},
    {BlockId::SlaveGateNames, 1200},
};

// Every settings image of both kinds filled with a pattern of its own.
ControllerImages PatternImages(int seed) {
    ControllerImages images;
    for (const BlockSpec& block : kBlocks) {
        if (!block.isSettings())
            continue;
        int i = seed + int(block.id) * 31;
        for (uint8_t& byte : images.EditedImage(block.id))
            byte = uint8_t(++i * 7);
        for (uint8_t& byte : images.ReadImage(block.id))
            byte = uint8_t(++i * 13);
    }
    return images;
}

QByteArray Bytes(std::span<const uint8_t> image) {
    return QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size()));
}

QByteArray EditedBytes(const ControllerImages& images, BlockId block) {
    return Bytes(images.EditedImage(block));
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT

private slots:
    void layout();
    void memoLongerThanItsSegmentIsCut_data();
    void memoLongerThanItsSegmentIsCut();
    void savedAndLoadedComesBack();
    void masterFileIntoASingleUnit();
    void shortFileFillsAsFarAsItReaches_data();
    void shortFileFillsAsFarAsItReaches();
    void longerFileTakesItsFirstSegments();
    void fileThatCannotBeRead_data();
    void fileThatCannotBeRead();
    void fileThatCannotBeWritten();
    void saveReplacesALongerFile();

private:
    QTemporaryDir dir_;
};

void TestSettingsFile::layout() {
    ControllerImages images;
    images.SystemSettings.Edited.SetFanOnDelay(0x1234);
    images.GateSettings.Edited.Register96 = {0xAB, 0xCD};
    images.SlaveGateSettings.Edited.Gates[0].SetEnabled(1);
    images.GateNames.Edited.Names[0].SetName(QStringLiteral("Saw"));
    images.SlaveGateNames.Edited.Names[11].SetName(QStringLiteral("Planer"));
    images.VacuumSettings.Edited.Bytes.fill(0xFF);
    const SettingsFileTexts texts{QStringLiteral("VT12F05A\nsecond line"), QStringLiteral("12"),
                                  QStringLiteral("24")};

    const QByteArray file = SettingsFileBytes(images, texts);
    QCOMPARE(file.size(), 2600);
    QCOMPARE(file.mid(0, 2), QByteArray("\x12\x34"));
    QCOMPARE(file.mid(28, 72), QByteArray(72, '\0'));
    QCOMPARE(file.mid(100 + 192, 2), QByteArray("\xAB\xCD"));
    QCOMPARE(file.mid(294, 206), QByteArray(206, '\0'));
    QCOMPARE(file.at(500), '\x01');
    QCOMPARE(file.mid(900, 4), QByteArray("Saw\0", 4));
    QCOMPARE(file.mid(1200 + 220, 7), QByteArray("Planer\0", 7));
    QCOMPARE(file.mid(1440, 60), QByteArray(60, '\0'));
    QCOMPARE(file.mid(1500, 21), QByteArray("VT12F05A\r\nsecond line"));
    QCOMPARE(file.mid(1521, 479), QByteArray(479, '\0'));
    QCOMPARE(file.mid(2000, 3), QByteArray("12\0", 3));
    QCOMPARE(file.mid(2300, 3), QByteArray("24\0", 3));
    QVERIFY(!file.contains('\xFF')); // the vacuum settings stay out
}

void TestSettingsFile::memoLongerThanItsSegmentIsCut_data() {
    QTest::addColumn<int>("memo");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("size");

    QTest::newRow("mFwData") << 0 << 1500 << 500;
    QTest::newRow("mCtcs") << 1 << 2000 << 300;
    QTest::newRow("mCtcs24") << 2 << 2300 << 300;
}

void TestSettingsFile::memoLongerThanItsSegmentIsCut() {
    QFETCH(int, memo);
    QFETCH(int, offset);
    QFETCH(int, size);

    // Counter lines in expert mode: 40 lines of 20 characters and a line break.
    QString longText;
    for (int line = 0; line < 40; ++line)
        longText += QStringLiteral("Counter %1: 12345678\n").arg(line, 2);
    SettingsFileTexts texts{QStringLiteral("F"), QStringLiteral("M"), QStringLiteral("S")};
    (memo == 0 ? texts.mFwData : memo == 1 ? texts.mCtcs : texts.mCtcs24) = longText;

    const QByteArray file = SettingsFileBytes(ControllerImages(), texts);
    QCOMPARE(file.size(), 2600);
    QCOMPARE(file.mid(offset, size),
             longText.replace(u'\n', QStringLiteral("\r\n")).left(size).toLatin1());
    // The segments after it are where a load looks for them.
    if (offset < 2000)
        QCOMPARE(file.at(2000), 'M');
    if (offset < 2300)
        QCOMPARE(file.at(2300), 'S');
}

void TestSettingsFile::savedAndLoadedComesBack() {
    const ControllerImages saved = PatternImages(1);
    const SettingsFileTexts texts{QStringLiteral("VT12F05A Vantor 12\nFirmware Version: 5.0A"),
                                  QStringLiteral(" Runs: 12\nHours: 3 "), QString()};
    const QString path = dir_.filePath(QStringLiteral("unit.vt12"));
    QVERIFY(SaveSettingsFile(path, saved, texts).ok);
    QCOMPARE(QFileInfo(path).size(), 2600);

    ControllerImages loaded = PatternImages(2);
    const ControllerImages before = loaded;
    const SettingsFileLoaded outcome = LoadSettingsFile(path, loaded);
    QVERIFY(outcome.ok);
    QVERIFY(outcome.error.isEmpty());
    for (const Segment& segment : kSegments) {
        QCOMPARE(EditedBytes(loaded, segment.block), EditedBytes(saved, segment.block));
        QCOMPARE(Bytes(loaded.ReadImage(segment.block)), Bytes(before.ReadImage(segment.block)));
    }
    QCOMPARE(loaded.VacuumSettings.Edited.Bytes, before.VacuumSettings.Edited.Bytes);
    QCOMPARE(outcome.mFwData, std::optional<QString>(texts.mFwData));
    QCOMPARE(outcome.mCtcs, std::optional<QString>(QStringLiteral("Runs: 12\nHours: 3")));
    QCOMPARE(outcome.mCtcs24, std::optional<QString>(QString()));
}

void TestSettingsFile::masterFileIntoASingleUnit() {
    ControllerImages master;
    master.SystemSettings.Edited.SetInstallationMode(2);
    ControllerImages single;
    const SettingsFileLoaded outcome =
        TakeSettingsFile(SettingsFileBytes(master, SettingsFileTexts()), single);
    QCOMPARE(int(single.SystemSettings.Edited.InstallationMode()), 2);
    QVERIFY(outcome.slaveRowsShown);
    QCOMPARE(int(single.SystemSettings.Read.InstallationMode()), 0);
}

void TestSettingsFile::shortFileFillsAsFarAsItReaches_data() {
    QTest::addColumn<int>("length");

    for (const int length :
         {0, 1, 27, 28, 100, 150, 293, 294, 500, 1439, 1500, 1501, 2000, 2301, 2599}) {
        QTest::addRow("%d bytes", length) << length;
    }
}

void TestSettingsFile::shortFileFillsAsFarAsItReaches() {
    QFETCH(int, length);

    const QByteArray whole = SettingsFileBytes(
        PatternImages(3), {QStringLiteral("firmware text"), QStringLiteral("counters"),
                           QStringLiteral("slave counters")});
    const QByteArray file = whole.left(length);
    ControllerImages images = PatternImages(4);
    const ControllerImages before = images;
    const SettingsFileLoaded outcome = TakeSettingsFile(file, images);
    QVERIFY(outcome.ok);

    for (const Segment& segment : kSegments) {
        const QByteArray now = EditedBytes(images, segment.block);
        const QByteArray was = EditedBytes(before, segment.block);
        const int reached = std::clamp(length - segment.offset, 0, int(now.size()));
        QCOMPARE(now.left(reached), file.mid(segment.offset, reached));
        QCOMPARE(now.mid(reached), was.mid(reached));
    }
    QCOMPARE(outcome.mFwData.has_value(), length > 1500);
    QCOMPARE(outcome.mCtcs.has_value(), length > 2000);
    QCOMPARE(outcome.mCtcs24.has_value(), length > 2300);
    if (length == 1501)
        QCOMPARE(*outcome.mFwData, QStringLiteral("f"));
}

void TestSettingsFile::longerFileTakesItsFirstSegments() {
    QByteArray noise(3 * 1024 * 1024, Qt::Uninitialized);
    QRandomGenerator random(12);
    for (char& byte : noise)
        byte = char(random.bounded(256));
    const QString path = dir_.filePath(QStringLiteral("noise.bin"));
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    QCOMPARE(out.write(noise), noise.size());
    out.close();

    ControllerImages images;
    const SettingsFileLoaded outcome = LoadSettingsFile(path, images);
    QVERIFY(outcome.ok);
    for (const Segment& segment : kSegments) {
        const QByteArray image = EditedBytes(images, segment.block);
        QCOMPARE(image, noise.mid(segment.offset, image.size()));
    }
    QVERIFY(outcome.mFwData && outcome.mCtcs && outcome.mCtcs24);
    QVERIFY(outcome.mCtcs24->size() <= 300);
}

void TestSettingsFile::fileThatCannotBeRead_data() {
    QTest::addColumn<QString>("kind");

    QTest::newRow("missing") << "missing";
    QTest::newRow("folder") << "folder";
#ifdef Q_OS_UNIX
    QTest::newRow("pipe without a writer") << "pipe";
    QTest::newRow("unreadable") << "unreadable";
#endif
}

void TestSettingsFile::fileThatCannotBeRead() {
    QFETCH(QString, kind);

    const QString path = dir_.filePath(kind);
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(dir_.path()).mkdir(kind));
    }
#ifdef Q_OS_UNIX
    else if (kind == QLatin1String("pipe")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == QLatin1String("unreadable")) {
        if (::geteuid() == 0)
            QSKIP("root reads any file");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(2600, '\1'));
        file.close();
        QVERIFY(file.setPermissions(QFileDevice::WriteOwner));
    }
#endif

    ControllerImages images = PatternImages(5);
    const ControllerImages before = images;
    const SettingsFileLoaded outcome = LoadSettingsFile(path, images);
    QVERIFY(!outcome.ok);
    QVERIFY(!outcome.error.isEmpty());
    QVERIFY(!outcome.mFwData && !outcome.mCtcs && !outcome.mCtcs24);
    for (const Segment& segment : kSegments)
        QCOMPARE(EditedBytes(images, segment.block), EditedBytes(before, segment.block));
}

void TestSettingsFile::fileThatCannotBeWritten() {
    const QString folder = dir_.filePath(QStringLiteral("taken"));
    QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("taken")));
    SettingsFileSaved saved = SaveSettingsFile(folder, PatternImages(6), SettingsFileTexts());
    QVERIFY(!saved.ok);
    QVERIFY(!saved.error.isEmpty());
    QVERIFY(QFileInfo(folder).isDir());

    saved = SaveSettingsFile(dir_.filePath(QStringLiteral("no/such/folder.vt12")), PatternImages(6),
                             SettingsFileTexts());
    QVERIFY(!saved.ok);
    QVERIFY(!saved.error.isEmpty());
}

void TestSettingsFile::saveReplacesALongerFile() {
    const QString path = dir_.filePath(QStringLiteral("old.vt12"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(5000, 'x'));
    old.close();

    const ControllerImages images = PatternImages(7);
    QVERIFY(SaveSettingsFile(path, images, SettingsFileTexts()).ok);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), SettingsFileBytes(images, SettingsFileTexts()));
}

VT12_TEST(TestSettingsFile, TestApplication::Core)
#include "tst_settings_file.moc"
