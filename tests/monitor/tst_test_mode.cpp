#include "monitor/test_mode.h"

#include "data/installation_mode.h"

#include "tests/support/test_registry.h"

#include <QTest>

namespace {

class Installed : public InstallationSource {
public:
    explicit Installed(int mode = 0) : mode_(mode) {}
    int InstallationMode() const override { return mode_; }

private:
    int mode_;
};

TestModeContext Live() {
    TestModeContext context;
    context.linkUp = true;
    context.masterGatesInUse = 0x0FFF;
    context.slaveGatesInUse = 0x0FFF;
    return context;
}

} // namespace

class TestTestMode : public QObject {
    Q_OBJECT

private slots:
    void gatesInUse();
    void commandWords_data();
    void commandWords();
    void fanCommandWord_data();
    void fanCommandWord();
    void switchedOnFromFanOutput_data();
    void switchedOnFromFanOutput();
    void fanRunOpensPanel_data();
    void fanRunOpensPanel();
    void onOnlyWhileLinkUp();
    void onAgainTakesPresentState();
    void offKeepsButtonsDisabled();
    void linkDownEndsIt();
    void openCloseAll_data();
    void openCloseAll();
    void buttonOfGateNotInUseStillSent();
    void badInputKeepsWordsInTheirBits_data();
    void badInputKeepsWordsInTheirBits();
};

void TestTestMode::gatesInUse() {
    GateSettingsBlock gates{};
    gates.Gates[0].SetEnabled(1);
    gates.Gates[5].SetEnabled(7);
    gates.Gates[11].SetEnabled(1);
    QCOMPARE(GatesInUse(gates), uint16_t(0x0821));
}

void TestTestMode::commandWords_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<int>>("frames");
    QTest::addColumn<uint>("gateWord");
    QTest::addColumn<uint>("slaveWord");

    QTest::newRow("gates 1 and 3, single unit") << 0 << QList<int>{0, 2} << 0xF005u << 0u;
    QTest::newRow("gates 1 and 3, MASTER") << 2 << QList<int>{0, 2} << 0xE005u << 0u;
    QTest::newRow("none pressed") << 0 << QList<int>{} << 0xF000u << 0u;
    QTest::newRow("slave buttons, MASTER") << 2 << QList<int>{11, 12, 23} << 0xE800u << 0x0801u;
    QTest::newRow("slave buttons, slave on RS-232") << 1 << QList<int>{12, 23} << 0xF000u << 0u;
    QTest::newRow("slave buttons, drive") << 3 << QList<int>{12} << 0xF000u << 0u;
}

void TestTestMode::commandWords() {
    QFETCH(int, mode);
    QFETCH(QList<int>, frames);
    QFETCH(uint, gateWord);
    QFETCH(uint, slaveWord);

    const Installed installation(mode);
    TestModeModel test(installation);
    test.SetTestMode(true, Live());
    for (const int frame : frames)
        test.SetGateButtonDown(frame, true);
    QCOMPARE(uint(test.TestCommand().gates), gateWord);
    QCOMPARE(uint(test.TestCommand().slaveGates), slaveWord);
}

void TestTestMode::fanCommandWord_data() {
    QTest::addColumn<bool>("run");
    QTest::addColumn<int>("percentage");
    QTest::addColumn<uint>("word");

    QTest::newRow("run 100 %") << true << 100 << 0xFF00u;
    QTest::newRow("run 20 %") << true << 20 << 0x3300u;
    QTest::newRow("run 50 %") << true << 50 << 0x8000u;
    QTest::newRow("run 0 %") << true << 0 << 0u;
    QTest::newRow("stop at 100 %") << false << 100 << 0u;
    QTest::newRow("stop at 20 %") << false << 20 << 0u;
}

void TestTestMode::fanCommandWord() {
    QFETCH(bool, run);
    QFETCH(int, percentage);
    QFETCH(uint, word);

    const Installed installation;
    TestModeModel test(installation);
    test.SetTestMode(true, Live());
    test.FanRunStop(true);
    test.SetPercentage(percentage);
    test.FanRunStop(run);
    QCOMPARE(uint(test.TestCommand().fan), word);
}

void TestTestMode::switchedOnFromFanOutput_data() {
    QTest::addColumn<int>("fanOutput");
    QTest::addColumn<bool>("run");
    QTest::addColumn<int>("percentage");
    QTest::addColumn<int>("position");

    QTest::newRow("128") << 128 << true << 50 << 25;
    QTest::newRow("255") << 255 << true << 100 << 0;
    QTest::newRow("1") << 1 << true << 0 << 50;
    QTest::newRow("stopped") << 0 << false << 0 << 50;
}

