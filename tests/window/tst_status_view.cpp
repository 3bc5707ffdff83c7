// The STATUS && TEST page as a status poll leaves it, fed through the session.

#include "tests/support/offline_window.h"
#include "tests/support/register_replies.h"
#include "tests/support/status_bytes.h"
#include "tests/support/test_registry.h"
#include "widgets/gate_colors.h"
#include "widgets/level_bar.h"
#include "widgets/shape.h"
#include "window/main_window.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>

using namespace status_bytes;

namespace {
template <typename Block> RegisterData replyOf(const Block& block) {
    return {WireView(block).data(), int(sizeof(Block))};
}
} // namespace

class TestStatusView : public QObject {
    Q_OBJECT
    OfflineWindow offline;

    ControllerSession& session() { return offline.Session(); }
    MainWindowUi& ui() { return offline.Ui(); }

    void readSettings(uint8_t installation) {
        std::vector<uint8_t> system(28, 0);
        system[20] = installation;
        session().OnSettingsRead(BlockId::SystemSettings, replyOf(system));
        GateSettingsBlock gates{};
        for (size_t i = 0; i < 3; ++i)
            gates.Gates[i].SetEnabled(1);
        GateNamesBlock names{};
        names.Names[2].SetName(QStringLiteral("Bandsaw"));
        session().OnSettingsRead(BlockId::GateSettings, replyOf(gates));
        session().OnSettingsRead(BlockId::GateNames, replyOf(names));
        if (installation == kInstallationMasterSlave) {
            session().OnSettingsRead(BlockId::SlaveGateSettings, replyOf(gates));
            session().OnSettingsRead(BlockId::SlaveGateNames, replyOf(names));
        }
    }

private Q_SLOTS:
    void init() { offline.Open(false); }
    void cleanup() { offline.Close(); }

    void pollReachesThePage() {
        readSettings(0);
        QCOMPARE(offline.Window().Gates[2]->IsGateActive(), true);
        StatusBlock status{};
        PutWord(status, OpeningGates, 0x004);
        PutWord(status, OpenGates, 0x003);
        PutWord(status, ActiveSensors, 0x1002);
        PutWord(status, NoticeFlags, 0x0006);
        status.Bytes[kOddDriverCurrent] = 40;
        status.Bytes[kFanOutput] = 128;
        session().OnStatusPoll(replyOf(status));

        QCOMPARE(ui().lActiveSns->text(), QStringLiteral("1"));
        QCOMPARE(ui().lOpnGates->text(), QStringLiteral("2"));
        QCOMPARE(offline.Window().Gates[2]->PictureKind(), uint8_t(GatePicture::Opening));
        QCOMPARE(offline.Window().Gates[0]->PictureKind(), uint8_t(GatePicture::Open));
        QCOMPARE(offline.Window().Gates[1]->SignalColor(), SignalActiveColor);
        QCOMPARE(offline.Window().Gates[0]->SignalColor(), SignalIdleColor);
        QCOMPARE(ui().lOddGateCurrent->text(), QStringLiteral("- 3 -"));
        QCOMPARE(ui().lOddCurr->text(), QStringLiteral("167"));
        QCOMPARE(ui().lbDrvOdd->Position(), 20);
        QCOMPARE(ui().lbFanOut->Position(), 128);
        QCOMPARE(ui().lVsdPowerProc->text(), QStringLiteral("50%"));
        QCOMPARE(ui().lNotifyLabel->text(), QStringLiteral("Open Gates at Fan Stop Active"));
        QVERIFY(!ui().pNotifyLabel->isHidden());
        QCOMPARE(ui().shBypassInput->BrushColor(), QColor(255, 0, 0));
        // The security input is out of order: its lamp blinks.
        auto* blink = offline.Window().findChild<QTimer*>(QStringLiteral("tSecurityBlinkTimer"));
        QVERIFY(blink);
        QVERIFY(blink->isActive());

        PutWord(status, ActiveSensors, 0x2000);
        session().OnStatusPoll(replyOf(status));
        QVERIFY(!blink->isActive());
        QCOMPARE(ui().shSecurityInput->BrushColor(), QColor(0, 224, 0));
        QCOMPARE(ui().lbDrvOdd->Position(), 40);

        session().SetLinkState(false);
        QCOMPARE(ui().lbDrvOdd->Position(), 0);
        QCOMPARE(ui().lbFanOut->Position(), 0);
        QCOMPARE(ui().lActiveSns->text(), QStringLiteral("--"));
    }

