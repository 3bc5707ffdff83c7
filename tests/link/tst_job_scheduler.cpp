// The scheduler over the real client on a fake clock: which request goes out when, and what
// each result leads to.

#include "link/job_scheduler.h"
#include "tests/link/fake_link_roles.h"
#include "tests/support/fake_time_base.h"

#include "tests/support/test_registry.h"
#include "tests/support/with_crc.h"

#include <QTest>
#include <vector>

namespace {
struct Sent {
    int function;
    int start;
    int count;
    bool operator==(const Sent&) const = default;
};

QString describe(const std::vector<Sent>& requests) {
    QStringList parts;
    for (const Sent& r : requests)
        parts << QStringLiteral("%1:%2,%3").arg(r.function).arg(r.start).arg(r.count);
    return parts.join(u' ');
}

} // namespace

class TestJobScheduler : public QObject {
    Q_OBJECT

    FakeTimeBase time;
    FakeLinkRoles host;
    FakePort port;
    ControllerImages images;
    FeatureLevels features;
    std::unique_ptr<TModbusClient> client;
    std::unique_ptr<TJobScheduler> scheduler;
    std::vector<std::vector<uint8_t>> sent;
    std::vector<uint32_t> handled;

    Sent last() const {
        const auto& f = sent.back();
        return {f[1], f[2] << 8 | f[3], f[1] == 101 ? 0 : (f[4] << 8 | f[5])};
    }
    std::vector<Sent> requests() const {
        std::vector<Sent> all;
        for (const auto& f : sent)
            all.push_back({f[1], f[2] << 8 | f[3], f[1] == 101 ? 0 : (f[4] << 8 | f[5])});
        return all;
    }

    // Runs one posted turn, as the event loop would.
    void turn() {
        QVERIFY(host.nextJobPosts > 0);
        --host.nextJobPosts;
        scheduler->NextJob();
    }

    // A valid answer to the request last sent, after which the line stays quiet. Blocks hold
    // different data, as a controller's do: the client takes an answer that repeats the last
    // one for another request for a copy of it.
    void answer() {
        const Sent r = last();
        std::vector<uint8_t> frame{5, uint8_t(r.function)};
        if (r.function == 3 || r.function == 4) {
            frame.push_back(uint8_t(2 * r.count));
            frame.resize(frame.size() + size_t(2 * r.count), uint8_t(r.start ^ r.start >> 8));
        } else if (r.function == 101) {
            frame.push_back(0);
        } else {
            frame.insert(frame.end(), sent.back().begin() + 2, sent.back().begin() + 6);
        }
        const auto bytes = WithCrc(frame);
        client->ReceiveBytes(bytes.data(), int(bytes.size()));
        time.Advance(50);
    }
    // Long enough for the longest timeout, which a unit that seemed slow earns.
    void timeout() { time.Advance(OwedAnswers::kLatestAnswerMs); }
    void badFrame() {
        const Sent r = last();
        std::vector<uint8_t> frame{5, uint8_t(r.function), uint8_t(2 * r.count)};
        frame.resize(frame.size() + size_t(2 * r.count) + 2, 0x55);
        client->ReceiveBytes(frame.data(), int(frame.size()));
    }
    void answerTurns(int n) {
        for (int i = 0; i < n; ++i) {
            turn();
            answer();
        }
    }

private Q_SLOTS:
    void init() {
        host = FakeLinkRoles();
        port = FakePort();
        images = ControllerImages();
        features = FeatureLevels();
        sent.clear();
        handled.clear();
        client = std::make_unique<TModbusClient>(time);
        scheduler =
            std::make_unique<TJobScheduler>(*client, images, features, host.Scheduler(port));
        client->OnSend = [this](const uint8_t* d, int n) { sent.emplace_back(d, d + n); };
        client->OnResult = [this](TModbusResult& r) { scheduler->OnModbusResult(r); };
        for (int bit = 0; bit < 32; ++bit)
            scheduler->SetHandler(
                1u << bit, [this, bit](const TModbusResult&) { handled.push_back(1u << bit); });
        host.nextJobPosts = 1;
    }

    void readsAfterAPortOpens() {
        scheduler->StartFullReload();
        answerTurns(13);
        const std::vector<Sent> expected{
            {3, 2048, 124}, {3, 2172, 124}, {3, 24320, 124}, {4, 16, 32},   {3, 128, 14},
            {3, 0, 97},     {3, 512, 97},   {3, 256, 120},   {3, 640, 120}, {3, 656, 4},
            {3, 384, 42},   {4, 0, 16},     {4, 0, 16}};
        QCOMPARE(describe(requests()), describe(expected));
        QCOMPARE(scheduler->JobMask(), 0u);
        QCOMPARE(scheduler->AnswerCount(), 13u);
    }

