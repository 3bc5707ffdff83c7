// The chosen firmware file on disk: the label's outcome for every kind of path and file, and
// what a file that cannot be read leaves alone.

#include "firmware/firmware_file.h"
#include "tests/firmware/srecord_text.h"
#include "tests/support/bytes_read.h"

#include "tests/support/test_registry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString kNotSelected = QStringLiteral("The firmware file not selected");
const QString kMissing = QStringLiteral("File does not exists");
const QString kCorrupted = QStringLiteral("File is corrupted");
const QString kNotFirmware = QStringLiteral("File is not valid firmware");
const QString kVersion = QStringLiteral("Firmware version: VT12F05A");

QList<QByteArray> WithLine(QList<QByteArray> lines, qsizetype at, const QByteArray& line) {
    lines[at] = line;
    return lines;
}

QList<QByteArray> WithWindowByte(uint16_t address, uint8_t value) {
    std::vector<uint8_t> window = srec::FirmwareWindow();
    window[address - 0x5000u] = value;
    return srec::FirmwareLines(window);
}
} // namespace

class TestFirmwareFile : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString write(const QString& name, const QByteArray& content) {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void paths_data();
    void paths();
    void files_data();
    void files();
    void labelColourFollowsTheOutcome();
    void versionEndsAtAZeroByte();
    void largeFileWithLongLines();
    void unreadableFileKeepsThePreviousState_data();
    void unreadableFileKeepsThePreviousState();
};

void TestFirmwareFile::paths_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("label");

    const QString valid = write("valid.vtfw", srec::Text(srec::FirmwareLines()));
    QTest::newRow("empty") << QString() << kNotSelected;
    QTest::newRow("blanks") << QStringLiteral("   ") << kNotSelected;
    QTest::newRow("tabs and line ends") << QStringLiteral("\t \r\n") << kNotSelected;
    QTest::newRow("control characters") << QStringLiteral(" \x01\x1f ") << kNotSelected;
    QTest::newRow("missing file") << dir.filePath("missing.vtfw") << kMissing;
    QTest::newRow("folder") << dir.path() << kMissing;
    QTest::newRow("device") << QStringLiteral("/dev/zero") << kMissing;
    QTest::newRow("blank after the name is not trimmed") << valid + u' ' << kMissing;
    QTest::newRow("valid file") << valid << kVersion;
}

void TestFirmwareFile::paths() {
    QFETCH(QString, path);
    QFETCH(QString, label);

    FirmwareFile file;
    QCOMPARE(file.Validate(path).verdict.Text(), label);
    QCOMPARE(file.Verdict().Text(), label);
}

void TestFirmwareFile::files_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("label");

    using namespace srec;
    const QList<QByteArray> lines = FirmwareLines();
    const qsizetype end = lines.size() - 1;
    QTest::newRow("empty") << QByteArray() << kCorrupted;
    QTest::newRow("valid, CR LF") << Text(lines) << kVersion;
    QTest::newRow("valid, LF") << Text(lines, "\n") << kVersion;
    QTest::newRow("valid, no line end at the last line") << lines.join("\r\n") << kVersion;
    QTest::newRow("header checksum changed")
        << Text(WithLine(lines, 0, Spoiled(lines[0]))) << kCorrupted;
    QTest::newRow("first data checksum changed")
        << Text(WithLine(lines, 1, Spoiled(lines[1]))) << kCorrupted;
    QTest::newRow("middle data checksum changed")
        << Text(WithLine(lines, end / 2, Spoiled(lines[end / 2]))) << kCorrupted;
    QTest::newRow("last data checksum changed")
        << Text(WithLine(lines, end - 1, Spoiled(lines[end - 1]))) << kCorrupted;
    QTest::newRow("end record checksum changed")
        << Text(WithLine(lines, end, Spoiled(lines[end]))) << kCorrupted;
    QTest::newRow("checksum changed after the end record")
        << Text(lines + QList<QByteArray>{Spoiled(lines[1])}) << kVersion;
    QTest::newRow("blank line") << Text(WithLine(lines, 5, "")) << kCorrupted;
    QTest::newRow("0xFF at 0xC000") << Text(WithWindowByte(0xC000, 0xFF)) << kNotFirmware;
    QTest::newRow("0xFF at 0xC001") << Text(WithWindowByte(0xC001, 0xFF)) << kNotFirmware;
    QTest::newRow("placeholder missing") << Text(WithWindowByte(0xEFFC, 0x11)) << kNotFirmware;
    QTest::newRow("placeholder's last byte") << Text(WithWindowByte(0xEFFF, 0xFF)) << kNotFirmware;
    QTest::newRow("header and end only") << Text({Header(), End()}) << kCorrupted;
    QTest::newRow("end record only") << QByteArray("S9030000FC\r\n") << kCorrupted;
    QTest::newRow("data outside the window only")
        << Text({Data(0x4000, "abcd"), Data(0xF000, "abcd"), End()}) << kCorrupted;
    QTest::newRow("marks without the rest")
        << Text({Data(0x5000, QByteArray("F06B\0", 5)), Data(0xC000, "\xAB\xCD"),
                 Data(0xEFFC, QByteArray("\xCC\xCC\0\0", 4)), End()})
        << QStringLiteral("Firmware version: F06B");
    QTest::newRow("binary") << QByteArray::fromHex("7f454c460201010000000000000000000300") +
                                   QByteArray(4000, '\0')
                            << kCorrupted;
}

