// S-record text into the firmware image: what is stored, what stops the reading and what
// rejects the file, fed from memory.

#include "firmware/firmware_loader.h"
#include "tests/firmware/srecord_text.h"

#include "tests/support/test_registry.h"

#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {
int32_t Load(const QByteArray& text, FirmwareImage& image) {
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    return LoadFirmwareRecords(buffer, image);
}

QByteArray Bytes(std::initializer_list<uint8_t> bytes) {
    return QByteArray(reinterpret_cast<const char*>(std::data(bytes)), qsizetype(bytes.size()));
}

const QByteArray kFour = Bytes({1, 2, 3, 4});
} // namespace

class TestFirmwareLoader : public QObject {
    Q_OBJECT

private slots:
    void total_data();
    void total();
    void storesInsideTheWindowOnly_data();
    void storesInsideTheWindowOnly();
    void everyLineEnding_data();
    void everyLineEnding();
    void shortLineReadsMissingPairsAsZero();
    void laterRecordsOverwrite();
    void fullFirmwareFile();
    void everyLoadStartsFromBlank();
    void binaryNoise();
    void lineWithoutEndIsNotReadWhole();
};

void TestFirmwareLoader::total_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("total");

    using namespace srec;
    const QByteArray good = Data(0x5000, kFour);
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("end record only") << QByteArray("S9030000FC\r\n") << 0;
    QTest::newRow("end record without line end") << QByteArray("S9030000FC") << 0;
    QTest::newRow("header and end") << Text({Header(), End()}) << 0;
    QTest::newRow("one data record") << Text({Header(), good, End()}) << 4;
    QTest::newRow("no end record") << Text({good}) << 4;
    QTest::newRow("spoiled before good data") << Text({Spoiled(Header()), good, End()}) << 0;
    QTest::newRow("spoiled after good data") << Text({good, Spoiled(Data(0x6000, kFour))}) << -4;
    QTest::newRow("spoiled end record") << Text({good, Spoiled(End())}) << -4;
    QTest::newRow("spoiled after the end") << Text({good, End(), Spoiled(good)}) << 4;
    QTest::newRow("anything after the end") << Text({good, End(), "no record"}) << 4;
    QTest::newRow("blank line") << Text({good, "", Data(0x6000, kFour), End()}) << -4;
    QTest::newRow("blank line at the end") << Text({good, ""}) << -4;
    QTest::newRow("line of blanks") << Text({good, "   ", End()}) << -4;
    QTest::newRow("lower-case s") << Text({good, Data(0x6000, kFour).replace('S', 's')}) << -4;
    QTest::newRow("leading blank") << Text({good, " " + Data(0x6000, kFour)}) << -4;
    QTest::newRow("count of 0") << Text({good, "S100"}) << -4;
    QTest::newRow("count of 0 with a fitting byte") << Text({good, "S100FF"}) << -4;
    QTest::newRow("S alone") << Text({good, "S"}) << -4;
    QTest::newRow("count beyond the line") << Text({good, "S1FF5000AA"}) << -4;
    QTest::newRow("not hex reads as 0")
        << Text({good, Record('1', Bytes({0x50, 0x10, 0x00})).replace("501000", "50ZZ00")}) << -4;
    QTest::newRow("lower-case hex") << Text({good.toLower().replace('s', 'S')}) << 4;
    QTest::newRow("other types are only checked")
        << Text({Record('5', Bytes({0, 1})), Record('3', Bytes({0, 0, 0x50, 0}) + kFour), good,
                 Record('X', kFour), End()})
        << 4;
    // 24-bit addresses never reach the 16-bit window.
    QTest::newRow("S2 stores nothing")
        << Text({Record('2', Bytes({0x00, 0x50, 0x00}) + kFour),
                 Record('2', Bytes({0x01, 0x50, 0x00}) + kFour), End()})
        << 0;
    QTest::newRow("S1 with address only") << Text({Record('1', Bytes({0x50, 0x00}))}) << 0;
    QTest::newRow("S1 with a single address byte") << Text({Record('1', Bytes({0x50}))}) << 0;
    QTest::newRow("S1 with no bytes") << Text({Record('1', {})}) << 0;
    QTest::newRow("longest record")
        << Text({Data(0x5000, QByteArray(252, char(0x5A))), End()}) << 252;
    QTest::newRow("record followed by blanks")
        << Text({good + QByteArray(500, ' '), Data(0x6000, kFour), End()}) << 8;
    // No record is that long: the file is rejected at that line, not read to its end.
    QTest::newRow("record followed by 100,000 characters")
        << Text({Data(0x6000, kFour), good + QByteArray(100000, '7'), End()}) << -4;
    QTest::newRow("line of 100,000 characters") << Text({QByteArray(100000, 'S'), good}) << 0;
}

void TestFirmwareLoader::total() {
    QFETCH(QByteArray, text);
    QFETCH(int, total);

    FirmwareImage image;
    QCOMPARE(Load(text, image), total);
}

void TestFirmwareLoader::storesInsideTheWindowOnly_data() {
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("stored");

    QTest::newRow("first byte of the window") << 0x5000 << 16 << 16;
    QTest::newRow("last full record") << 0xEFF0 << 16 << 16;
    QTest::newRow("16 bytes at 0xEFF8") << 0xEFF8 << 16 << 8;
    QTest::newRow("at 0xEFFF") << 0xEFFF << 16 << 1;
    QTest::newRow("at 0xF000") << 0xF000 << 16 << 0;
    QTest::newRow("at 0xFFFF") << 0xFFFF << 16 << 0;
    QTest::newRow("at 0xFFF0 past the end of memory") << 0xFFF0 << 252 << 0;
    QTest::newRow("running into the window") << 0x4FF8 << 16 << 0;
    QTest::newRow("at 0") << 0x0000 << 16 << 0;
}