    void saveWithNothingChanged_data() {
        QTest::addColumn<bool>("withSlave");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("single unit")
            << false
            << QStringList{"Checking gate settings...OK", "Checking gate names...OK",
                           "Checking system settings...OK", "Checking Vacuum settings...OK"};
        QTest::newRow("master unit")
            << true
            << QStringList{"Checking gate settings...OK",   "Checking slave gate settings...OK",
                           "Checking gate names...OK",      "Checking slave gate names...OK",
                           "Checking system settings...OK", "Checking Vacuum settings...OK"};
    }
    void saveWithNothingChanged() {
        QFETCH(bool, withSlave);
        QFETCH(QStringList, lines);
        uint32_t jobs = JOB_WRITE_GATE_SETTINGS | JOB_WRITE_GATE_NAMES | JOB_WRITE_SYSTEM_SETTINGS |
                        JOB_WRITE_VACUUM_SETTINGS;
        if (withSlave)
            jobs |= JOB_WRITE_SLAVE_GATE_SETTINGS | JOB_WRITE_SLAVE_GATE_NAMES;
        scheduler->SetJob(jobs);
        for (int i = 0; i < lines.size(); ++i)
            turn();
        QCOMPARE(host.log, lines);
        QVERIFY(sent.empty());
        QCOMPARE(host.progress, 2 * int(lines.size()));
        QCOMPARE(scheduler->JobMask(), 0u);
    }

    void saveWithChangedGateSettings() {
        images.GateSettings.Edited.Gates[0].SetEnabled(1);
        scheduler->SetHandler(JOB_WRITE_GATE_SETTINGS, [this](const TModbusResult&) {
            host.KomStsLog("OK", true, false);
            scheduler->SetJob(JOB_READ_GATE_SETTINGS);
        });
        scheduler->StartVerifiedSave(JOB_WRITE_GATE_SETTINGS);
        turn();
        QCOMPARE(last(), (Sent{16, 0, 97}));
        QCOMPARE(sent.back().size(), size_t(9 + 194));
        QVERIFY(std::equal(sent.back().begin() + 7, sent.back().end() - 2,
                           images.EditedImage(BlockId::GateSettings).begin()));
        answer();
        turn();
        QCOMPARE(last(), (Sent{3, 0, 97}));
        QCOMPARE(host.log, (QStringList{"Writing gate settings...OK", "Verifying..."}));
    }

    // The link was lost during a save; the reads of the port found again are no verification.
    void fullReloadEndsAnInterruptedSave() {
        images.SystemSettings.Edited.SetFanOnDelay(30);
        scheduler->StartVerifiedSave(JOB_WRITE_SYSTEM_SETTINGS);
        turn();
        QCOMPARE(last(), (Sent{16, 128, 14}));
        timeout();
        scheduler->StartFullReload();
        QVERIFY(!scheduler->VerifyLog());
        answerTurns(12);
        QCOMPARE(host.log, QStringList{"Writing system settings..."});
        QVERIFY(!scheduler->HasJob(JOB_WRITE_SYSTEM_SETTINGS));
    }

    void errorCounting_data() {
        QTest::addColumn<QString>("outcomes");
        QTest::addColumn<int>("detections");
        QTest::newRow("ten timeouts") << "TTTTTTTTTT" << 1;
        QTest::newRow("nine timeouts") << "TTTTTTTTT" << 0;
        // Noise or an echo on the line is no controller either.
        QTest::newRow("the tenth a bad frame") << "TTTTTTTTTB" << 1;
        QTest::newRow("only bad frames") << "BBBBBBBBBB" << 1;
        QTest::newRow("nine bad frames") << "BBBBBBBBB" << 0;
        QTest::newRow("answer in between") << "TTTTTTTTTOTTTTTTTTT" << 0;
    }
    void errorCounting() {
        QFETCH(QString, outcomes);
        QFETCH(int, detections);
        scheduler->SetJob(JOB_READ_FIRMWARE_INFO);
        for (QChar outcome : outcomes) {
            turn();
            QCOMPARE(last(), (Sent{3, 2048, 124}));
            if (outcome == u'T')
                timeout();
            else if (outcome == u'B')
                badFrame();
            else {
                answer();
                scheduler->SetJob(JOB_READ_FIRMWARE_INFO);
            }
        }
        QCOMPARE(host.detectPortPosts, detections);
        QCOMPARE(host.nextJobPosts, 1 - detections);
    }

