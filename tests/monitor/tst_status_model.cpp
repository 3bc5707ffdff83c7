#include "monitor/status_model.h"
#include "tests/support/status_bytes.h"

#include "tests/support/test_registry.h"

#include <QRandomGenerator>
#include <QTest>

using namespace status_bytes;

Q_DECLARE_METATYPE(SignalColor)

namespace {

struct Controller {
    ControllerImages images;
    FeatureLevels features;
    StatusModel model{images, features};

    explicit Controller(const char* firmware = "F05A") {
        features.SetMasterCode(FirmwareCode::FromText(QString::fromLatin1(firmware)));
    }
    void EnableGates(GateSettingsBlock& block, uint16_t mask) {
        for (int i = 0; i < kGatesPerUnit; ++i)
            block.Gates[static_cast<size_t>(i)].SetEnabled((mask >> i) & 1u);
    }
};

GateMasks MasksOf(const StatusBlock& status) {
    return GateMasksOf(status);
}

} // namespace

class TestStatusModel : public QObject {
    Q_OBJECT

private slots:
    void driverCurrent_data();
    void driverCurrent();
    void lostSlaveKeepsItsMasks();
    void minAirflowSignal_data();
    void minAirflowSignal();
    void signalDelayAndManual();
    void gatePicturesAndCounts();
    void fanDelay_data();
    void fanDelay();
    void fanAndVacuum_data();
    void fanAndVacuum();
    void noDataThenTheNextStatusAsTheFirst();
};

void TestStatusModel::driverCurrent_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("slave");
    QTest::addColumn<bool>("even");
    QTest::addColumn<QList<int>>("driven");
    QTest::addColumn<QList<int>>("samples");
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<QStringList>("milliamps");
    QTest::addColumn<QStringList>("captions");

    QTest::newRow("gate 3 after idle, 40 twice")
        << 0 << false << false << QList<int>{0x004, 0x004} << QList<int>{40, 40}
        << QList<int>{20, 40} << QStringList{"167", "334"} << QStringList{"- 3 -", "- 3 -"};
    QTest::newRow("MASTER installation names the master gate")
        << 2 << false << false << QList<int>{0x004} << QList<int>{40} << QList<int>{20}
        << QStringList{"167"} << QStringList{"- M3 -"};
    QTest::newRow("slave gate 3") << 2 << true << false << QList<int>{0x004} << QList<int>{40}
                                  << QList<int>{20} << QStringList{"167"} << QStringList{"- S3 -"};
    QTest::newRow("lowest driven gate named")
        << 0 << false << false << QList<int>{0x011} << QList<int>{10} << QList<int>{5}
        << QStringList{"42"} << QStringList{"- 1 -"};
    QTest::newRow("no odd gate driven: idle and the sample forgotten")
        << 0 << false << false << QList<int>{0x004, 0x002, 0x004} << QList<int>{40, 90, 40}
        << QList<int>{20, 0, 20} << QStringList{"167", "0", "167"}
        << QStringList{"- 3 -", "Odd", "- 3 -"};
    QTest::newRow("even driver") << 0 << false << true << QList<int>{0x00A, 0x001}
                                 << QList<int>{30, 30} << QList<int>{15, 0}
                                 << QStringList{"125", "0"} << QStringList{"- 2 -", "Even"};
    QTest::newRow("mean rounds half to even")
        << 0 << false << false << QList<int>{0x001, 0x001, 0x001} << QList<int>{41, 42, 43}
        << QList<int>{20, 42, 42} << QStringList{"167", "351", "351"}
        << QStringList{"- 1 -", "- 1 -", "- 1 -"};
    QTest::newRow("above the bar's range the figure stays full")
        << 0 << false << false << QList<int>{0x001, 0x001} << QList<int>{255, 255}
        << QList<int>{128, 255} << QStringList{"1069", "2129"} << QStringList{"- 1 -", "- 1 -"};
}