void TestFirmwareFile::files() {
    QFETCH(QByteArray, content);
    QFETCH(QString, label);

    FirmwareFile file;
    const FirmwareFileCheck check = file.Validate(write("file.vtfw", content));
    QCOMPARE(check.verdict.Text(), label);
    QVERIFY(check.readError.isEmpty());
    QCOMPARE(file.IsAccepted(), label.startsWith(u"Firmware version: "));
}

void TestFirmwareFile::labelColourFollowsTheOutcome() {
    const LabelColour green{0, 128, 0};
    const LabelColour red{255, 0, 0};
    FirmwareFile file;
    QCOMPARE(file.Verdict().Text(), kNotSelected);
    QCOMPARE(file.Verdict().Colour(), red);
    file.Validate(write("good.vtfw", srec::Text(srec::FirmwareLines())));
    QCOMPARE(file.Verdict().Colour(), green);
    for (const QString& path : {dir.filePath("missing"), write("bad.vtfw", "S"),
                                write("mark.vtfw", srec::Text(WithWindowByte(0xC000, 0)))}) {
        file.Validate(path);
        QVERIFY(!file.IsAccepted());
        QCOMPARE(file.Verdict().Colour(), red);
    }
}

void TestFirmwareFile::versionEndsAtAZeroByte() {
    FirmwareFile file;
    file.Validate(write("short.vtfw", srec::Text(srec::FirmwareLines(
                                          srec::FirmwareWindow(QByteArray("F05\0XYZW", 8))))));
    QCOMPARE(file.Verdict().Text(), QStringLiteral("Firmware version: F05"));
}

void TestFirmwareFile::largeFileWithLongLines() {
    // 50 MB in lines of 100,000 characters, each a valid record with a long tail, before the
    // firmware itself: no record is that long, so the file is rejected at its first line,
    // without reading on.
    const QByteArray tail(100000, 'F');
    QFile big(dir.filePath("big.vtfw"));
    QVERIFY(big.open(QIODevice::WriteOnly));
    for (int i = 0; i < 500; ++i)
        big.write(srec::Header() + tail + "\r\n");
    big.write(srec::Text(srec::FirmwareLines()));
    big.close();
    QVERIFY(big.size() > 50'000'000);

    FirmwareFile file;
    const qint64 before = BytesReadSoFar();
    QCOMPARE(file.Validate(big.fileName()).verdict.Text(), QStringLiteral("File is corrupted"));
    if (before >= 0)
        QVERIFY(BytesReadSoFar() - before < 1'000'000);
}

void TestFirmwareFile::unreadableFileKeepsThePreviousState_data() {
    QTest::addColumn<QString>("path");

    const QString locked = write("locked.vtfw", srec::Text(WithWindowByte(0xC000, 0)));
    QFile::setPermissions(locked, QFile::Permissions());
    QTest::newRow("no permission") << locked;
    // Opens like a file, but reading at its start fails.
    QTest::newRow("read error") << QStringLiteral("/proc/self/mem");
}

void TestFirmwareFile::unreadableFileKeepsThePreviousState() {
    QFETCH(QString, path);

    QFile probe(path);
    char byte = 0;
    if (!probe.exists() || (probe.open(QIODevice::ReadOnly) && probe.read(&byte, 1) == 1))
        QSKIP("readable here");
    FirmwareFile file;
    file.Validate(write("good.vtfw", srec::Text(srec::FirmwareLines())));

    const FirmwareFileCheck check = file.Validate(path);
    QCOMPARE(check.readError, probe.errorString());
    QCOMPARE(check.verdict.Text(), kVersion);
    QVERIFY(file.IsAccepted());
    QCOMPARE(file.Image().At(0xC000), uint8_t(0xAB));
    QCOMPARE(file.Image().At(0x5000), uint8_t('V'));
}

VT12_TEST(TestFirmwareFile, TestApplication::Core)
#include "tst_firmware_file.moc"
