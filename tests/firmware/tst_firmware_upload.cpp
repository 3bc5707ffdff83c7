// The upload of an accepted image: the trailer stamped into it, the chunks in the order the
// scheduler sends them, and what each written chunk logs.

#include "data/job_bits.h"
#include "firmware/firmware_file.h"
#include "firmware/firmware_stamp.h"
#include "firmware/firmware_upload.h"
#include "tests/firmware/srecord_text.h"

#include "tests/support/test_registry.h"

#include <QTemporaryDir>
#include <QTest>
#include <set>

namespace {
// 29 November 2016, 12:34:56.789: day 42703 and 0.5242683912 of a day.
const QDateTime kUploadTime(QDate(2016, 11, 29), QTime(12, 34, 56, 789));

FirmwareImage ImageWith(uint16_t address, const QByteArray& bytes) {
    FirmwareImage image;
    image.Store(address, reinterpret_cast<const uint8_t*>(bytes.constData()), int(bytes.size()));
    return image;
}

QByteArray Bytes(const uint8_t* data, int length) {
    return QByteArray(reinterpret_cast<const char*>(data), length);
}

// Applies KomStsLog calls as the log memo does.
void Apply(QStringList& log, const QList<LogLine>& lines) {
    for (const LogLine& line : lines) {
        if (line.append && !log.isEmpty())
            log.last() += line.text;
        else
            log.append(line.text);
    }
}

struct Sent {
    uint16_t address;
    QByteArray bytes;
};

// Runs an upload as the scheduler and the window do: a chunk job pending sends the chunk at the
// upload address; the end chunk clears the job; failedOnce names chunks whose first attempt
// gets no valid answer.
struct UploadRun {
    std::vector<Sent> sent;
    QStringList log;
    int progress = 0;
    int revalidations = 0;

    void Run(FirmwareUpload& upload, const std::set<uint16_t>& failedOnce = {}) {
        std::set<uint16_t> failed;
        uint32_t jobMask = JOB_WRITE_FIRMWARE_CHUNK;
        while ((jobMask & JOB_WRITE_FIRMWARE_CHUNK) != 0 && sent.size() < 1000) {
            const uint16_t address = upload.UploadAddress();
            sent.push_back({address, Bytes(upload.FirmwareChunk(), FirmwareUpload::kChunkBytes)});
            if (address >= FirmwareUpload::kEndChunk) {
                jobMask = JOB_READ_FIRMWARE_INFO;
                continue;
            }
            if (failedOnce.contains(address) && failed.insert(address).second)
                continue;
            const ChunkWritten written = upload.OnFirmwareChunkWritten();
            Apply(log, written.log);
            if (written.revalidate) {
                ++revalidations;
                progress = 0;
            }
            progress = std::min(progress + written.progressStep, FirmwareUpload::kDataChunks);
            if (!written.queueNextChunk)
                jobMask = 0;
        }
    }
};

QStringList CompleteLog() {
    QStringList log{QStringLiteral("Start writing to 40 pages")};
    for (int page = 1; page <= 40; ++page)
        log << QStringLiteral("Page %1").arg(page) + QString(page < 40 ? 8 : 7, u'.');
    log << QStringLiteral("Finished - OK");
    return log;
}
} // namespace

class TestFirmwareUpload : public QObject {
    Q_OBJECT

private slots:
    void daysSinceDayZero_data();
    void daysSinceDayZero();
    void trailer();
    void trailerChecksumDropsCarries();
    void fullUpload();
    void failedChunkIsSentAgainWithoutADot();
    void sendsTheImageAsStampedAtTheStart();
    void answerWhenIdleChangesNothing();
    void running_data();
    void running();
};

void TestFirmwareUpload::daysSinceDayZero_data() {
    QTest::addColumn<QDateTime>("time");
    QTest::addColumn<double>("days");

    QTest::newRow("day zero") << QDateTime(QDate(1899, 12, 30), QTime(0, 0)) << 0.0;
    QTest::newRow("1 January 1900") << QDateTime(QDate(1900, 1, 1), QTime(0, 0)) << 2.0;
    QTest::newRow("evening") << QDateTime(QDate(2016, 11, 29), QTime(18, 0)) << 42703.75;
    QTest::newRow("one millisecond")
        << QDateTime(QDate(2000, 1, 1), QTime(0, 0, 0, 1)) << 36526.0 + 1.0 / 86400000.0;
    QTest::newRow("last millisecond of a day")
        << QDateTime(QDate(2000, 1, 1), QTime(23, 59, 59, 999)) << 36527.0 - 1.0 / 86400000.0;
}

void TestFirmwareUpload::daysSinceDayZero() {
    QFETCH(QDateTime, time);
    QFETCH(double, days);

    QCOMPARE(DaysSinceDayZero(time), days);
}

void TestFirmwareUpload::trailer() {
    FirmwareImage image = ImageWith(0x5000, "VT12F05A");
    image.Store(0xC000, std::array<uint8_t, 2>{0xAB, 0xCD}.data(), 2);
    image.Store(
        0xEFF0,
        std::array<uint8_t, 16>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0xCC, 0xCC, 0, 0}.data(),
        16);
    StampFirmwareImage(image, kUploadTime);
    // The double 42703.5242683912 low byte first, four zeros, the signature and the sum of
    // 0x5000..0xEFFB kept to 16 bits, high byte first.
    QCOMPARE(Bytes(image.Data() + 0xEFF0, 16).toHex(), QByteArray("5181cec6f0d9e440000000001111"
                                                                  "4ede"));
    QCOMPARE(image.At(0xEFEF), uint8_t(0xFF));
    QCOMPARE(image.At(0xF000), uint8_t(0xFF));
}