void TestStatusModel::driverCurrent() {
    QFETCH(int, mode);
    QFETCH(bool, slave);
    QFETCH(bool, even);
    QFETCH(QList<int>, driven);
    QFETCH(QList<int>, samples);
    QFETCH(QList<int>, positions);
    QFETCH(QStringList, milliamps);
    QFETCH(QStringList, captions);

    Controller c;
    for (qsizetype step = 0; step < driven.size(); ++step) {
        StatusBlock& status = slave ? c.images.SlaveStatus : c.images.Status;
        // Opening and closing gates are driven alike.
        PutWord(status, step % 2 ? ClosingGates : OpeningGates, uint16_t(driven[step]));
        PutWord(status, step % 2 ? OpeningGates : ClosingGates, 0);
        status.Bytes[even ? kEvenDriverCurrent : kOddDriverCurrent] = uint8_t(samples[step]);
        const UnitStatus shown = slave ? c.model.ShowSlaveStatus(MasksOf(status), 0)
                                       : c.model.ShowStatus(MasksOf(status), 0, mode).unit;
        const DriverDisplay& driver = even ? shown.even : shown.odd;
        QCOMPARE(driver.position, positions[step]);
        QCOMPARE(driver.milliamps, milliamps[step]);
        QCOMPARE(driver.gateCaption, captions[step]);
    }
}

void TestStatusModel::lostSlaveKeepsItsMasks() {
    // The zeroed block of a lost slave is shown with the masks it last had.
    Controller c;
    c.EnableGates(c.images.SlaveGateSettings.Edited, 0x003);
    GateMasks last;
    last.opening = 0x001;
    last.open = 0x002;
    const UnitStatus shown = c.model.ShowSlaveStatus(last, 0);
    QCOMPARE(shown.odd.gateCaption, QStringLiteral("- S1 -"));
    QCOMPARE(shown.odd.position, 0);
    QCOMPARE(shown.gates[0].picture, std::optional(GatePicture::Opening));
    QCOMPARE(shown.gates[1].picture, std::optional(GatePicture::Open));
    QCOMPARE(shown.openGates, QStringLiteral("1"));
}

void TestStatusModel::minAirflowSignal_data() {
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<uint>("open");
    QTest::addColumn<uint>("active");
    QTest::addColumn<uint>("closing");
    QTest::addColumn<uint>("manualMask");
    QTest::addColumn<uint>("controllerMask");
    QTest::addColumn<bool>("smart");
    QTest::addColumn<bool>("minAirflowSetting");
    QTest::addColumn<SignalColor>("signal");
    QTest::addColumn<int>("mark"); // -1: left as the gate settings set it

    const uint g5 = 1u << 4;
    QTest::newRow("below F03K: open manual gate")
        << "F03J" << g5 << 0u << 0u << g5 << 0u << false << true << SignalColor::MinAirflow << -1;
    QTest::newRow("below F03K: controller mask not used")
        << "F03J" << g5 << 0u << 0u << 0u << g5 << false << false << SignalColor::Idle << -1;
    QTest::newRow("below F03K: oldest code")
        << "----" << g5 << 0u << 0u << g5 << g5 << true << true << SignalColor::MinAirflow << -1;
    QTest::newRow("F03K: manual mask not used")
        << "F03K" << g5 << 0u << 0u << g5 << 0u << false << true << SignalColor::Idle << 1;
    QTest::newRow("F03K: controller's gate")
        << "F03K" << g5 << 0u << 0u << 0u << g5 << false << false << SignalColor::MinAirflow << 0;
    QTest::newRow("F03K smart: mark from the controller")
        << "F03K" << g5 << 0u << 0u << 0u << g5 << true << false << SignalColor::MinAirflow << 1;
    QTest::newRow("F03K smart: no mark without the controller")
        << "F04A" << g5 << 0u << 0u << 0u << 0u << true << true << SignalColor::Idle << 0;
    QTest::newRow("active workstation wins")
        << "F03K" << g5 << g5 << 0u << 0u << g5 << false << false << SignalColor::Active << 0;
    QTest::newRow("closing gate is not held open")
        << "F03J" << g5 << 0u << g5 << g5 << 0u << false << true << SignalColor::Idle << -1;
    QTest::newRow("closed gate is not held open")
        << "F05A" << 0u << 0u << 0u << 0u << g5 << false << false << SignalColor::Idle << 0;
}

