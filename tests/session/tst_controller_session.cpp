// The session over a fake port and clock: answers go in as bytes, requests come out as
// frames, posted turns run when the test lets them. Identification and bootloader mode,
// feature levels, verification, the slave unit, and the link's loss.

#include "session/controller_session.h"
#include "tests/link/fake_link_roles.h"
#include "tests/support/fake_time_base.h"

#include "tests/support/test_registry.h"
#include "tests/support/with_crc.h"

#include <QSignalSpy>
#include <QTest>
#include <algorithm>

namespace {
using Bytes = std::vector<uint8_t>;

Bytes textReply(const QByteArray& text, int size = 248) {
    Bytes bytes(size_t(size), 0);
    std::copy(text.begin(), text.end(), bytes.begin());
    return bytes;
}

RegisterData replyOf(const Bytes& bytes) {
    return {bytes.data(), int(bytes.size())};
}

Bytes statusReply(uint8_t slaveLink, uint8_t hardware = 4) {
    Bytes bytes(32, 0);
    bytes[15] = slaveLink;
    bytes[25] = hardware;
    return bytes;
}

QString request(const Bytes& f) {
    return QStringLiteral("%1:%2,%3").arg(f[1]).arg(f[2] << 8 | f[3]).arg(f[4] << 8 | f[5]);
}
} // namespace

class TestControllerSession : public QObject {
    Q_OBJECT
    FakeTimeBase time;
    FakePort port;
    FakeLinkRoles roles;
    std::unique_ptr<ControllerSession> session;

    TJobScheduler& scheduler() { return session->Scheduler(); }

    // The turns the session posted to itself, as the event loop would run them.
    void runPosted() { QCoreApplication::sendPostedEvents(session.get()); }

    // Port 1 found: the full read set is pending and the first request is out. Detection
    // finds the controller again on port 2.
    void connectPort() {
        port.open = false;
        port.present = {1, 2};
        session->Detector().DetectPort();
        runPosted();
    }

    QString lastRequest() const { return request(port.written.back()); }

    // The answer to the read in flight, with data at its start, then the quiet line and the
    // next turn. Its last byte tells the blocks apart, as their data does on a controller.
    void answer(const Bytes& data = {}, uint8_t address = 5) {
        const Bytes& sent = port.written.back();
        const int bytes = 2 * (sent[4] << 8 | sent[5]);
        Bytes frame{address, sent[1], uint8_t(bytes)};
        frame.resize(size_t(3 + bytes), 0);
        if (data.size() < size_t(bytes))
            frame.back() = uint8_t(sent[2] ^ sent[3]);
        std::copy_n(data.begin(), std::min<size_t>(data.size(), size_t(bytes)), frame.begin() + 3);
        const Bytes wire = WithCrc(frame);
        session->ReceiveBytes(wire.data(), int(wire.size()));
        time.Advance(50);
        runPosted();
    }

    void identify(const char* text) {
        session->OnFirmwareInfo(ControllerSession::FirmwarePart::First, replyOf(textReply(text)));
    }

private Q_SLOTS:
    void init() {
        port = FakePort();
        roles = FakeLinkRoles();
        session = std::make_unique<ControllerSession>(port, time, roles, roles);
    }
    void cleanup() { session.reset(); }

