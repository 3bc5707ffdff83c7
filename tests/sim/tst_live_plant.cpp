// The unit's plant as its status shows it: gate delays in both units, travel with current, the
// fan's delays and ramp, minimum airflow, the safety settings and inputs, cleaning.

#include "sim/live_plant.h"
#include "sim/register_bytes.h"
#include "sim/register_content.h"
#include "sim/unit_profile.h"

#include "tests/support/test_registry.h"

#include <QTest>

#include <functional>

using namespace vt12sim;

class TstLivePlant : public QObject {
    Q_OBJECT

private slots:
    void gateFollowsItsWorkstation_data();
    void gateFollowsItsWorkstation();
    void fanFollowsWithItsDelays_data();
    void fanFollowsWithItsDelays();
    void minimumAirflowHoldsGates_data();
    void minimumAirflowHoldsGates();
    void safetyInputs_data();
    void safetyInputs();
    void securityAlarmStopsTheFanAtOnce();
    void gatesAfterTheFanStops_data();
    void gatesAfterTheFanStops();
    void regularCleaning_data();
    void regularCleaning();
    void cleaningWhenTheSystemStops_data();
    void cleaningWhenTheSystemStops();
    void slaveWorkstationsRunTheFanWhileLinked_data();
    void slaveWorkstationsRunTheFanWhileLinked();
    void testCommandOverridesTheWorkstations();
};

namespace {

constexpr int kStepMs = LivePlant::kStepMs;
constexpr int kSystemSmartMinAirflow = 24;

uint16_t bit(int gate) {
    return static_cast<uint16_t>(1u << (gate - 1));
}

// One unit (and its slave) with the commissioned settings, stepped as the simulator steps it.
class Rig {
public:
    explicit Rig(const QString& unitCode = QStringLiteral("F05A"))
        : code(unitCode), system(initialSystemSettings(unitCode, kMasterInstallation)),
          gates(initialGateSettings(Unit::Master, unitCode)),
          slaveGates(initialGateSettings(Unit::Slave, unitCode)) {}

    PlantSetup setup() const {
        PlantSetup setup;
        setup.system = readSystemSetup(system, code);
        setup.master = readGateSetup(gates, codeFrom(code, "F04A"));
        setup.slave = readGateSetup(slaveGates, true);
        setup.slaveLinked = slaveLinked;
        return setup;
    }
    UnitStatus status(Unit unit = Unit::Master) const {
        return plant.status(unit, inputs, setup());
    }
    void run(int ms) {
        for (; ms > 0; ms -= kStepMs) {
            plant.advance(std::min(ms, kStepMs), inputs, setup());
        }
    }
    // Steps until the status satisfies holds; the time that took, or -1 after limitMs.
    int until(const std::function<bool(const UnitStatus&)>& holds, int limitMs,
              Unit unit = Unit::Master) {
        for (int elapsed = 0; elapsed <= limitMs; elapsed += kStepMs) {
            if (holds(status(unit))) {
                return elapsed;
            }
            run(kStepMs);
        }
        return -1;
    }

    void setGateDelays(int gate, uint16_t on, uint16_t off) {
        putWord(gates, (gate - 1) * 16 + 2, on);
        putWord(gates, (gate - 1) * 16 + 4, off);
    }
    void setFanDelays(uint16_t on, uint16_t off) {
        putWord(system, 0, on);
        putWord(system, 2, off);
    }
    void setSystemByte(int offset, int value) { system[offset] = static_cast<char>(value); }
    void withoutMinimumAirflow() {
        setSystemByte(kSystemSmartMinAirflow, 0);
        gates[1] = 0;
        slaveGates[1] = 0;
    }

    const QString code;
    QByteArray system;
    QByteArray gates;
    QByteArray slaveGates;
    PlantInputs inputs;
    bool slaveLinked = false;
    LivePlant plant;
};

bool fanRuns(const UnitStatus& status) {
    return status.fanOutput > 0;
}

} // namespace

void TstLivePlant::gateFollowsItsWorkstation_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("gate");
    QTest::addColumn<int>("onDelay");
    QTest::addColumn<int>("offDelay");
    QTest::addColumn<int>("onMs");
    QTest::addColumn<int>("offMs");

    QTest::newRow("F05A: even gate, off delay in tenths") << "F05A" << 2 << 50 << 30 << 500 << 3000;
    QTest::newRow("F03K: odd gate, off delay in hundredths")
        << "F03K" << 3 << 150 << 30 << 1500 << 300;
    QTest::newRow("no delays") << "F05A" << 12 - 1 << 0 << 0 << 0 << 0;
}

