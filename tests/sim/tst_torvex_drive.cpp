// The drive of installation mode 3 as the simulated unit relays it at input 96, and the
// address bit 7 a unit with a slave on its RS-232 port answers with.

#include "sim/controller_model.h"
#include "sim/modbus_crc.h"
#include "sim/modbus_responder.h"
#include "tests/sim/sim_requests.h"

#include "tests/support/test_registry.h"

#include <QTest>

using namespace simtest;
using namespace vt12sim;

namespace {

enum DriveRegister {
    Flags = 0,
    MaxFrequency = 1,
    ControlWord = 6,
    FrequencyReference = 7,
    Inputs = 8,
    StatusWord = 9,
    OutputFrequency = 10,
    OutputPower = 12,
    FilterPressure = 14,
    FanPressure = 15,
};

constexpr uint16_t kFanFull = 0xFF00;

uint16_t registerOf(ControllerModel& model, int start, int k) {
    const QByteArray answer = ask(model, wordsRequest(4, static_cast<uint16_t>(start), 16));
    if (answer.size() != 37) {
        return 0xDEAD;
    }
    return static_cast<uint16_t>(static_cast<uint8_t>(answer[3 + 2 * k]) << 8 |
                                 static_cast<uint8_t>(answer[4 + 2 * k]));
}

uint16_t drive(ControllerModel& model, DriveRegister k) {
    return registerOf(model, 96, k);
}

uint16_t inputValue(ControllerModel& model) {
    return registerOf(model, 0, 13);
}

UnitProfile driveProfile() {
    UnitProfile profile;
    profile.drive = true;
    return profile;
}

// The fan asked for by test commands, repeated as the tool repeats them, for ms.
void runFan(ControllerModel& model, uint16_t fanWord, int ms) {
    for (; ms > 0; ms -= 1000) {
        ask(model, commandRequest(0xE000, fanWord, 0));
        model.advance(qMin(ms, 1000));
    }
}

} // namespace

class TstTorvexDrive : public QObject {
    Q_OBJECT

private slots:
    void followsTheFanAlongItsRamps();
    void relayedState_data();
    void relayedState();
    void lostLineKeepsWhatWasLastHeard();
    void writtenInstallationModeBringsTheDrive();
    void answersCarryAddressBit7_data();
    void answersCarryAddressBit7();
};

void TstTorvexDrive::followsTheFanAlongItsRamps() {
    ControllerModel model(driveProfile());
    model.advance(100);
    QCOMPARE(drive(model, Flags), uint16_t{0x0001});
    QCOMPARE(drive(model, MaxFrequency), uint16_t{500});
    QCOMPARE(drive(model, StatusWord), uint16_t{0x1231});
    QCOMPARE(drive(model, FanPressure), uint16_t{0});

    runFan(model, kFanFull, TorvexDrive::kRampMs / 2);
    QCOMPARE(drive(model, Flags), uint16_t{0x0003});
    QCOMPARE(drive(model, FrequencyReference), uint16_t{20000});
    QCOMPARE(drive(model, OutputFrequency), uint16_t{10000});
    QCOMPARE(drive(model, ControlWord), uint16_t{0x047F});
    QCOMPARE(drive(model, StatusWord), uint16_t{0x1237});

    runFan(model, kFanFull, TorvexDrive::kRampMs / 2);
    QCOMPARE(drive(model, OutputFrequency), uint16_t{20000});
    QCOMPARE(drive(model, StatusWord), uint16_t{0x1737});
    QCOMPARE(drive(model, Inputs), uint16_t{0x003E});
    QCOMPARE(drive(model, OutputPower), uint16_t{110});
    QCOMPARE(drive(model, FanPressure), uint16_t{900});
    QCOMPARE(drive(model, FilterPressure), uint16_t{400});
    // The unit's vacuum input comes from the drive's fan pressure.
    QCOMPARE(inputValue(model), uint16_t{181 + 900 * 728 / 1000});

    // Test mode ends: the fan is no longer wanted and the drive ramps down.
    model.advance(ControllerModel::kTestModeHoldMs + TorvexDrive::kRampMs);
    QCOMPARE(drive(model, OutputFrequency), uint16_t{0});
    QCOMPARE(drive(model, Flags), uint16_t{0x0001});
    QCOMPARE(drive(model, ControlWord), uint16_t{0x047E});
}