    void featuresFollowTheFirmwareCode_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("vacuumError");
        QTest::addColumn<bool>("pressureFromVfd");
        QTest::addColumn<bool>("bootloaderRead");
        QTest::newRow("F05A") << QByteArray("VT12F05A Vantor") << "F05A" << true << true << true;
        QTest::newRow("F04A") << QByteArray("VT12F04A") << "F04A" << true << false << true;
        QTest::newRow("F03K") << QByteArray("VT12F03K") << "F03K" << false << false << true;
        QTest::newRow("F03G") << QByteArray("VT12F03G") << "F03G" << false << false << false;
        QTest::newRow("old text") << QByteArray("Vantor 12  Firmware Version: 1.23 (c)") << " 123"
                                  << false << false << false;
        QTest::newRow("unknown") << QByteArray("hello") << "----" << false << false << false;
    }
    void featuresFollowTheFirmwareCode() {
        QFETCH(QByteArray, text);
        QFETCH(QString, code);
        QFETCH(bool, vacuumError);
        QFETCH(bool, pressureFromVfd);
        QFETCH(bool, bootloaderRead);
        QSignalSpy applied(session.get(), &ControllerSession::FeatureLevelApplied);
        QSignalSpy shown(session.get(), &ControllerSession::FirmwareTextRead);
        connectPort();
        answer(textReply(text));
        QCOMPARE(session->Features().MasterCode().Text(), code);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().at(1).toString(), QString::fromLatin1(text));
        QCOMPARE(applied.size(), 1);
        QCOMPARE(session->Features().Has(Feature::VacuumErrorSettings), vacuumError);
        QCOMPARE(session->Features().Has(Feature::PressureFromVFDShown), pressureFromVfd);
        QCOMPARE(scheduler().HasJob(JOB_READ_BOOTLOADER_INFO), bootloaderRead);
        QVERIFY(!session->BootloaderModeOn());
        QCOMPARE(lastRequest(), QStringLiteral("3:2172,124"));
    }

    void bootloaderModeEnteredAndLeft() {
        QSignalSpy link(session.get(), &ControllerSession::LinkChanged);
        QSignalSpy banner(session.get(), &ControllerSession::BootloaderModeChanged);
        connectPort();
        answer(textReply("VT12B03C"));
        QVERIFY(session->BootloaderModeOn());
        QCOMPARE(scheduler().JobMask(), JOB_READ_FIRMWARE_INFO);
        QVERIFY(banner.last().at(0).value<BootloaderTransition>().bannerVisible);
        // Down at detection, up with the answer, shown down again for the damaged firmware.
        QCOMPARE(link.size(), 3);
        QCOMPARE(link.last().at(0).toBool(), false);
        QVERIFY(session->LinkUp());

        for (int i = 0; i < 3; ++i) {
            QCOMPARE(lastRequest(), QStringLiteral("3:2048,124"));
            answer(textReply("VT12B03C"));
        }
        QCOMPARE(scheduler().JobMask(), JOB_READ_FIRMWARE_INFO);
        QCOMPARE(link.size(), 3);

        answer(textReply("VT12F05A"));
        QVERIFY(!session->BootloaderModeOn());
        QVERIFY(!banner.last().at(0).value<BootloaderTransition>().bannerVisible);
        QCOMPARE(link.size(), 4);
        QCOMPARE(link.last().at(0).toBool(), true);
        // The full reload but the identification just taken.
        QCOMPARE(lastRequest(), QStringLiteral("3:2172,124"));
        QCOMPARE(scheduler().JobMask() | JOB_READ_FIRMWARE_INFO_2 | JOB_READ_FIRMWARE_INFO,
                 kFullReloadJobs);
    }

    void hardwareVersion_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("reported");
        QTest::addColumn<int>("version");
        QTest::addColumn<bool>("pressure");
        QTest::newRow("F02Z takes 2") << QByteArray("VT12F02Z") << 5 << 2 << false;
        QTest::newRow("F05A with 5") << QByteArray("VT12F05A") << 5 << 5 << true;
        QTest::newRow("F05A with 3") << QByteArray("VT12F05A") << 3 << 3 << false;
    }
    void hardwareVersion() {
        QFETCH(QByteArray, text);
        QFETCH(int, reported);
        QFETCH(int, version);
        QFETCH(bool, pressure);
        QSignalSpy shown(session.get(), &ControllerSession::HardwareVersionRead);
        identify(text.constData());
        session->OnStatusPoll(replyOf(statusReply(0, uint8_t(reported))));
        const auto view = shown.last().at(0).value<HardwareVersionView>();
        QCOMPARE(int(view.version), version);
        QCOMPARE(view.pressure, pressure);
        QCOMPARE(int(session->Images().Status.HardwareVersion()), version);
    }

    void slavePressurePanelNeedsAPair_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("slaveHardware");
        QTest::addColumn<bool>("shown");
        QTest::newRow("pair, H04") << 2 << 4 << true;
        QTest::newRow("pair, H03") << 2 << 3 << false;
        QTest::newRow("drive, H04") << 3 << 4 << false;
    }
    void slavePressurePanelNeedsAPair() {
        QFETCH(int, mode);
        QFETCH(int, slaveHardware);
        QFETCH(bool, shown);
        Bytes system(28, 0);
        system[20] = uint8_t(mode);
        session->OnSettingsRead(BlockId::SystemSettings, replyOf(system));
        session->OnStatusPoll(replyOf(statusReply(15)));
        session->OnSlaveStatusPoll(replyOf(statusReply(0, uint8_t(slaveHardware))));
        QSignalSpy view(session.get(), &ControllerSession::HardwareVersionRead);
        session->OnStatusPoll(replyOf(statusReply(15)));
        QCOMPARE(view.last().at(0).value<HardwareVersionView>().slavePressure, shown);
    }

    void verifyingRead_data() {
        QTest::addColumn<bool>("same");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("progress");
        QTest::addColumn<bool>("unsaved");
        QTest::newRow("equal") << true << "Verifying...OK" << 1 << false;
        QTest::newRow("stored differently") << false << "Verifying...FALSE!" << 0 << true;
    }
    void verifyingRead() {
        QFETCH(bool, same);
        QFETCH(QString, line);
        QFETCH(int, progress);
        QFETCH(bool, unsaved);
        QSignalSpy saveState(session.get(), &ControllerSession::EditsCompared);
        QSignalSpy verification(session.get(), &ControllerSession::FailedVerificationChanged);
        ControllerImages& images = session->Images();
        images.SystemSettings.Edited.SetFanOnDelay(30);
        Bytes reply(WireView(images.SystemSettings.Edited).begin(),
                    WireView(images.SystemSettings.Edited).end());
        if (!same)
            reply[15] ^= 1;
        scheduler().StartVerifiedSave(0);
        roles.KomStsLog("Writing system settings...OK", false, false);
        roles.KomStsLog("Verifying...", false, false);
        session->OnSettingsRead(BlockId::SystemSettings, replyOf(reply));
        QCOMPARE(roles.log.last(), line);
        QCOMPARE(roles.progress, progress);
        QCOMPARE(saveState.last().at(0).toBool(), unsaved);
        QCOMPARE(images.SystemSettings.Edited.FanOnDelay(), uint16_t(30));
        // What the unit was read back to hold is what the changes list compares with.
        QVERIFY(std::ranges::equal(WireView(images.SystemSettings.Read), reply));
        // A failed check stays on the screen until the block is read again.
        QCOMPARE(verification.size(), same ? 0 : 1);
        if (!same) {
            QVERIFY(verification.last().at(0).toString().contains(QStringLiteral("system")));
            scheduler().StartFullReload(); // "Reload from Vantor": a plain read
            session->OnSettingsRead(BlockId::SystemSettings, replyOf(reply));
            QCOMPARE(verification.last().at(0).toString(), QString());
        }
    }

    // The link was lost while a changed block was being written; the port found again
    // reloads everything, and what the controller holds is taken, not judged.
    void reloadAfterALostSaveIsNoVerification() {
        connectPort();
        for (int i = 0; i < 13; ++i)
            answer();
        ControllerImages& images = session->Images();
        images.SystemSettings.Edited.SetFanOnDelay(30);
        scheduler().StartVerifiedSave(JOB_WRITE_SYSTEM_SETTINGS);
        answer(); // the poll in flight
        QCOMPARE(lastRequest(), QStringLiteral("16:128,14"));
        for (int i = 0; i < TJobScheduler::kErrorsBeforeDetection; ++i) {
            time.Advance(1000);
            runPosted();
        }
        runPosted(); // the turn that detection posted
        QVERIFY(!scheduler().VerifyLog());
        QCOMPARE(lastRequest(), QStringLiteral("3:2048,124"));
        for (int i = 0; i < 3; ++i) // identification (no bootloader read below F03K), counters
            answer();
        QCOMPARE(lastRequest(), QStringLiteral("3:128,14"));
        answer();
        QCOMPARE(images.SystemSettings.Edited.FanOnDelay(), uint16_t(0));
        QVERIFY(!images.IsChanged(BlockId::SystemSettings));
        QVERIFY(!roles.log.join(u'|').contains(QStringLiteral("Verifying")));
        QVERIFY(!roles.log.join(u'|').contains(QStringLiteral("FALSE!")));
    }

    // The port found again ends a save the lost link cut short before its write was confirmed.
    void saveCutShortByTheLostLink() {
        connectPort();
        for (int i = 0; i < 13; ++i)
            answer();
        session->Images().SystemSettings.Edited.SetFanOnDelay(30);
        QSignalSpy finished(session.get(), &ControllerSession::SaveFinished);
        session->StartSave();
        answer(); // the poll in flight
        for (int i = 0; i < 10 && lastRequest() != QStringLiteral("16:128,14"); ++i)
            runPosted();
        QCOMPARE(lastRequest(), QStringLiteral("16:128,14"));
        for (int i = 0; i < TJobScheduler::kErrorsBeforeDetection; ++i) {
            time.Advance(1000);
            runPosted();
        }
        runPosted();
        QCOMPARE(finished.size(), 1);
        const auto cut = finished.first().first().value<SaveResult>();
        QVERIFY(cut.interrupted);
        QCOMPARE(cut.written, 0u);
        QVERIFY(cut.editsLeft);
        QVERIFY(!cut.Ok());
    }

    void lostLinkClearsTheInputValues() {
        connectPort();
        Bytes status = statusReply(0);
        status[26] = 0x01;
        session->OnStatusPoll(replyOf(status));
        QVERIFY(session->Images().Status.InputValue() != 0);
        QSignalSpy link(session.get(), &ControllerSession::LinkChanged);
        answer();
        session->Detector().DetectPort();
        QCOMPARE(link.size(), 2);
        QVERIFY(!session->LinkUp());
        QVERIFY(!session->TestMode());
        QCOMPARE(session->Images().Status.InputValue(), uint16_t(0));
    }

    void addressByteOffersTheSlaveOnPort_data() {
        QTest::addColumn<int>("address");
        QTest::addColumn<bool>("offered");
        QTest::newRow("plain") << 0x05 << false;
        QTest::newRow("bit 7") << 0x85 << true;
    }
    void addressByteOffersTheSlaveOnPort() {
        QFETCH(int, address);
        QFETCH(bool, offered);
        QSignalSpy shown(session.get(), &ControllerSession::UnitAnswered);
        connectPort();
        answer({}, uint8_t(address));
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().at(0).toBool(), offered);
    }

    void slaveLostAndRegained() {
        QSignalSpy lostShown(session.get(), &ControllerSession::SlaveLostChanged);
        QSignalSpy version(session.get(), &ControllerSession::SlaveVersionRead);
        Bytes system(28, 0);
        system[20] = 2;
        session->OnSettingsRead(BlockId::SystemSettings, replyOf(system));
        QCOMPARE(session->InstallationMode(), 2);
        session->Images().SlaveGateSettings.Edited.Gates[0].SetEnabled(1);
        scheduler().ReplaceJobs(0);
        session->OnStatusPoll(replyOf(statusReply(14)));
        QCOMPARE(lostShown.size(), 1);
        QVERIFY(lostShown.last().at(0).toBool());
        // An edit of the slave's rows stays while no slave answers.
        QCOMPARE(session->Images().SlaveGateSettings.Edited.Gates[0].Enabled(), uint8_t(1));
        session->OnStatusPoll(replyOf(statusReply(14)));
        QCOMPARE(lostShown.size(), 1);

        session->OnStatusPoll(replyOf(statusReply(15)));
        QVERIFY(!lostShown.last().at(0).toBool());
        const uint32_t slaveReads = JOB_READ_SLAVE_VERSION | JOB_POLL_SLAVE_STATUS |
                                    JOB_READ_SLAVE_GATE_SETTINGS | JOB_READ_SLAVE_GATE_NAMES;
        QCOMPARE(scheduler().JobMask(), slaveReads);

        session->OnSlaveVersion(replyOf(textReply("VT12F05A", 8)));
        QCOMPARE(version.last().at(0).toString(),
                 QStringLiteral("Slave Firmware Version: VT12F05A"));
        QCOMPARE(session->Features().SlaveCode().Text(), QStringLiteral("F05A"));
    }

    // The rows emptied while the slave was lost are no edits: its reply once it is back fills
    // them. An edit made before the loss (a loaded file) outlives loss and re-read alike.
    void slaveBackFillsTheEmptiedRows_data() {
        QTest::addColumn<bool>("edited");
        QTest::newRow("as read") << false;
        QTest::newRow("edited") << true;
    }
    void slaveBackFillsTheEmptiedRows() {
        QFETCH(bool, edited);
        Bytes system(28, 0);
        system[20] = 2;
        session->OnSettingsRead(BlockId::SystemSettings, replyOf(system));
        Bytes rows(sizeof(SlaveGateSettingsBlock), 0);
        rows[0] = 1;
        rows[13] = 25;
        session->OnSettingsRead(BlockId::SlaveGateSettings, replyOf(rows));
        session->OnStatusPoll(replyOf(statusReply(30)));
        if (edited)
            session->Images().SlaveGateSettings.Edited.Gates[0].SetCompensation(40);
        const SlaveGateSettingsBlock before = session->Images().SlaveGateSettings.Edited;

        session->OnStatusPoll(replyOf(statusReply(0)));
        QCOMPARE(session->Images().SlaveGateSettings.Edited.Gates[0].Enabled(),
                 uint8_t(edited ? 1 : 0));
        session->OnStatusPoll(replyOf(statusReply(30)));
        // The reply to the reads of the slave coming back, then a periodic one.
        for (int read = 0; read < 2; ++read) {
            session->OnSettingsRead(BlockId::SlaveGateSettings, replyOf(rows));
            const auto image = WireView(session->Images().SlaveGateSettings.Edited);
            QVERIFY(std::ranges::equal(image, WireView(before)));
        }
    }

    // On connecting, the slave's version is read before a status poll tells that the slave
    // is there: it is read again once one does, and shown.
    void slaveVersionReadBeforeTheFirstPollIsReadAgain() {
        QSignalSpy version(session.get(), &ControllerSession::SlaveVersionRead);
        Bytes system(28, 0);
        system[20] = 2;
        session->OnSettingsRead(BlockId::SystemSettings, replyOf(system));
        scheduler().ReplaceJobs(0);
        session->OnSlaveVersion(replyOf(textReply("VT12F05A", 8)));
        QCOMPARE(version.size(), 0);
        session->OnStatusPoll(replyOf(statusReply(30)));
        QVERIFY(scheduler().HasJob(JOB_READ_SLAVE_VERSION));
        scheduler().ReplaceJobs(0);
        session->OnSlaveVersion(replyOf(textReply("VT12F05A", 8)));
        QCOMPARE(version.size(), 1);
        session->OnStatusPoll(replyOf(statusReply(30)));
        QVERIFY(!scheduler().HasJob(JOB_READ_SLAVE_VERSION));
    }

    void driveInstallationHasNoSlave() {
        QSignalSpy lostShown(session.get(), &ControllerSession::SlaveLostChanged);
        Bytes system(28, 0);
        system[20] = 3;
        session->OnSettingsRead(BlockId::SystemSettings, replyOf(system));
        session->OnStatusPoll(replyOf(statusReply(30)));
        QVERIFY(!session->SlaveConnected());
        QCOMPARE(lostShown.size(), 0);
        session->OnSlaveVersion(replyOf(textReply("VT12F05A", 8)));
        QCOMPARE(session->Features().SlaveCode().Text(), QStringLiteral("    "));
    }

    void countersAreStored() {
        QSignalSpy read(session.get(), &ControllerSession::CountersRead);
        Bytes counters(64, 0);
        std::fill_n(counters.begin() + 8, 4, 0xFF);
        session->OnCounters(CounterMemo::Slave, replyOf(counters));
        QCOMPARE(read.size(), 1);
        QCOMPARE(session->Images().SlaveCounters.Counter(3), 0xFFFFFFFFu);
        QCOMPARE(session->Images().Counters.Counter(3), 0u);
    }
};

VT12_TEST(TestControllerSession, TestApplication::Core)
#include "tst_controller_session.moc"