void TstLivePlant::gateFollowsItsWorkstation() {
    QFETCH(QString, code);
    QFETCH(int, gate);
    QFETCH(int, onDelay);
    QFETCH(int, offDelay);
    QFETCH(int, onMs);
    QFETCH(int, offMs);

    Rig rig(code);
    rig.withoutMinimumAirflow();
    rig.setGateDelays(gate, static_cast<uint16_t>(onDelay), static_cast<uint16_t>(offDelay));
    const uint16_t mask = bit(gate);
    const bool odd = gate % 2 == 1;
    auto driver = [odd](const UnitStatus& s) {
        return odd ? s.oddDriverCurrent : s.evenDriverCurrent;
    };
    auto otherDriver = [odd](const UnitStatus& s) {
        return odd ? s.evenDriverCurrent : s.oddDriverCurrent;
    };

    rig.inputs.masterSensors = mask;
    rig.run(kStepMs);
    QCOMPARE(rig.status().sensorInputs, mask);
    // The unit sees the sensor at the end of its first step; the delay runs from there.
    const int active = rig.until([&](const UnitStatus& s) { return s.activeSensors & mask; }, 5000);
    QVERIFY(active >= onMs - kStepMs && active <= onMs);
    UnitStatus status = rig.status();
    QCOMPARE(status.openingGates, mask);
    QVERIFY(driver(status) > 0);
    QCOMPARE(otherDriver(status), uint8_t{0});
    const int opened = rig.until([&](const UnitStatus& s) { return s.openGates & mask; }, 5000);
    QVERIFY(qAbs(opened - GateDrive::kTravelMs) <= kStepMs);
    QCOMPARE(rig.status().openingGates, uint16_t{0});
    QCOMPARE(driver(rig.status()), uint8_t{0});

    rig.inputs.masterSensors = 0;
    rig.run(kStepMs);
    const int inactive =
        rig.until([&](const UnitStatus& s) { return !(s.activeSensors & mask); }, 5000);
    QVERIFY(inactive >= offMs - kStepMs && inactive <= offMs);
    status = rig.status();
    QCOMPARE(status.closingGates, mask);
    QCOMPARE(status.openGates, uint16_t{0});
    QVERIFY(driver(status) > 0);
    const int closed = rig.until([&](const UnitStatus& s) { return s.closingGates == 0; }, 5000);
    QVERIFY(qAbs(closed - GateDrive::kTravelMs) <= kStepMs);
    QCOMPARE(driver(rig.status()), uint8_t{0});
}

void TstLivePlant::fanFollowsWithItsDelays_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("offDelayStored");
    QTest::addColumn<int>("unitMs");

    QTest::newRow("F05A: off delay in seconds") << "F05A" << 30 << 1000;
    QTest::newRow("F03K: off delay in tenths") << "F03K" << 300 << 100;
}

void TstLivePlant::fanFollowsWithItsDelays() {
    QFETCH(QString, code);
    QFETCH(int, offDelayStored);
    QFETCH(int, unitMs);

    Rig rig(code);
    rig.withoutMinimumAirflow();
    rig.setFanDelays(20, static_cast<uint16_t>(offDelayStored));
    rig.setGateDelays(2, 0, 0);
    rig.inputs.masterSensors = bit(2);
    rig.run(kStepMs);
    QVERIFY(rig.status().activeSensors & bit(2));
    // The on delay starts with the workstation and counts tenths of a second.
    QCOMPARE(rig.status().onDelayLeft, uint16_t{20});
    rig.run(1000);
    QCOMPARE(rig.status().onDelayLeft, uint16_t{10});
    QCOMPARE(rig.status().fanOutput, uint8_t{0});
    const int started = rig.until(fanRuns, 3000);
    QVERIFY(started > 0 && started <= 1000);
    QCOMPARE(rig.status().onDelayLeft, uint16_t{0});

    // The output ramps up over seconds rather than jumping.
    QVERIFY(rig.status().fanOutput < 60);
    int previous = 0;
    for (int sample = 0; sample < 4; ++sample) {
        QVERIFY(rig.status().fanOutput > previous);
        previous = rig.status().fanOutput;
        rig.run(500);
    }
    rig.run(10000);
    const uint8_t level = rig.status().fanOutput;
    QVERIFY(level > 100);

    rig.inputs.masterSensors = 0;
    rig.run(kStepMs);
    QCOMPARE(rig.status().offDelayLeft, uint16_t(offDelayStored));
    rig.run(10000);
    QCOMPARE(rig.status().offDelayLeft, uint16_t(offDelayStored - 10000 / unitMs));
    // With every gate closed the fan runs at the bottom of its operating range (50 %).
    QCOMPARE(rig.status().fanOutput, uint8_t{128});
    const int stopping =
        rig.until([](const UnitStatus& s) { return s.offDelayLeft == 0; }, offDelayStored * unitMs);
    QVERIFY(stopping > 0);
    QVERIFY(rig.status().fanOutput < 128);
    QVERIFY(rig.until([](const UnitStatus& s) { return s.fanOutput == 0; }, 6000) > 0);
}

