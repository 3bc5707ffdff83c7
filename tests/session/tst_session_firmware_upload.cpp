// A firmware upload through the session's scheduler over a fake port and clock: the requests
// it sends, what it logs, what a failed chunk and a lost link do, the upload of a unit in its
// bootloader, and the settings backup that comes first.

#include "data/settings_plausibility.h"
#include "firmware/firmware_stamp.h"
#include "session/controller_session.h"
#include "tests/firmware/srecord_text.h"
#include "tests/link/fake_link_roles.h"
#include "tests/support/fake_time_base.h"
#include "tests/support/full_file_system.h"

#include "tests/session/backup_skip.h"
#include "tests/support/test_registry.h"
#include "tests/support/with_crc.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <bit>

namespace {
using Bytes = std::vector<uint8_t>;

const QDateTime kUploadTime(QDate(2016, 11, 29), QTime(12, 34, 56, 789));

// A bootloader reply telling that the unit was last updated at localTime.
Bytes BootloaderReply(const QDateTime& localTime) {
    Bytes reply(248, 0);
    const auto days = std::bit_cast<uint64_t>(DaysSinceDayZero(localTime));
    for (size_t i = 0; i < 8; ++i)
        reply[64 + i] = uint8_t(days >> (8 * i));
    return reply;
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList CompleteLog() {
    QStringList log{QStringLiteral("Start writing to 40 pages")};
    for (int page = 1; page <= 40; ++page)
        log << QStringLiteral("Page %1").arg(page) + QString(page < 40 ? 8 : 7, u'.');
    log << QStringLiteral("Finished - OK");
    return log;
}
} // namespace

class TestSessionFirmwareUpload : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QTemporaryDir dataHome;
    QString firmwarePath;
    FakeTimeBase time;
    FakePort port;
    FakeLinkRoles roles;
    std::unique_ptr<ControllerSession> session;

    void runPosted() { QCoreApplication::sendPostedEvents(session.get()); }

    const Bytes& last() const { return port.written.back(); }
    int function() const { return last()[1]; }
    uint16_t address() const { return uint16_t(last()[2] << 8 | last()[3]); }

    void connectPort() {
        port.open = false;
        port.present = {1, 2};
        session->Detector().DetectPort();
        runPosted();
    }

    // A valid answer to the request in flight, then the turns it posted.
    void answer(const QByteArray& text = {}) {
        Bytes frame{5, uint8_t(function())};
        if (function() == 110) {
            frame.insert(frame.end(), last().begin() + 2, last().begin() + 6);
        } else {
            const int bytes = 2 * (last()[4] << 8 | last()[5]);
            frame.push_back(uint8_t(bytes));
            frame.resize(size_t(3 + bytes), 0);
            std::copy(text.begin(), text.end(), frame.begin() + 3);
        }
        const Bytes wire = WithCrc(frame);
        session->ReceiveBytes(wire.data(), int(wire.size()));
        // An answer after a failure is taken once the line stays quiet.
        time.Advance(50);
        runPosted();
    }

    void timeout() {
        time.Advance(1000);
        runPosted();
    }

    // Answers chunk requests until another request goes out; the addresses sent, in order.
    std::vector<uint16_t> answerChunks(uint16_t timeoutAt = 0) {
        std::vector<uint16_t> sent;
        bool timedOut = false;
        while (function() == 110 && sent.size() < 1000) {
            sent.push_back(address());
            if (address() == timeoutAt && !timedOut) {
                timedOut = true;
                timeout();
            } else {
                answer();
            }
        }
        return sent;
    }

    // The unit's settings read, each answer starting with a name of its own (the client takes
    // an answer equal to the one before for a repeat).
    void answerSettingsReads(const QByteArray& name = "Planer ") {
        for (int i = 0; i < 30 && (session->Scheduler().JobMask() & kBackupSettingsReads); ++i)
            answer(name + QByteArray::number(address()));
    }

    bool chunkSent() const {
        return std::ranges::any_of(port.written,
                                   [](const Bytes& frame) { return frame[1] == 110; });
    }