    void idlePolls_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("starts");
        QTest::newRow("single unit") << 0 << "0 0 0 0";
        // The third poll times out and is repeated as it was.
        QTest::newRow("master unit") << 2 << "0 80 0 0";
        QTest::newRow("drive") << 3 << "0 96 0 0";
    }
    void idlePolls() {
        QFETCH(int, mode);
        QFETCH(QString, starts);
        host.installationMode = mode;
        answerTurns(2);
        turn();
        timeout();
        turn();
        answer();
        QStringList seen;
        for (const Sent& r : requests())
            seen << QString::number(r.start);
        QCOMPARE(seen.join(u' '), starts);
    }

    void slaveRereadsAtAnswerCount19_data() {
        QTest::addColumn<QString>("slaveCode");
        QTest::addColumn<bool>("reread");
        QTest::newRow("unknown slave") << "----" << true;
        QTest::newRow("slave running firmware") << "F05A" << false;
    }
    void slaveRereadsAtAnswerCount19() {
        QFETCH(QString, slaveCode);
        QFETCH(bool, reread);
        host.installationMode = 2;
        features.SetSlaveCode(FirmwareCode::FromText(slaveCode));
        answerTurns(19);
        QCOMPARE(scheduler->JobMask(), 0u);
        turn();
        QCOMPARE(last(), (Sent{4, 80, 16}));
        const uint32_t rereads =
            JOB_READ_SLAVE_COUNTERS | JOB_READ_SLAVE_GATE_SETTINGS | JOB_READ_SLAVE_GATE_NAMES;
        QCOMPARE(scheduler->JobMask(), reread ? rereads : 0u);
    }

    void testCommandEveryEighthAnswer() {
        host.testMode = true;
        host.testCommand = {0xF005, 0x8000, 0};
        std::vector<uint32_t> countsAtCommand;
        for (int i = 0; i < 24; ++i) {
            turn();
            if (last().function == 101)
                countsAtCommand.push_back(scheduler->AnswerCount());
            answer();
        }
        QCOMPARE(countsAtCommand, (std::vector<uint32_t>{5, 13, 21}));
        const auto command =
            std::find_if(sent.begin(), sent.end(), [](const auto& f) { return f[1] == 101; });
        QCOMPARE(std::vector<uint8_t>(command->begin() + 2, command->begin() + 8),
                 (std::vector<uint8_t>{0xF0, 0x05, 0x80, 0x00, 0x00, 0x00}));
    }

    void testCommandCarriesTheSourcesWords() {
        host.testCommand = {0xE801, 0x0000, 0x0003};
        scheduler->SetJob(JOB_TEST_COMMAND);
        turn();
        QCOMPARE(std::vector<uint8_t>(sent.back().begin() + 2, sent.back().begin() + 8),
                 (std::vector<uint8_t>{0xE8, 0x01, 0x00, 0x00, 0x00, 0x03}));
    }

    void turnWhileBusyLeavesTheChosenJobPending() {
        scheduler->SetJob(JOB_READ_COUNTERS);
        turn();
        QCOMPARE(scheduler->CurrentJob(), JOB_READ_COUNTERS);
        scheduler->SetJob(JOB_READ_FIRMWARE_INFO);
        host.nextJobPosts = 1;
        turn();
        QCOMPARE(sent.size(), size_t(1));
        QCOMPARE(scheduler->CurrentJob(), JOB_READ_COUNTERS);
        answer();
        QCOMPARE(handled, (std::vector<uint32_t>{JOB_READ_COUNTERS}));
        QCOMPARE(scheduler->JobMask(), JOB_READ_FIRMWARE_INFO);
        turn();
        QCOMPARE(last(), (Sent{3, 2048, 124}));
    }

    void restartCommandGoesOutOnce_data() {
        QTest::addColumn<bool>("answered");
        QTest::newRow("answered") << true;
        QTest::newRow("timed out") << false;
    }
    void restartCommandGoesOutOnce() {
        QFETCH(bool, answered);
        scheduler->SetJob(JOB_RESET_UNIT);
        turn();
        QCOMPARE(last(), (Sent{101, 0x2000, 0}));
        answered ? answer() : timeout();
        QCOMPARE(host.delayMs, TJobScheduler::kRestartDelayMs);
        QVERIFY(!scheduler->HasJob(JOB_RESET_UNIT));
    }

    void closedPortStopsTheChain() {
        port.open = false;
        scheduler->SetJob(JOB_READ_COUNTERS);
        turn();
        QVERIFY(sent.empty());
        QCOMPARE(host.nextJobPosts, 0);
    }

    void lastFirmwareChunkAsksForIdentification() {
        host.uploadAddress = 0xF000;
        scheduler->SetJob(JOB_WRITE_FIRMWARE_CHUNK | JOB_READ_COUNTERS);
        turn();
        QCOMPARE(last(), (Sent{110, 0xF000, 64}));
        QCOMPARE(scheduler->CurrentJob(), 0u);
        QCOMPARE(scheduler->JobMask(),
                 JOB_READ_FIRMWARE_INFO | JOB_READ_FIRMWARE_INFO_2 | JOB_READ_BOOTLOADER_INFO);
    }
};

VT12_TEST(TestJobScheduler, TestApplication::Core)
#include "tst_job_scheduler.moc"
