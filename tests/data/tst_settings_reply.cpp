#include "data/settings_reply.h"
#include "data/slave_link.h"

#include "tests/support/test_registry.h"

#include <QTest>
#include <vector>

class TestSettingsReply : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void verifyingReads_data() {
        QTest::addColumn<bool>("verifying");
        QTest::addColumn<bool>("replyEqualsEdited");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<bool>("imagesTakeReply");
        QTest::newRow("plain read") << false << false << int(SettingsReply::Stored) << true;
        QTest::newRow("verified") << true << true << int(SettingsReply::Verified) << true;
        QTest::newRow("stored differently")
            << true << false << int(SettingsReply::Mismatch) << false;
    }
    void verifyingReads() {
        QFETCH(bool, verifying);
        QFETCH(bool, replyEqualsEdited);
        QFETCH(int, outcome);
        QFETCH(bool, imagesTakeReply);
        ControllerImages images;
        images.SystemSettings.Edited.SetFanOnDelay(7);
        std::vector<uint8_t> reply(WireView(images.SystemSettings.Edited).begin(),
                                   WireView(images.SystemSettings.Edited).end());
        if (!replyEqualsEdited)
            reply[3] ^= 0x01;
        const auto before = images.SystemSettings;
        QCOMPARE(int(TakeSettingsReply(images, BlockId::SystemSettings, reply.data(),
                                       int(reply.size()), verifying)),
                 outcome);
        const auto read = WireView(images.SystemSettings.Read);
        const auto edited = WireView(images.SystemSettings.Edited);
        if (imagesTakeReply) {
            QVERIFY(std::equal(read.begin(), read.end(), reply.begin()));
            QVERIFY(!images.SystemSettings.Changed());
        } else {
            // The unit holds something else than written: that is now what it was read to hold.
            QVERIFY(std::equal(read.begin(), read.end(), reply.begin()));
            QVERIFY(!std::ranges::equal(read, WireView(before.Read)));
            QVERIFY(std::ranges::equal(edited, WireView(before.Edited)));
            QVERIFY(images.SystemSettings.Changed());
        }
    }

    void slaveConnection_data() {
        QTest::addColumn<int>("slaveLink");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("connected");
        QTest::addColumn<bool>("shownLost");
        QTest::newRow("link 14, master") << 14 << 2 << false << true;
        QTest::newRow("link 15, master") << 15 << 2 << true << false;
        QTest::newRow("link 30, drive") << 30 << 3 << false << false;
        QTest::newRow("link 0, single") << 0 << 0 << false << false;
    }
    void slaveConnection() {
        QFETCH(int, slaveLink);
        QFETCH(int, mode);
        QFETCH(bool, connected);
        QFETCH(bool, shownLost);
        std::array<uint8_t, 32> reply{};
        reply[15] = uint8_t(slaveLink);
        ControllerImages images;
        images.StoreReply(BlockId::Status, reply.data(), int(reply.size()));
        const bool isConnected = SlaveCountsAsConnected(images.Status, mode);
        QCOMPARE(isConnected, connected);
        QCOMPARE(SlaveShownLost(isConnected, mode), shownLost);
    }

    void lostSlaveIsNeverWritten() {
        ControllerImages images;
        images.SlaveGateSettings.Read.Gates[0].SetEnabled(1);
        images.SlaveGateSettings.Edited = images.SlaveGateSettings.Read;
        ForgetSlave(images);
        QVERIFY(images.SlaveGateSettings.Changed());
        QCOMPARE(images.SlaveGateSettings.Read.Gates[0].Enabled(), uint8_t(1));
        const uint32_t slaveWrites = JOB_WRITE_SLAVE_GATE_SETTINGS | JOB_WRITE_SLAVE_GATE_NAMES;
        QCOMPARE(SaveWriteJobs(2, false) & slaveWrites, 0u);
        QCOMPARE(SaveWriteJobs(2, true) & slaveWrites, slaveWrites);
        QCOMPARE(SaveWriteJobs(0, true) & slaveWrites, 0u);
    }
};

VT12_TEST(TestSettingsReply, TestApplication::Core)
#include "tst_settings_reply.moc"