void TestStatusModel::minAirflowSignal() {
    QFETCH(QString, firmware);
    QFETCH(uint, open);
    QFETCH(uint, active);
    QFETCH(uint, closing);
    QFETCH(uint, manualMask);
    QFETCH(uint, controllerMask);
    QFETCH(bool, smart);
    QFETCH(bool, minAirflowSetting);
    QFETCH(SignalColor, signal);
    QFETCH(int, mark);

    for (const bool slave : {false, true}) {
        Controller c(firmware.toLatin1().constData());
        c.images.SystemSettings.Edited.SetSmartMinAirflow(smart, 20);
        GateSettingsBlock& settings =
            slave ? c.images.SlaveGateSettings.Edited : c.images.GateSettings.Edited;
        settings.Gates[4].SetMinAirflow(minAirflowSetting ? 1 : 0);
        StatusBlock& status = slave ? c.images.SlaveStatus : c.images.Status;
        PutWord(status, OpenGates, uint16_t(open));
        PutWord(status, ActiveSensors, uint16_t(active));
        PutWord(status, ClosingGates, uint16_t(closing));
        PutWord(status, ControllerMinAirflowGates, uint16_t(controllerMask));
        const auto mask = uint16_t(manualMask);
        const UnitStatus shown = slave ? c.model.ShowSlaveStatus(MasksOf(status), mask)
                                       : c.model.ShowStatus(MasksOf(status), mask, 2).unit;
        const GateFrameStatus& gate = shown.gates[4];
        QCOMPARE(gate.signal, signal);
        QCOMPARE(gate.minAirflowMark.has_value(), mark >= 0);
        if (mark >= 0)
            QCOMPARE(*gate.minAirflowMark, mark == 1);
        QCOMPARE(shown.gates[3].signal, SignalColor::Idle);
    }
}

void TestStatusModel::signalDelayAndManual() {
    Controller c;
    PutWord(c.images.Status, SensorInputs, 0x801);
    PutWord(c.images.Status, ActiveSensors, 0x3002);
    PutWord(c.images.Status, ManualRequests, 0x400);
    const StatusDisplay shown = c.model.ShowStatus(MasksOf(c.images.Status), 0, 0);
    const auto& g = shown.unit.gates;
    QCOMPARE(g[0].signal, SignalColor::Idle);
    QVERIFY(g[0].delay);
    QCOMPARE(g[1].signal, SignalColor::Active);
    QVERIFY(!g[1].delay);
    QVERIFY(g[10].manual);
    QVERIFY(!g[11].manual);
    QVERIFY(g[11].delay);
    QCOMPARE(shown.activeSensors, QStringLiteral("1"));
    // The input flags share the register with the active workstations.
    QCOMPARE(shown.bypassLamp, Lamp::Red);
    QVERIFY(shown.securityInOrder);
    QVERIFY(!shown.bypassBlinks);
}

void TestStatusModel::gatePicturesAndCounts() {
    Controller c;
    c.EnableGates(c.images.GateSettings.Edited, 0x00F);
    c.EnableGates(c.images.SlaveGateSettings.Edited, 0x003);
    StatusBlock& master = c.images.Status;
    PutWord(master, OpeningGates, 0x001);
    PutWord(master, ClosingGates, 0x003);
    PutWord(master, OpenGates, 0x01F); // gate 5 open but not in use
    PutWord(master, ActiveSensors, 0x007);
    StatusBlock& slave = c.images.SlaveStatus;
    PutWord(slave, OpenGates, 0x003);
    PutWord(slave, ActiveSensors, 0x0F0);

    const UnitStatus slaveShown = c.model.ShowSlaveStatus(MasksOf(slave), 0);
    QCOMPARE(slaveShown.openGates, QStringLiteral("2"));
    const StatusDisplay shown = c.model.ShowStatus(MasksOf(master), 0, 2);
    const auto& g = shown.unit.gates;
    QCOMPARE(g[0].picture, std::optional(GatePicture::Opening));
    QCOMPARE(g[1].picture, std::optional(GatePicture::Closing));
    QCOMPARE(g[2].picture, std::optional(GatePicture::Open));
    QCOMPARE(g[3].picture, std::optional(GatePicture::Open));
    QCOMPARE(g[4].picture, std::nullopt);
    QCOMPARE(g[5].picture, std::nullopt);
    QCOMPARE(shown.unit.openGates, QStringLiteral("4"));
    QCOMPARE(shown.activeSensors, QStringLiteral("7"));

    c.model.ResetSlaveCounts();
    const StatusDisplay alone = c.model.ShowStatus(MasksOf(master), 0, 0);
    QCOMPARE(alone.unit.openGates, QStringLiteral("2"));
    QCOMPARE(alone.activeSensors, QStringLiteral("3"));
}