void TestFirmwareLoader::storesInsideTheWindowOnly() {
    QFETCH(int, address);
    QFETCH(int, length);
    QFETCH(int, stored);

    QByteArray data(length, '\0');
    for (int i = 0; i < length; ++i)
        data[i] = char(i + 1);
    FirmwareImage image;
    QCOMPARE(Load(srec::Text({srec::Data(uint16_t(address), data), srec::End()}), image), stored);
    for (uint32_t at = 0; at < FirmwareImage::kSize; ++at) {
        const bool written = at >= uint32_t(address) && at < uint32_t(address + stored);
        const uint8_t expected = written ? uint8_t(at - uint32_t(address) + 1) : 0xFF;
        if (image.At(uint16_t(at)) != expected)
            QFAIL(qPrintable(QStringLiteral("byte at %1").arg(at, 4, 16, QChar(u'0'))));
    }
}

void TestFirmwareLoader::everyLineEnding_data() {
    QTest::addColumn<QByteArray>("ending");
    QTest::addColumn<int>("total");

    QTest::newRow("CR LF") << QByteArray("\r\n") << 8;
    QTest::newRow("LF") << QByteArray("\n") << 8;
    QTest::newRow("CR") << QByteArray("\r") << 8;
    // LF CR is a line end followed by an empty line.
    QTest::newRow("LF CR") << QByteArray("\n\r") << -4;
    QTest::newRow("CR CR LF") << QByteArray("\r\r\n") << -4;
}

void TestFirmwareLoader::everyLineEnding() {
    QFETCH(QByteArray, ending);
    QFETCH(int, total);

    using namespace srec;
    const QByteArray text = Text({Data(0x5000, kFour), Data(0x6000, kFour), End()}, ending);
    FirmwareImage image;
    QCOMPARE(Load(text, image), total);
}

void TestFirmwareLoader::shortLineReadsMissingPairsAsZero() {
    // Count 16 at 0x5000: 0x10 + 0x50 + 0x00 + 0x9F sums to 0xFF, so the missing checksum
    // byte, read as 0, fits and the 13 data bytes are the one given and twelve zeros.
    FirmwareImage image;
    QCOMPARE(Load("S11050009F\r\n", image), 13);
    QCOMPARE(image.At(0x5000), uint8_t(0x9F));
    for (uint16_t at = 0x5001; at < 0x500D; ++at)
        QCOMPARE(image.At(at), uint8_t(0));
    QCOMPARE(image.At(0x500D), uint8_t(0xFF));
    // A hex digit without its partner reads as 0 as well.
    QCOMPARE(Load("S11050009F0\r\n", image), 13);
}

void TestFirmwareLoader::laterRecordsOverwrite() {
    using namespace srec;
    FirmwareImage image;
    const QByteArray text =
        Text({Data(0x5002, Bytes({9, 9})), Data(0x5000, kFour), Data(0x5003, Bytes({7}))});
    QCOMPARE(Load(text, image), 7);
    QCOMPARE(image.At(0x5002), uint8_t(3));
    QCOMPARE(image.At(0x5003), uint8_t(7));
}

void TestFirmwareLoader::fullFirmwareFile() {
    const std::vector<uint8_t> window = srec::FirmwareWindow();
    FirmwareImage image;
    QCOMPARE(Load(srec::Text(srec::FirmwareLines(window)), image), 0xA000);
    QVERIFY(std::equal(window.begin(), window.end(), image.Data() + 0x5000));
    QVERIFY(std::all_of(image.Data(), image.Data() + 0x5000, [](uint8_t b) { return b == 0xFF; }));
    QVERIFY(std::all_of(image.Data() + 0xF000, image.Data() + FirmwareImage::kSize,
                        [](uint8_t b) { return b == 0xFF; }));
}

void TestFirmwareLoader::everyLoadStartsFromBlank() {
    FirmwareImage image;
    Load(srec::Text({srec::Data(0x5000, kFour)}), image);
    QCOMPARE(Load(srec::Text({srec::Data(0x6000, kFour)}), image), 4);
    QCOMPARE(image.At(0x5000), uint8_t(0xFF));
    QCOMPARE(Load(QByteArray(), image), 0);
    QCOMPARE(image.At(0x6000), uint8_t(0xFF));
}

void TestFirmwareLoader::binaryNoise() {
    QRandomGenerator random(12);
    for (int round = 0; round < 200; ++round) {
        QByteArray noise(4096, '\0');
        random.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
        // Half the rounds begin like a long record, so they are read as far as a record goes.
        if (round % 2 == 0)
            noise.replace(0, 4, "S1FF");
        FirmwareImage image;
        Load(noise, image);
        const auto blank = [](uint8_t b) { return b == 0xFF; };
        QVERIFY(std::all_of(image.Data(), image.Data() + 0x5000, blank));
        QVERIFY(std::all_of(image.Data() + 0xF000, image.Data() + FirmwareImage::kSize, blank));
    }
}

// A sparse file of one 1 GB line: rejected within its first block, not read to its end.
void TestFirmwareLoader::lineWithoutEndIsNotReadWhole() {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("one-line.vtfw")));
    QVERIFY(file.open(QIODevice::ReadWrite));
    file.write("S1130000");
    QVERIFY(file.resize(qint64(1) << 30));
    QVERIFY(file.seek(0));
    FirmwareImage image;
    QCOMPARE(LoadFirmwareRecords(file, image), 0);
    QVERIFY2(file.pos() <= 1024 * 1024, qPrintable(QString::number(file.pos())));
}

VT12_TEST(TestFirmwareLoader, TestApplication::Core)
#include "tst_firmware_loader.moc"