void TestTestMode::switchedOnFromFanOutput() {
    QFETCH(int, fanOutput);
    QFETCH(bool, run);
    QFETCH(int, percentage);
    QFETCH(int, position);

    const Installed installation;
    TestModeModel test(installation);
    test.SetPercentage(80);
    TestModeContext context = Live();
    context.fanOutput = static_cast<uint8_t>(fanOutput);
    const TestFanControls fan = test.SetTestMode(true, context).fan;
    QCOMPARE(fan.run, run);
    QCOMPARE(fan.powerPanelVisible, run);
    QCOMPARE(fan.percentage, percentage);
    QCOMPARE(fan.sliderPosition, position);
}

void TestTestMode::fanRunOpensPanel_data() {
    QTest::addColumn<int>("fanOutput");
    QTest::addColumn<int>("sliderBefore");
    QTest::addColumn<int>("percentage");

    QTest::newRow("opened at 0 %") << 0 << -1 << 10;
    QTest::newRow("opened at 30 %") << 77 << -1 << 30;
    // Already open: the slider pulled to the bottom stays at 0 %.
    QTest::newRow("open at 0 % again") << 128 << 50 << 0;
}

void TestTestMode::fanRunOpensPanel() {
    QFETCH(int, fanOutput);
    QFETCH(int, sliderBefore);
    QFETCH(int, percentage);

    const Installed installation;
    TestModeModel test(installation);
    TestModeContext context = Live();
    context.fanOutput = static_cast<uint8_t>(fanOutput);
    test.SetTestMode(true, context);
    if (sliderBefore >= 0)
        test.SetSliderPosition(sliderBefore);
    const TestFanControls fan = test.FanRunStop(true);
    QVERIFY(fan.run);
    QVERIFY(fan.powerPanelVisible);
    QCOMPARE(fan.percentage, percentage);

    const TestFanControls stopped = test.FanRunStop(false);
    QVERIFY(!stopped.run);
    QVERIFY(!stopped.powerPanelVisible);
    QCOMPARE(stopped.percentage, percentage);
}

void TestTestMode::onOnlyWhileLinkUp() {
    const Installed installation;
    TestModeModel test(installation);
    TestModeContext down = Live();
    down.linkUp = false;
    down.masterGatesOpen = 0x0003;
    const TestModeControls controls = test.SetTestMode(true, down);
    QVERIFY(!test.TestMode());
    QVERIFY(!controls.on);
    QVERIFY(!controls.commandsEnabled);
    QCOMPARE(controls.masterButtonsEnabled, uint16_t(0));
    QCOMPARE(controls.buttons.masterDown, uint16_t(0));
}

void TestTestMode::onAgainTakesPresentState() {
    const Installed installation(kInstallationMasterSlave);
    TestModeModel test(installation);
    TestModeContext context = Live();
    context.masterGatesOpen = 0x0005;
    context.slaveGatesOpen = 0xF002;
    TestModeControls controls = test.SetTestMode(true, context);
    QVERIFY(controls.on);
    QVERIFY(controls.commandsEnabled);
    QCOMPARE(controls.buttons.masterDown, uint16_t(0x0005));
    QCOMPARE(controls.buttons.slaveDown, uint16_t(0x0002));

    test.SetGateButtonDown(0, false);
    test.SetGateButtonDown(11, true);
    test.SetGateButtonDown(13, false);
    context.masterGatesOpen = 0x0040;
    context.slaveGatesOpen = 0x0100;
    controls = test.SetTestMode(true, context);
    QCOMPARE(controls.buttons.masterDown, uint16_t(0x0040));
    QCOMPARE(controls.buttons.slaveDown, uint16_t(0x0100));
}

void TestTestMode::offKeepsButtonsDisabled() {
    const Installed installation;
    TestModeModel test(installation);
    TestModeContext context = Live();
    context.masterGatesOpen = 0x0009;
    context.fanOutput = 200;
    test.SetTestMode(true, context);
    const TestModeControls controls = test.SetTestMode(false, context);
    QVERIFY(!controls.on);
    QVERIFY(!controls.commandsEnabled);
    QCOMPARE(controls.masterButtonsEnabled, uint16_t(0));
    QCOMPARE(controls.slaveButtonsEnabled, uint16_t(0));
    QCOMPARE(controls.buttons.masterDown, uint16_t(0x0009));
    QVERIFY(!controls.fan.powerPanelVisible);
}