void TstLivePlant::minimumAirflowHoldsGates_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("smartByte");
    QTest::addColumn<int>("activeGate");
    QTest::addColumn<int>("held");
    QTest::addColumn<int>("reported");

    // Gates 1..11 in use with 265 square inches; gate 1 is the manual set.
    QTest::newRow("smart 25 %: gates 1 and 2 join gate 8")
        << "F05A" << 0x99 << 8 << 0x0003 << 0x0003;
    QTest::newRow("smart 10 %: gate 1 alone is enough") << "F05A" << 0x8A << 1 << 0 << 0;
    QTest::newRow("smart off: the manual set") << "F05A" << 0x19 << 8 << 0x0001 << 0x0001;
    QTest::newRow("below F03K: the manual set, not reported") << "F03J" << 0x99 << 8 << 0x0001 << 0;
}

void TstLivePlant::minimumAirflowHoldsGates() {
    QFETCH(QString, code);
    QFETCH(int, smartByte);
    QFETCH(int, activeGate);
    QFETCH(int, held);
    QFETCH(int, reported);

    Rig rig(code);
    rig.setSystemByte(kSystemSmartMinAirflow, smartByte);
    rig.setFanDelays(20, codeFrom(code, "F04A") ? 5 : 50);
    rig.inputs.masterSensors = bit(activeGate);
    rig.run(10000);
    UnitStatus status = rig.status();
    QVERIFY(fanRuns(status));
    QCOMPARE(status.openGates, static_cast<uint16_t>(bit(activeGate) | held));
    QCOMPARE(status.minAirflowGates, static_cast<uint16_t>(reported));

    // Held through the fan's off delay, closed once it has run.
    rig.inputs.masterSensors = 0;
    rig.run(10000);
    QCOMPARE(rig.status().openGates & ~bit(activeGate), held);
    rig.run(10000);
    status = rig.status();
    QCOMPARE(status.openGates, uint16_t{0});
    QCOMPARE(status.minAirflowGates, uint16_t{0});
}

void TstLivePlant::safetyInputs_data() {
    QTest::addColumn<bool>("securityInOrder");
    QTest::addColumn<bool>("bypass");
    QTest::addColumn<int>("openAtError");
    QTest::addColumn<int>("runAtError");
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("notices");
    QTest::addColumn<bool>("allOpen");
    QTest::addColumn<bool>("fanRunning");

    QTest::newRow("in order") << true << false << 1 << 0 << 0x2000 << 0 << false << false;
    QTest::newRow("bypass runs everything")
        << true << true << 1 << 0 << 0x3000 << 0 << true << true;
    QTest::newRow("security: open gates") << false << false << 1 << 0 << 0 << 4 << true << false;
    QTest::newRow("security: run the fan") << false << false << 0 << 1 << 0 << 0 << false << true;
    QTest::newRow("security: neither") << false << false << 0 << 0 << 0 << 0 << false << false;
    QTest::newRow("bypass blinks while security stops it")
        << false << true << 1 << 0 << 0x5000 << 4 << true << false;
}

void TstLivePlant::safetyInputs() {
    QFETCH(bool, securityInOrder);
    QFETCH(bool, bypass);
    QFETCH(int, openAtError);
    QFETCH(int, runAtError);
    QFETCH(int, flags);
    QFETCH(int, notices);
    QFETCH(bool, allOpen);
    QFETCH(bool, fanRunning);

    Rig rig;
    rig.withoutMinimumAirflow();
    rig.setSystemByte(8, openAtError);
    rig.setSystemByte(9, runAtError);
    rig.inputs.securityInOrder = securityInOrder;
    rig.inputs.bypass = bypass;
    rig.run(10000);
    const UnitStatus status = rig.status();
    QCOMPARE(status.activeSensors, static_cast<uint16_t>(flags));
    QCOMPARE(status.noticeFlags, static_cast<uint16_t>(notices));
    QCOMPARE(status.openGates, static_cast<uint16_t>(allOpen ? 0x07FF : 0));
    QCOMPARE(fanRuns(status), fanRunning);
}