    static std::vector<uint16_t> fullSequence() {
        std::vector<uint16_t> all{0x4F80};
        for (uint32_t at = 0x5000; at <= 0xF000; at += 128)
            all.push_back(uint16_t(at));
        return all;
    }

public:
    TestSessionFirmwareUpload() { qputenv("XDG_DATA_HOME", dataHome.path().toUtf8()); }

private Q_SLOTS:
    void initTestCase() {
        firmwarePath = dir.filePath("VT12F06A.vtfw");
        QFile file(firmwarePath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(srec::Text(srec::FirmwareLines(srec::FirmwareWindow("VT12F06A"))));
    }
    void init() {
        QDir(SettingsBackupFolder()).removeRecursively();
        port = FakePort();
        roles = FakeLinkRoles();
        session = std::make_unique<ControllerSession>(port, time, roles, roles);
    }
    void cleanup() { session.reset(); }

    void validatedAgainWhenTheLinkComesUp() {
        QSignalSpy checked(session.get(), &ControllerSession::FirmwareFileChecked);
        session->ValidateFirmwareFile(firmwarePath);
        QVERIFY(checked.last().at(0).value<FirmwareFileCheck>().verdict.Accepted());
        connectPort();
        QVERIFY(!session->FirmwareUploadAllowed());
        QVERIFY(!session->StartFirmwareUpload(kUploadTime, {}));

        answer("VT12F05A");
        QCOMPARE(checked.size(), 2);
        QVERIFY(session->FirmwareUploadAllowed());
    }

    void fullUpload() {
        session->ValidateFirmwareFile(firmwarePath);
        connectPort();
        answer("VT12F05A");
        QSignalSpy checked(session.get(), &ControllerSession::FirmwareFileChecked);
        const std::optional<UploadStart> start = session->StartFirmwareUpload(kUploadTime, {});
        QVERIFY(start);
        QCOMPARE(start->progressMaximum, 320);
        QVERIFY(!session->FirmwareUploadAllowed());
        // The settings reads asked for before wait, and the end chunk drops them.
        answer();

        QCOMPARE(answerChunks(), fullSequence());
        QCOMPARE(roles.log, CompleteLog());
        QCOMPARE(roles.progress, 321);
        QCOMPARE(checked.size(), 1);
        QVERIFY(session->FirmwareUploadAllowed());
        QCOMPARE(function(), 3);
        QCOMPARE(address(), uint16_t(2048));
        QCOMPARE(session->Scheduler().JobMask(),
                 JOB_READ_FIRMWARE_INFO | JOB_READ_FIRMWARE_INFO_2 | JOB_READ_BOOTLOADER_INFO);
    }

    // After the last chunk the unit is read again: the upload is over with the first poll, or
    // as soon as the unit answers from its bootloader, and says what the unit runs.
    void uploadFinishesWithTheCodeReported_data() {
        QTest::addColumn<QByteArray>("identification");
        QTest::addColumn<bool>("bootloader");
        QTest::addColumn<bool>("ok");
        QTest::newRow("new firmware") << QByteArray("VT12F06A") << false << true;
        QTest::newRow("old firmware kept") << QByteArray("VT12F05A") << false << false;
        QTest::newRow("bootloader") << QByteArray("VT12B03C") << true << false;
    }
    void uploadFinishesWithTheCodeReported() {
        QFETCH(QByteArray, identification);
        QFETCH(bool, bootloader);
        QFETCH(bool, ok);
        session->ValidateFirmwareFile(firmwarePath);
        connectPort();
        answer("VT12F05A");
        QSignalSpy finished(session.get(), &ControllerSession::UploadFinished);
        QVERIFY(session->StartFirmwareUpload(kUploadTime, {}));
        answer();
        answerChunks();
        QVERIFY(finished.isEmpty());
        answer(identification);
        // Each answer its own, so that none is taken for a repeat.
        for (int i = 0; i < 10 && finished.isEmpty(); ++i)
            answer(QByteArray::number(i + 1));
        QCOMPARE(finished.size(), 1);
        const auto result = finished.first().at(0).value<UploadResult>();
        const auto reported = finished.first().at(1).value<FirmwareCode>();
        QCOMPARE(result.uploaded.Text(), QStringLiteral("F06A"));
        QVERIFY(result.allChunksWritten);
        QCOMPARE(result.stayedInBootloader, bootloader);
        QCOMPARE(reported.Text(), QString::fromLatin1(identification.mid(4, 4)));
        QCOMPARE(result.Ok(reported), ok);
        // Polling goes on without another report.
        answer("next");
        QCOMPARE(finished.size(), 1);
    }

    void failedChunkIsSentAgainWithoutADot() {
        session->ValidateFirmwareFile(firmwarePath);
        connectPort();
        answer("VT12F05A");
        session->StartFirmwareUpload(kUploadTime, {});
        answer();

        std::vector<uint16_t> expected = fullSequence();
        expected.insert(std::find(expected.begin(), expected.end(), 0x6000), 0x6000);
        QCOMPARE(answerChunks(0x6000), expected);
        QCOMPARE(roles.log, CompleteLog());
    }

    void tenFailuresEndTheUpload() {
        session->ValidateFirmwareFile(firmwarePath);
        connectPort();
        answer("VT12F05A");
        session->StartFirmwareUpload(kUploadTime, {});
        answer();
        for (int i = 0; i < 20; ++i)
            answer();
        QCOMPARE(address(), uint16_t(0x5000 + 19 * 128));
        for (int i = 0; i < 10; ++i)
            timeout();
        runPosted();

        // Detection opened the next port with the full read set: the upload is over.
        QVERIFY(!session->LinkUp());
        QCOMPARE(function(), 3);
        QCOMPARE(address(), uint16_t(2048));
        QVERIFY(!session->Scheduler().HasJob(JOB_WRITE_FIRMWARE_CHUNK));
        QCOMPARE(roles.log.size(), 4);
        QVERIFY(!session->FirmwareUploadAllowed());
        answer("VT12F05A");
        QVERIFY(session->FirmwareUploadAllowed());
    }

    void uploadFromTheBootloader() {
        session->ValidateFirmwareFile(firmwarePath);
        connectPort();
        QSignalSpy checked(session.get(), &ControllerSession::FirmwareFileChecked);
        answer("VT12B03C");
        QVERIFY(session->BootloaderModeOn());
        // The link shown down for the damaged firmware, the upload allowed all the same.
        QVERIFY(checked.size() >= 1);
        QVERIFY(session->FirmwareUploadAllowed());
        QVERIFY(session->StartFirmwareUpload(kUploadTime, {}));
        answer("VT12B03C");

        QCOMPARE(answerChunks(), fullSequence());
        QCOMPARE(roles.log, CompleteLog());
        QCOMPARE(address(), uint16_t(2048));
        answer("VT12F06A");
        QVERIFY(!session->BootloaderModeOn());
    }

    void readSettingsKeptBeforeTheFirstChunk() {
        session->ValidateFirmwareFile(firmwarePath);
        connectPort();
        answer("VT12F05A");
        answerSettingsReads();
        // An edit not saved: the backup holds what the unit holds.
        session->Images().EditedImage(BlockId::GateNames)[0] ^= 0xFF;
        const SettingsFileTexts memos{"VT12F05A", "1:\t12", "S1:\t3"};
        QSignalSpy shown(session.get(), &ControllerSession::SettingsBackupFinished);

        QVERIFY(session->StartFirmwareUpload(kUploadTime, memos));
        QCOMPARE(shown.size(), 1);
        const auto outcome = shown.at(0).at(0).value<SettingsBackupOutcome>();
        QCOMPARE(outcome.decision.skip, Skip::None);
        // Dated, with a random part no one can foresee and take.
        const QString path = outcome.path;
        QCOMPARE(QFileInfo(path).path(), SettingsBackupFolder());
        QVERIFY(QRegularExpression("^vt12-2016-11-29_123456-F05A-[a-z0-9]{8}\\.vt12$")
                    .match(QFileInfo(path).fileName())
                    .hasMatch());
        QVERIFY(!chunkSent());
        // What "Save to File" writes once the edited images are the read ones.
        ControllerImages asRead = session->Images();
        for (const BlockId block :
             {BlockId::SystemSettings, BlockId::GateSettings, BlockId::SlaveGateSettings,
              BlockId::GateNames, BlockId::SlaveGateNames})
            std::ranges::copy(asRead.ReadImage(block), asRead.EditedImage(block).begin());
        const QByteArray expected = SettingsFileBytes(asRead, memos);
        QCOMPARE(FileBytes(path), expected);
        QVERIFY(expected != SettingsFileBytes(session->Images(), memos));

        answer();
        QCOMPARE(answerChunks(), fullSequence());
        QCOMPARE(roles.log, CompleteLog());
    }

    void restoreComparesWithTheUnitReadAgain() {
        session->ValidateFirmwareFile(firmwarePath);
        connectPort();
        answer("VT12F05A");
        answerSettingsReads();
        // Backups of earlier cases carry the same time: only this one may be the latest.
        QDir(SettingsBackupFolder()).removeRecursively();
        const ControllerImages atUpload = session->Images();
        const auto bootloader = [&](const QDateTime& updated) {
            const Bytes reply = BootloaderReply(updated);
            session->OnFirmwareInfo(ControllerSession::FirmwarePart::Bootloader,
                                    {reply.data(), int(reply.size())});
        };
        bootloader(kUploadTime.addDays(-400));
        QVERIFY(session->StartFirmwareUpload(kUploadTime, {}));
        answer();
        answerChunks();
        answer("VT12F06A");
        // The update time read before the upload is no longer the unit's; the one it reports
        // after it names the same backup, another one none.
        const QString backup = LatestSettingsBackup(SettingsBackupFolder());
        QCOMPARE(session->UpdateBackup(), backup);
        bootloader(kUploadTime);
        QCOMPARE(session->UpdateBackup(), backup);
        bootloader(kUploadTime.addSecs(1));
        QCOMPARE(session->UpdateBackup(), QString());
        QSignalSpy restored(session.get(), &ControllerSession::SettingsBackupRestored);

        session->RestoreSettingsBackup(LatestSettingsBackup(SettingsBackupFolder()));
        QVERIFY(restored.isEmpty());
        // The new firmware came with other settings.
        answerSettingsReads("Reset ");
        QCOMPARE(restored.size(), 1);
        QVERIFY(restored.at(0).at(1).value<SettingsFileLoaded>().ok);
        // The backup as a file load takes it: values outside their limits bounded.
        ControllerImages expected = atUpload;
        for (const BlockId block :
             {BlockId::SystemSettings, BlockId::GateSettings, BlockId::GateNames})
            std::ranges::copy(atUpload.ReadImage(block), expected.EditedImage(block).begin());
        BoundImplausibleSettings(expected, session->Features());
        for (const BlockId block :
             {BlockId::SystemSettings, BlockId::GateSettings, BlockId::GateNames})
            QVERIFY(std::ranges::equal(session->Images().EditedImage(block),
                                       std::as_const(expected).EditedImage(block)));
        QVERIFY(session->Images().AnySettingsChanged(false));
    }

    void noBackupWithoutTheUnitsSettings_data() {
        QTest::addColumn<QByteArray>("identification");
        QTest::addColumn<Skip>("skip");

        QTest::newRow("bootloader") << QByteArray("VT12B03C") << Skip::BootloaderMode;
        QTest::newRow("settings not read yet") << QByteArray("VT12F05A") << Skip::SettingsNotRead;
    }

    void noBackupWithoutTheUnitsSettings() {
        QFETCH(QByteArray, identification);
        QFETCH(Skip, skip);
        session->ValidateFirmwareFile(firmwarePath);
        connectPort();
        answer(identification);
        QSignalSpy shown(session.get(), &ControllerSession::SettingsBackupFinished);

        QVERIFY(session->StartFirmwareUpload(kUploadTime, {}));
        QCOMPARE(shown.at(0).at(0).value<SettingsBackupOutcome>().decision.skip, skip);
        QVERIFY(QDir(SettingsBackupFolder()).isEmpty());
        QVERIFY(session->Scheduler().HasJob(JOB_WRITE_FIRMWARE_CHUNK));
    }

    void unwrittenBackupLeavesTheUploadUnstarted() {
        session->ValidateFirmwareFile(firmwarePath);
        connectPort();
        answer("VT12F05A");
        answerSettingsReads();
        // A file where the folder belongs.
        QDir().mkpath(QFileInfo(SettingsBackupFolder()).path());
        QFile blocker(SettingsBackupFolder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QSignalSpy shown(session.get(), &ControllerSession::SettingsBackupFinished);

        QVERIFY(!session->StartFirmwareUpload(kUploadTime, {}));
        QVERIFY(shown.at(0).at(0).value<SettingsBackupOutcome>().Failed());
        QVERIFY(!session->Scheduler().HasJob(JOB_WRITE_FIRMWARE_CHUNK));
        QVERIFY(session->FirmwareUploadAllowed());
        QVERIFY(roles.log.isEmpty());

        QVERIFY(blocker.remove());
        QVERIFY(session->StartFirmwareUpload(kUploadTime, {}));
        QVERIFY(!shown.last().at(0).value<SettingsBackupOutcome>().Failed());
    }

    // A disk too full for the whole backup: no upload, and no part of a backup left behind.
    void fullDiskLeavesTheUploadUnstarted() {
        QVERIFY(QDir().mkpath(SettingsBackupFolder()));
        const FullFileSystem disk(SettingsBackupFolder());
        if (!disk.Mounted())
            QSKIP(FullFileSystem::SkipReason());
        disk.Fill();
        session->ValidateFirmwareFile(firmwarePath);
        connectPort();
        answer("VT12F05A");
        answerSettingsReads();
        QSignalSpy shown(session.get(), &ControllerSession::SettingsBackupFinished);

        QVERIFY(!session->StartFirmwareUpload(kUploadTime, {}));
        QVERIFY(shown.at(0).at(0).value<SettingsBackupOutcome>().Failed());
        QVERIFY(!session->Scheduler().HasJob(JOB_WRITE_FIRMWARE_CHUNK));
        QVERIFY(!chunkSent());
        QCOMPARE(QDir(SettingsBackupFolder()).entryList(QDir::Files), QStringList{"filler"});
    }
};

VT12_TEST(TestSessionFirmwareUpload, TestApplication::Core)
#include "tst_session_firmware_upload.moc"