void TstTorvexDrive::relayedState_data() {
    QTest::addColumn<bool>("drive");
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<bool>("tripped");
    QTest::addColumn<uint16_t>("fanWord");
    QTest::addColumn<uint16_t>("flags");
    QTest::addColumn<uint16_t>("statusWord");
    QTest::addColumn<uint16_t>("controlWord");

    QTest::newRow("tripped while the fan is wanted")
        << true << "F05A" << true << kFanFull << uint16_t{0x000D} << uint16_t{0x1278}
        << uint16_t{0x04FE};
    QTest::newRow("tripped, fan not wanted")
        << true << "F05A" << true << uint16_t{0} << uint16_t{0x0005} << uint16_t{0x1278}
        << uint16_t{0x04FE};
    QTest::newRow("single unit") << false << "F05A" << false << kFanFull << uint16_t{0}
                                 << uint16_t{0} << uint16_t{0};
    QTest::newRow("mode 3 below F05A")
        << true << "F04B" << false << kFanFull << uint16_t{0} << uint16_t{0} << uint16_t{0};
}

void TstTorvexDrive::relayedState() {
    QFETCH(bool, drive);
    QFETCH(QString, firmware);
    QFETCH(bool, tripped);
    QFETCH(uint16_t, fanWord);
    QFETCH(uint16_t, flags);
    QFETCH(uint16_t, statusWord);
    QFETCH(uint16_t, controlWord);

    UnitProfile profile;
    profile.drive = drive;
    profile.firmwareCode = firmware;
    profile.driveTripped = tripped;
    ControllerModel model(profile);
    runFan(model, fanWord, 2000);
    QCOMPARE(::drive(model, Flags), flags);
    QCOMPARE(::drive(model, StatusWord), statusWord);
    QCOMPARE(::drive(model, ControlWord), controlWord);
    QCOMPARE(::drive(model, OutputFrequency), uint16_t{0});
}

void TstTorvexDrive::lostLineKeepsWhatWasLastHeard() {
    ControllerModel model(driveProfile());
    runFan(model, kFanFull, 3000);
    const uint16_t heard = drive(model, OutputFrequency);
    QVERIFY(heard > 0);
    model.setDriveLinkLost(true);
    runFan(model, kFanFull, 3000);
    QCOMPARE(drive(model, Flags), uint16_t{0});
    QCOMPARE(drive(model, OutputFrequency), heard);
    model.setDriveLinkLost(false);
    model.advance(100);
    QVERIFY(drive(model, OutputFrequency) > heard);
    QCOMPARE(drive(model, Flags), uint16_t{0x0003});
}

void TstTorvexDrive::writtenInstallationModeBringsTheDrive() {
    ControllerModel model(UnitProfile{});
    model.advance(100);
    QCOMPARE(drive(model, Flags), uint16_t{0});
    // System settings bytes 20 (the mode) and 21 are register 138.
    QCOMPARE(ask(model, blockRequest(16, 138, QByteArray("\x03\x03", 2))).size(), 8);
    model.advance(100);
    QCOMPARE(drive(model, Flags), uint16_t{0x0001});
    // Without Pressure from VFD the drive reports no pressures and the unit its own sensor.
    runFan(model, kFanFull, TorvexDrive::kRampMs);
    QCOMPARE(drive(model, FanPressure), uint16_t{0});
    QVERIFY(inputValue(model) != 181 + 900 * 728 / 1000);
}

void TstTorvexDrive::answersCarryAddressBit7_data() {
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("function");

    QTest::newRow("status poll") << wordsRequest(4, 0, 16) << 4;
    QTest::newRow("test command") << commandRequest(0xE000, 0, 0) << 101;
    QTest::newRow("exception") << wordsRequest(4, 3000, 1) << 0x84;
}

void TstTorvexDrive::answersCarryAddressBit7() {
    QFETCH(QByteArray, request);
    QFETCH(int, function);

    UnitProfile profile;
    profile.addressBit7 = true;
    ControllerModel model(profile);
    const QByteArray answer = ask(model, request);
    QCOMPARE(static_cast<uint8_t>(answer[0]), uint8_t{0x85});
    QCOMPARE(static_cast<uint8_t>(answer[1]), static_cast<uint8_t>(function));
    QVERIFY(crcMatches(answer));
}

VT12_TEST(TstTorvexDrive, TestApplication::Core)
#include "tst_torvex_drive.moc"
