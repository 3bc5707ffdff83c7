#include "monitor/failed_verification.h"

#include "tests/support/test_registry.h"

#include <QRandomGenerator>
#include <QTest>
#include <map>

namespace {
constexpr BlockId kEachSettingsBlock[] = {BlockId::GateSettings,   BlockId::SlaveGateSettings,
                                          BlockId::SystemSettings, BlockId::GateNames,
                                          BlockId::SlaveGateNames, BlockId::VacuumSettings};
constexpr SettingsReply kOutcomes[] = {SettingsReply::Stored, SettingsReply::Verified,
                                       SettingsReply::Mismatch};
} // namespace

class TestFailedVerification : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Whatever the order of saves and reloads, the message names exactly the blocks whose last
    // read was a differing read-back, and says so each time it changes.
    void messageFollowsTheLastReadOfEachBlock() {
        QRandomGenerator random(26);
        for (int run = 0; run < 200; ++run) {
            FailedVerification failed;
            std::map<BlockId, bool> mismatched;
            QString shown;
            for (int step = 0; step < 30; ++step) {
                const BlockId block = kEachSettingsBlock[random.bounded(6)];
                const SettingsReply outcome = kOutcomes[random.bounded(3)];
                const bool changed = failed.Took(block, outcome);
                mismatched[block] = outcome == SettingsReply::Mismatch;
                const QString message = failed.Message();
                QCOMPARE(changed, message != shown);
                shown = message;

                int expected = 0;
                for (const auto& [id, bad] : mismatched)
                    expected += bad ? 1 : 0;
                QCOMPARE(failed.Any(), expected > 0);
                QCOMPARE(message.isEmpty(), expected == 0);
                // Each failed block is named once: the names are comma separated.
                if (expected > 0)
                    QCOMPARE(
                        message.section(QStringLiteral(" than were written"), 0, 0).count(u',') + 1,
                        expected);
            }
        }
    }

    void namesTheBlockAndWhatToDo() {
        FailedVerification failed;
        QVERIFY(failed.Took(BlockId::SystemSettings, SettingsReply::Mismatch));
        const QString message = failed.Message();
        QVERIFY(message.contains(QStringLiteral("system settings")));
        QVERIFY(message.contains(QStringLiteral("Save to Vantor")));
        QVERIFY(message.contains(QStringLiteral("Reload from Vantor")));
        QVERIFY(!failed.Took(BlockId::GateNames, SettingsReply::Verified));
        QVERIFY(failed.Took(BlockId::SystemSettings, SettingsReply::Stored));
        QVERIFY(!failed.Any());
    }
};

VT12_TEST(TestFailedVerification, TestApplication::Core)
#include "tst_failed_verification.moc"