void TestFirmwareUpload::trailerChecksumDropsCarries() {
    // 40,944 bytes of 0xFF and a zero time stamp: 0xFF x 40,944 = 0x9F5010, kept as 0x5010.
    FirmwareImage image;
    StampFirmwareImage(image, QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
    QCOMPARE(Bytes(image.Data() + 0xEFF0, 16).toHex(), QByteArray("0000000000000000"
                                                                  "00000000"
                                                                  "1111"
                                                                  "5010"));
}

void TestFirmwareUpload::fullUpload() {
    FirmwareFile file;
    QTemporaryDir dir;
    QFile firmware(dir.filePath("fw.vtfw"));
    QVERIFY(firmware.open(QIODevice::WriteOnly));
    firmware.write(srec::Text(srec::FirmwareLines()));
    firmware.close();
    QVERIFY(file.Validate(firmware.fileName()).verdict.Accepted());

    FirmwareUpload upload;
    const UploadStart start = upload.Start(file.Image(), kUploadTime);
    QCOMPARE(start.progressMaximum, 320);
    QCOMPARE(start.job, JOB_WRITE_FIRMWARE_CHUNK);
    UploadRun run;
    run.Run(upload);

    QCOMPARE(run.sent.size(), size_t(322));
    QCOMPARE(run.sent.front().address, uint16_t(0x4F80));
    QCOMPARE(run.sent.back().address, uint16_t(0xF000));
    const QByteArray blank(128, char(0xFF));
    QCOMPARE(run.sent.front().bytes, blank);
    QCOMPARE(run.sent.back().bytes, blank);
    FirmwareImage stamped = file.Image();
    StampFirmwareImage(stamped, kUploadTime);
    for (size_t i = 1; i <= 320; ++i) {
        const auto address = uint16_t(0x5000 + (i - 1) * 128);
        QCOMPARE(run.sent[i].address, address);
        QCOMPARE(run.sent[i].bytes, Bytes(stamped.Data() + address, 128));
    }
    QCOMPARE(run.sent[320].bytes.right(4).left(2), QByteArray("\x11\x11"));
    QCOMPARE(run.log, CompleteLog());
    QCOMPARE(run.revalidations, 1);
    // The re-validation after the last data chunk set the bar to 0; that chunk's step follows.
    QCOMPARE(run.progress, 1);
    QVERIFY(!upload.Running(JOB_WRITE_FIRMWARE_CHUNK));
}

void TestFirmwareUpload::failedChunkIsSentAgainWithoutADot() {
    FirmwareUpload upload;
    upload.Start(ImageWith(0x6000, "page five"), kUploadTime);
    UploadRun run;
    run.Run(upload, {0x4F80, 0x6000, 0xEF80});

    QCOMPARE(run.sent.size(), size_t(325));
    std::vector<uint16_t> repeated;
    for (size_t i = 1; i < run.sent.size(); ++i)
        if (run.sent[i].address == run.sent[i - 1].address) {
            QCOMPARE(run.sent[i].bytes, run.sent[i - 1].bytes);
            repeated.push_back(run.sent[i].address);
        }
    QCOMPARE(repeated, (std::vector<uint16_t>{0x4F80, 0x6000, 0xEF80}));
    QCOMPARE(run.log, CompleteLog());
}

void TestFirmwareUpload::sendsTheImageAsStampedAtTheStart() {
    FirmwareImage image = ImageWith(0x5000, "VT12F05A");
    FirmwareUpload upload;
    upload.Start(image, kUploadTime);
    image.Store(0x5000, reinterpret_cast<const uint8_t*>("OTHERFW!"), 8);
    upload.OnFirmwareChunkWritten();
    QCOMPARE(Bytes(upload.FirmwareChunk(), 8), QByteArray("VT12F05A"));
}

void TestFirmwareUpload::answerWhenIdleChangesNothing() {
    FirmwareUpload upload;
    QVERIFY(!upload.Running(JOB_WRITE_FIRMWARE_CHUNK));
    const ChunkWritten written = upload.OnFirmwareChunkWritten();
    QVERIFY(written.log.isEmpty());
    QCOMPARE(written.progressStep, 0);
    QVERIFY(!written.queueNextChunk);
    QCOMPARE(upload.UploadAddress(), uint16_t(0xF000));
}

void TestFirmwareUpload::running_data() {
    QTest::addColumn<int>("chunksWritten");
    QTest::addColumn<uint>("jobMask");
    QTest::addColumn<bool>("running");

    const uint chunk = JOB_WRITE_FIRMWARE_CHUNK;
    QTest::newRow("just started") << 0 << chunk << true;
    QTest::newRow("last data chunk pending") << 320 << chunk << true;
    QTest::newRow("only the end chunk left") << 321 << chunk << false;
    QTest::newRow("detection replaced the jobs") << 100 << uint(kFullReloadJobs) << false;
}

void TestFirmwareUpload::running() {
    QFETCH(int, chunksWritten);
    QFETCH(uint, jobMask);
    QFETCH(bool, running);

    FirmwareUpload upload;
    upload.Start(FirmwareImage(), kUploadTime);
    for (int i = 0; i < chunksWritten; ++i)
        upload.OnFirmwareChunkWritten();
    QCOMPARE(upload.Running(jobMask), running);
}

VT12_TEST(TestFirmwareUpload, TestApplication::Core)
#include "tst_firmware_upload.moc"