void TestStatusModel::fanDelay_data() {
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<int>("onLeft");
    QTest::addColumn<int>("offLeft");
    QTest::addColumn<int>("onDelay");
    QTest::addColumn<int>("offDelay");
    QTest::addColumn<QString>("text"); // empty: hidden
    QTest::addColumn<int>("maximum");

    QTest::newRow("on, rounded up") << "F05A" << 25 << 0 << 50 << 0 << "Delay On: 3" << 50;
    QTest::newRow("on, whole second") << "F05A" << 10 << 0 << 50 << 0 << "Delay On: 1" << 50;
    QTest::newRow("on, a tenth over") << "F05A" << 11 << 0 << 50 << 0 << "Delay On: 2" << 50;
    QTest::newRow("on, not below its setting") << "F05A" << 50 << 0 << 50 << 0 << "" << 0;
    QTest::newRow("on at its setting, off runs")
        << "F05A" << 50 << 30 << 50 << 60 << "Delay Off: 30" << 60;
    QTest::newRow("on wins over off") << "F05A" << 5 << 30 << 50 << 60 << "Delay On: 1" << 50;
    QTest::newRow("off in tenths") << "F03K" << 0 << 1805 << 50 << 3000 << "Delay Off: 181" << 3000;
    QTest::newRow("off in tenths, whole")
        << "F03K" << 0 << 1800 << 50 << 3000 << "Delay Off: 180" << 3000;
    QTest::newRow("off in seconds")
        << "F05A" << 0 << 1805 << 50 << 3600 << "Delay Off: 1805" << 3600;
    QTest::newRow("off in seconds from F04A")
        << "F04A" << 0 << 7 << 50 << 60 << "Delay Off: 7" << 60;
    QTest::newRow("setting 0 hides") << "F05A" << 0 << 5 << 0 << 0 << "" << 0;
    QTest::newRow("countdown above its setting") << "F05A" << 70 << 70 << 50 << 60 << "" << 0;
}

void TestStatusModel::fanDelay() {
    QFETCH(QString, firmware);
    QFETCH(int, onLeft);
    QFETCH(int, offLeft);
    QFETCH(int, onDelay);
    QFETCH(int, offDelay);
    QFETCH(QString, text);
    QFETCH(int, maximum);

    Controller c(firmware.toLatin1().constData());
    c.images.SystemSettings.Edited.SetFanOnDelay(uint16_t(onDelay));
    c.images.SystemSettings.Edited.SetFanOffDelay(uint16_t(offDelay));
    PutWord(c.images.Status, OnDelayLeft, uint16_t(onLeft));
    PutWord(c.images.Status, OffDelayLeft, uint16_t(offLeft));
    const FanDelayDisplay delay = c.model.ShowStatus({}, 0, 0).fanDelay;
    QCOMPARE(delay.visible, !text.isEmpty());
    if (!delay.visible)
        return;
    QCOMPARE(delay.text, text);
    QCOMPARE(delay.maximum, maximum);
    QCOMPARE(delay.position, text.startsWith(u"Delay On") ? onLeft : offLeft);
}

void TestStatusModel::fanAndVacuum_data() {
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<int>("fan");
    QTest::addColumn<int>("hardware");
    QTest::addColumn<QString>("percent");
    QTest::addColumn<bool>("vacuum");

    QTest::newRow("fan stopped") << "F05A" << 0 << 4 << "0%" << true;
    QTest::newRow("half: 50.2 %") << "F05A" << 128 << 3 << "50%" << false;
    QTest::newRow("full") << "F03A" << 255 << 5 << "100%" << true;
    QTest::newRow("old firmware reports no hardware") << "F02Z" << 1 << 5 << "0%" << false;
}