void TstLivePlant::securityAlarmStopsTheFanAtOnce() {
    Rig rig;
    rig.inputs.masterSensors = bit(4);
    rig.run(15000);
    QVERIFY(rig.status().fanOutput > 100);
    rig.inputs.securityInOrder = false;
    rig.run(kStepMs);
    QCOMPARE(rig.status().fanOutput, uint8_t{0});
    QCOMPARE(rig.status().offDelayLeft, uint16_t{0});
    // Back in order, the fan starts anew with its on delay.
    rig.inputs.securityInOrder = true;
    rig.run(kStepMs);
    QVERIFY(rig.status().onDelayLeft > 0);
}

void TstLivePlant::gatesAfterTheFanStops_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("openAtStop");
    QTest::addColumn<int>("keepLastUsed");
    QTest::addColumn<int>("notices");
    QTest::addColumn<int>("open");

    QTest::newRow("closed") << "F05A" << 0 << 0 << 0 << 0;
    QTest::newRow("open at fan stop") << "F05A" << 1 << 0 << 2 << 0x07FF;
    QTest::newRow("keep last used open") << "F05A" << 0 << 1 << 1 << 0x0004;
    QTest::newRow("both") << "F05A" << 1 << 1 << 3 << 0x07FF;
    QTest::newRow("F03K knows no keeping") << "F03K" << 0 << 1 << 0 << 0;
}

void TstLivePlant::gatesAfterTheFanStops() {
    QFETCH(QString, code);
    QFETCH(int, openAtStop);
    QFETCH(int, keepLastUsed);
    QFETCH(int, notices);
    QFETCH(int, open);

    Rig rig(code);
    rig.withoutMinimumAirflow();
    rig.setFanDelays(20, codeFrom(code, "F04A") ? 5 : 50);
    rig.setSystemByte(7, openAtStop);
    rig.setSystemByte(25, keepLastUsed);
    rig.inputs.masterSensors = bit(3);
    rig.run(10000);
    QCOMPARE(rig.status().openGates, bit(3));
    rig.inputs.masterSensors = 0;
    rig.run(30000);
    const UnitStatus status = rig.status();
    QCOMPARE(status.fanOutput, uint8_t{0});
    QCOMPARE(status.noticeFlags, static_cast<uint16_t>(notices));
    QCOMPARE(status.openGates, static_cast<uint16_t>(open));

    // Work again: the kept gate is just one of the open ones, no longer kept.
    rig.inputs.masterSensors = bit(5);
    rig.run(10000);
    QCOMPARE(rig.status().noticeFlags & 0x0001, 0);
}

void TstLivePlant::regularCleaning_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("howOften");
    QTest::addColumn<int>("periodMs");

    QTest::newRow("F05A: minutes") << "F05A" << 2 << 120000;
    QTest::newRow("F03A: units of 5 minutes") << "F03A" << 1 << 300000;
}

void TstLivePlant::regularCleaning() {
    QFETCH(QString, code);
    QFETCH(int, howOften);
    QFETCH(int, periodMs);

    Rig rig(code);
    rig.withoutMinimumAirflow();
    rig.setSystemByte(17, 0x01);
    rig.setSystemByte(18, 1);
    rig.setSystemByte(19, howOften);
    rig.run(5000);
    // The time to the next cleaning counts only while the fan runs.
    QCOMPARE(rig.status().cleaningTime, static_cast<uint16_t>(periodMs / 100));
    QCOMPARE(rig.status().cleaningState, uint8_t{0x10});

    rig.inputs.masterSensors = bit(2);
    const int fanStart = rig.until(fanRuns, 5000);
    QVERIFY(fanStart > 0);
    const int cleaningStart =
        rig.until([](const UnitStatus& s) { return s.cleaningState & 0x06; }, periodMs + 1000);
    QVERIFY(qAbs(cleaningStart - periodMs) <= kStepMs);
    QCOMPARE(rig.status().cleaningState, uint8_t{0x12});
    QCOMPARE(rig.status().cleaningTime, uint16_t{600});
    rig.run(2000);
    QCOMPARE(rig.status().openGates, uint16_t{0x07FF});
    QCOMPARE(rig.status().cleaningTime, uint16_t{580});

    const int cleaningEnd =
        rig.until([](const UnitStatus& s) { return !(s.cleaningState & 0x06); }, 60000);
    QVERIFY(qAbs(cleaningEnd - 58000) <= kStepMs);
    rig.run(2000);
    QCOMPARE(rig.status().openGates, bit(2));
    QVERIFY(qAbs(rig.status().cleaningTime - (periodMs - 2000) / 100) <= 1);
}