    // Alarms blinking, figures and a notice up when the cable is pulled: nothing of it stays,
    // not even after the link is back, until a status arrives.
    void linkDownLeavesNothingLive() {
        readSettings(kInstallationMasterSlave);
        StatusBlock status{};
        status.Bytes[15] = 15;
        PutWord(status, ActiveSensors, 0x4001); // bypass blinks, security alarm
        PutWord(status, NoticeFlags, 0x0001);
        PutWord(status, OpeningGates, 0x001);
        status.Bytes[kOddDriverCurrent] = 40;
        status.Bytes[kFanOutput] = 200;
        session().OnStatusPoll(replyOf(status));
        session().OnSlaveStatusPoll(replyOf(status));
        auto* security = offline.Window().findChild<QTimer*>(QStringLiteral("tSecurityBlinkTimer"));
        auto* bypass = offline.Window().findChild<QTimer*>(QStringLiteral("tBypassBlinkTimer"));
        QVERIFY(security->isActive() && bypass->isActive());

        session().SetLinkState(false);
        session().SetLinkState(true);
        QVERIFY(!security->isActive() && !bypass->isActive());
        const QColor off(192, 192, 192);
        for (const TShape* lamp : {ui().shSecurityInput, ui().shBypassInput, ui().sDustOn})
            QCOMPARE(lamp->BrushColor(), off);
        for (const QLabel* figure : {ui().lActiveSns, ui().lOpnGates, ui().lVsdPowerProc,
                                     ui().lOddCurr, ui().lEvenCurr, ui().lOddCurr24}) {
            QCOMPARE(figure->text(), QStringLiteral("--"));
            QVERIFY(!figure->isEnabled());
        }
        for (const TLevelBar* bar : {ui().lbFanOut, ui().lbDrvOdd, ui().lbDrvOdd24})
            QCOMPARE(bar->Position(), 0);
        QVERIFY(ui().pNotifyLabel->isHidden());
        QVERIFY(ui().lDelay->isHidden());
        QCOMPARE(ui().lVFD_StatusText->text(), QStringLiteral("no data"));

        session().OnStatusPoll(replyOf(status));
        QVERIFY(ui().lActiveSns->isEnabled());
        QCOMPARE(ui().lActiveSns->text(), QStringLiteral("1"));
        QVERIFY(security->isActive());
    }

    void slaveUnitInMasterInstallation() {
        readSettings(kInstallationMasterSlave);
        StatusBlock master{};
        master.Bytes[15] = 15; // the slave answers
        session().OnStatusPoll(replyOf(master));
        StatusBlock slave{};
        PutWord(slave, ClosingGates, 0x004);
        PutWord(slave, OpenGates, 0x001);
        slave.Bytes[kOddDriverCurrent] = 40;
        session().OnSlaveStatusPoll(replyOf(slave));
        QCOMPARE(ui().lOddGateCurrent24->text(), QStringLiteral("- S3 -"));
        QCOMPARE(offline.Window().Gates[14]->PictureKind(), uint8_t(GatePicture::Closing));
        QCOMPARE(offline.Window().Gates[12]->SignalColor(), SignalIdleSlaveColor);
        QCOMPARE(ui().lOpnGates->text(), QStringLiteral("1"));
        session().OnStatusPoll(replyOf(master));
        QCOMPARE(ui().lOddGateCurrent->text(), QStringLiteral("Odd"));
        QCOMPARE(ui().lOpnGates->text(), QStringLiteral("1"));
    }
};

VT12_TEST(TestStatusView, TestApplication::Window)
#include "tst_status_view.moc"