void TestTestMode::linkDownEndsIt() {
    const Installed installation(kInstallationMasterSlave);
    TestModeModel test(installation);
    TestModeContext context = Live();
    context.masterGatesOpen = 0x0FFF;
    context.slaveGatesOpen = 0x0FFF;
    test.SetTestMode(true, context);
    const TestModeControls controls = test.LinkDown();
    QVERIFY(!test.TestMode());
    QVERIFY(!controls.on);
    QVERIFY(!controls.commandsEnabled);
    QCOMPARE(controls.buttons.masterDown, uint16_t(0));
    QCOMPARE(controls.buttons.slaveDown, uint16_t(0));
    QVERIFY(!controls.fan.powerPanelVisible);
}

void TestTestMode::openCloseAll_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("open");
    QTest::addColumn<uint>("masterDown");
    QTest::addColumn<uint>("slaveDown");

    // Gates 1 to 6 of the master and 2 to 3 of the slave are in use; all buttons start down.
    QTest::newRow("open, single unit") << 0 << true << 0x003Fu << 0x0FFFu;
    QTest::newRow("open, MASTER") << 2 << true << 0x003Fu << 0x0006u;
    QTest::newRow("close, single unit") << 0 << false << 0u << 0x0FFFu;
    QTest::newRow("close, MASTER") << 2 << false << 0u << 0u;
}

void TestTestMode::openCloseAll() {
    QFETCH(int, mode);
    QFETCH(bool, open);
    QFETCH(uint, masterDown);
    QFETCH(uint, slaveDown);

    TestModeContext context = Live();
    context.masterGatesInUse = 0x003F;
    context.slaveGatesInUse = 0x0006;
    context.masterGatesOpen = 0x0FFF;
    context.slaveGatesOpen = 0x0FFF;
    const Installed installation(mode);
    TestModeModel test(installation);
    test.SetTestMode(true, context);
    const TestGateButtons buttons = test.OpenCloseAll(open, context);
    QCOMPARE(uint(buttons.masterDown), masterDown);
    QCOMPARE(uint(buttons.slaveDown), slaveDown);
    QCOMPARE(uint(test.GateButtons().masterDown), masterDown);
}

void TestTestMode::buttonOfGateNotInUseStillSent() {
    TestModeContext context = Live();
    context.masterGatesInUse = 0x003F;
    context.masterGatesOpen = 0x0081;
    const Installed installation;
    TestModeModel test(installation);
    const TestModeControls controls = test.SetTestMode(true, context);
    QCOMPARE(controls.masterButtonsEnabled, uint16_t(0x003F));
    QCOMPARE(controls.buttons.masterDown, uint16_t(0x0081));
    QCOMPARE(uint(test.TestCommand().gates), 0xF081u);
}

void TestTestMode::badInputKeepsWordsInTheirBits_data() {
    QTest::addColumn<int>("frame");
    QTest::addColumn<int>("percentage");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<uint>("fanWord");

    QTest::newRow("frame below 0") << -1 << 20 << "" << 0x3300u;
    QTest::newRow("frame 24") << 24 << 20 << "" << 0x3300u;
    QTest::newRow("frame far out") << 1000 << 20 << "" << 0x3300u;
    QTest::newRow("percentage 300") << 24 << 300 << "" << 0xFF00u;
    QTest::newRow("percentage -40") << 24 << -40 << "" << 0u;
    QTest::newRow("letters typed") << 24 << 20 << "x7" << 0x3300u;
    QTest::newRow("typed 1000") << 24 << 20 << "1000" << 0xFF00u;
}

void TestTestMode::badInputKeepsWordsInTheirBits() {
    QFETCH(int, frame);
    QFETCH(int, percentage);
    QFETCH(QString, typed);
    QFETCH(uint, fanWord);

    const Installed installation(kInstallationMasterSlave);
    TestModeModel test(installation);
    TestModeContext context = Live();
    context.fanOutput = 255;
    context.masterGatesOpen = 0xFFFF;
    context.slaveGatesOpen = 0xFFFF;
    test.SetTestMode(true, context);
    test.SetGateButtonDown(frame, true);
    test.SetGateButtonDown(frame, false);
    test.SetPercentage(percentage);
    if (!typed.isEmpty())
        test.TypePercentage(typed);
    QCOMPARE(uint(test.TestCommand().gates), 0xEFFFu);
    QCOMPARE(uint(test.TestCommand().slaveGates), 0x0FFFu);
    QCOMPARE(uint(test.TestCommand().fan), fanWord);
    QCOMPARE(uint(test.TestCommand().fan & 0x00FF), 0u);
}

VT12_TEST(TestTestMode, TestApplication::None)
#include "tst_test_mode.moc"