void TstLivePlant::cleaningWhenTheSystemStops_data() {
    QTest::addColumn<int>("idleMs");
    QTest::addColumn<int>("workMs");
    QTest::addColumn<bool>("cleans");

    QTest::newRow("ran longer than 2 minutes") << 0 << 150000 << true;
    QTest::newRow("ran under 2 minutes") << 0 << 90000 << false;
    QTest::newRow("idle time does not count") << 60000 << 90000 << false;
}

void TstLivePlant::cleaningWhenTheSystemStops() {
    QFETCH(int, idleMs);
    QFETCH(int, workMs);
    QFETCH(bool, cleans);

    Rig rig;
    rig.withoutMinimumAirflow();
    rig.setSystemByte(17, 0x02);
    rig.setSystemByte(22, 2);
    rig.setSystemByte(23, 1);
    rig.setGateDelays(6, 0, 0);
    rig.run(idleMs);
    rig.inputs.masterSensors = bit(6);
    rig.run(workMs);
    QCOMPARE(rig.status().cleaningState, uint8_t(cleans ? 0x28 : 0x20));
    rig.inputs.masterSensors = 0;
    rig.run(2 * kStepMs);
    UnitStatus status = rig.status();
    if (!cleans) {
        QCOMPARE(status.cleaningState, uint8_t{0x20});
        QVERIFY(status.offDelayLeft > 0);
        return;
    }
    QCOMPARE(status.cleaningState & 0x06, 0x04);
    QCOMPARE(status.offDelayLeft, uint16_t{0});
    QVERIFY(qAbs(status.cleaningTime - 600) <= 2);
    rig.run(2000);
    QCOMPARE(rig.status().openGates, uint16_t{0x07FF});
    rig.run(59000);
    status = rig.status();
    QCOMPARE(status.cleaningState & 0x06, 0);
    QVERIFY(status.offDelayLeft > 0);
}

void TstLivePlant::slaveWorkstationsRunTheFanWhileLinked_data() {
    QTest::addColumn<bool>("linked");

    QTest::newRow("linked") << true;
    QTest::newRow("not linked") << false;
}

void TstLivePlant::slaveWorkstationsRunTheFanWhileLinked() {
    QFETCH(bool, linked);

    Rig rig;
    rig.withoutMinimumAirflow();
    rig.slaveLinked = linked;
    rig.inputs.slaveSensors = bit(3);
    rig.run(10000);
    // The slave opens its own gate either way; only the master runs the fan.
    const UnitStatus slave = rig.status(Unit::Slave);
    QCOMPARE(slave.activeSensors & 0x0FFF, bit(3));
    QCOMPARE(slave.openGates, bit(3));
    QCOMPARE(fanRuns(rig.status()), linked);
    QCOMPARE(slave.fanOutput, rig.status().fanOutput);
    QCOMPARE(rig.status().openGates, uint16_t{0});
}

void TstLivePlant::testCommandOverridesTheWorkstations() {
    Rig rig;
    rig.withoutMinimumAirflow();
    rig.slaveLinked = true;
    rig.inputs.masterSensors = bit(1) | bit(2);
    rig.run(10000);
    QCOMPARE(rig.status().openGates, static_cast<uint16_t>(bit(1) | bit(2)));

    rig.plant.testCommand(bit(5), bit(7), 51, rig.setup());
    rig.run(3000);
    UnitStatus status = rig.status();
    QCOMPARE(status.openGates, bit(5));
    QCOMPARE(status.fanOutput, uint8_t{51});
    QCOMPARE(status.activeSensors & 0x0FFF, bit(1) | bit(2));
    QCOMPARE(status.minAirflowGates, uint16_t{0});
    QCOMPARE(rig.status(Unit::Slave).openGates, bit(7));

    rig.plant.leaveTestMode();
    rig.run(3000);
    status = rig.status();
    QCOMPARE(status.openGates, static_cast<uint16_t>(bit(1) | bit(2)));
    QCOMPARE(rig.status(Unit::Slave).openGates, uint16_t{0});
}

VT12_TEST(TstLivePlant, TestApplication::Core)
#include "tst_live_plant.moc"