void TestStatusModel::fanAndVacuum() {
    QFETCH(QString, firmware);
    QFETCH(int, fan);
    QFETCH(int, hardware);
    QFETCH(QString, percent);
    QFETCH(bool, vacuum);

    Controller c(firmware.toLatin1().constData());
    c.images.Status.Bytes[kFanOutput] = uint8_t(fan);
    c.images.Status.Bytes[kHardwareVersion] = uint8_t(hardware);
    const StatusDisplay shown = c.model.ShowStatus({}, 0, 0);
    QCOMPARE(shown.fanPosition, fan);
    QCOMPARE(shown.fanPercent, percent);
    QCOMPARE(shown.dustLamp, fan != 0 ? Lamp::Green : Lamp::Off);
    QCOMPARE(shown.showVacuumReading, vacuum);
}

// A link lost leaves nothing live on the page, and what the model kept of the polls before it
// (driver samples, the slave's counts, the notice shown) does not colour the first status
// after it: that one is shown as a model that never saw a poll shows it.
void TestStatusModel::noDataThenTheNextStatusAsTheFirst() {
    QRandomGenerator random(1226);
    const auto fill = [&random](StatusBlock& status) {
        for (uint8_t& byte : status.Bytes)
            byte = uint8_t(random.bounded(256));
    };
    for (int run = 0; run < 200; ++run) {
        Controller seen;
        Controller fresh;
        const uint16_t enabled = uint16_t(random.bounded(0x1000));
        for (Controller* c : {&seen, &fresh}) {
            c->EnableGates(c->images.GateSettings.Edited, enabled);
            c->EnableGates(c->images.SlaveGateSettings.Edited, enabled);
        }
        const int polls = 1 + random.bounded(4);
        for (int poll = 0; poll < polls; ++poll) {
            fill(seen.images.Status);
            fill(seen.images.SlaveStatus);
            seen.model.ShowStatus(MasksOf(seen.images.Status), 0, 2);
            seen.model.ShowSlaveStatus(MasksOf(seen.images.SlaveStatus), 0);
        }

        const StatusDisplay none = seen.model.ShowNoData();
        QVERIFY(!none.live && !none.unit.live);
        QVERIFY(!none.bypassBlinks && none.bypassLamp == Lamp::Off);
        QCOMPARE(none.dustLamp, Lamp::Off);
        QVERIFY(!none.notice.visible && !none.fanDelay.visible);
        QVERIFY(!none.cleaning.regularEnabled && !none.cleaning.atStopEnabled);
        QVERIFY(!none.cleaning.timeVisible && none.cleaning.lamp == Lamp::Off);
        QCOMPARE(none.fanPosition, 0);
        for (const QString& figure : {none.activeSensors, none.unit.openGates, none.fanPercent,
                                      none.unit.odd.milliamps, none.unit.even.milliamps})
            QCOMPARE(figure, QStringLiteral("--"));
        for (const DriverDisplay* driver : {&none.unit.odd, &none.unit.even})
            QVERIFY(!driver->live && driver->position == 0);
        const UnitStatus slave = StatusModel::NoDataUnit();
        QVERIFY(!slave.live && !slave.odd.live && slave.odd.position == 0);

        fill(fresh.images.Status);
        seen.images.Status = fresh.images.Status;
        const StatusDisplay a = seen.model.ShowStatus(MasksOf(seen.images.Status), 0, 2);
        const StatusDisplay b = fresh.model.ShowStatus(MasksOf(fresh.images.Status), 0, 2);
        QVERIFY(a.live);
        QCOMPARE(a.activeSensors, b.activeSensors);
        QCOMPARE(a.unit.openGates, b.unit.openGates);
        QCOMPARE(a.notice.visible, b.notice.visible);
        QCOMPARE(a.notice.text, b.notice.text);
        for (const auto& [x, y] :
             {std::pair{a.unit.odd, b.unit.odd}, std::pair{a.unit.even, b.unit.even}}) {
            QCOMPARE(x.position, y.position);
            QCOMPARE(x.milliamps, y.milliamps);
            QCOMPARE(x.gateCaption, y.gateCaption);
        }
    }
}

VT12_TEST(TestStatusModel, TestApplication::Core)
#include "tst_status_model.moc"
