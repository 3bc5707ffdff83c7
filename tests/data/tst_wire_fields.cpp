#include "data/controller_images.h"

#include "tests/support/test_registry.h"

#include <QTest>
#include <functional>

// A field seen through its accessors: set through the block type, read back from the bytes.
struct FieldCase {
    BlockId block;
    int offset;
    int width; // 1, 2 or 4 bytes, high byte first
    std::function<void(ControllerImages&, uint32_t)> set;
    std::function<uint32_t(const ControllerImages&)> get;
};
Q_DECLARE_METATYPE(FieldCase)

class TestWireFields : public QObject {
    Q_OBJECT

private slots:
    void fieldSitsInWireOrder_data();
    void fieldSitsInWireOrder();
    void gateNameIsZeroPadded_data();
    void gateNameIsZeroPadded();
    void sensorValuesAreCopiedLowByteFirst();
    void vacuumTextsKeepTheirWidth();
    void smartMinAirflowSplitsItsByte_data();
    void smartMinAirflowSplitsItsByte();
    void counterIsUnsigned();
    void indexOutsideTheBlockReadsZero();
    void statusSplitsSensorsFromInputFlags();
};

void TestWireFields::fieldSitsInWireOrder_data() {
    QTest::addColumn<FieldCase>("field");
    const auto gate = [](int i) {
        return [i](ControllerImages& im) -> GateRecord& {
            return im.GateSettings.Edited.Gates[size_t(i)];
        };
    };
    const auto constGate = [](int i) {
        return [i](const ControllerImages& im) -> const GateRecord& {
            return im.GateSettings.Edited.Gates[size_t(i)];
        };
    };
#define GATE_FIELD(tag, i, offset, width, name)                                                    \
    QTest::newRow(tag) << FieldCase {                                                              \
        BlockId::GateSettings, 16 * (i) + (offset), width,                                         \
            [g = gate(i)](ControllerImages& im, uint32_t v) {                                      \
                g(im).Set##name(decltype(g(im).name())(v));                                        \
            },                                                                                     \
            [g = constGate(i)](const ControllerImages& im) { return uint32_t(g(im).name()); }      \
    }
    GATE_FIELD("gate 1 Enabled", 0, 0, 1, Enabled);
    GATE_FIELD("gate 1 MinAirflow", 0, 1, 1, MinAirflow);
    GATE_FIELD("gate 1 OnDelay", 0, 2, 2, OnDelay);
    GATE_FIELD("gate 4 OffDelay", 3, 4, 2, OffDelay);
    GATE_FIELD("gate 12 SizeFactor", 11, 6, 2, SizeFactor);
    GATE_FIELD("gate 2 Diameter1", 1, 8, 1, Diameter1);
    GATE_FIELD("gate 2 Diameter2", 1, 9, 1, Diameter2);
    GATE_FIELD("gate 2 Diameter3", 1, 10, 1, Diameter3);
    GATE_FIELD("gate 12 ExtraArea", 11, 12, 1, ExtraArea);
    GATE_FIELD("gate 12 Compensation", 11, 13, 1, Compensation);
#undef GATE_FIELD

#define SYSTEM_FIELD(offset, width, name)                                                          \
    QTest::newRow(#name) << FieldCase {                                                            \
        BlockId::SystemSettings, offset, width,                                                    \
            [](ControllerImages& im, uint32_t v) {                                                 \
                im.SystemSettings.Edited.Set##name(decltype(im.SystemSettings.Edited.name())(v));  \
            },                                                                                     \
            [](const ControllerImages& im) { return uint32_t(im.SystemSettings.Edited.name()); }   \
    }
    SYSTEM_FIELD(0, 2, FanOnDelay);
    SYSTEM_FIELD(2, 2, FanOffDelay);
    SYSTEM_FIELD(4, 2, ButtonCancel);
    SYSTEM_FIELD(6, 1, MBA);
    SYSTEM_FIELD(7, 1, OpenAtStop);
    SYSTEM_FIELD(8, 1, OpenAtError);
    SYSTEM_FIELD(9, 1, RunAtError);
    SYSTEM_FIELD(10, 1, GateMode);
    SYSTEM_FIELD(11, 1, MinCurrent);
    SYSTEM_FIELD(12, 1, MaxCurrent);
    SYSTEM_FIELD(13, 1, OpRangeMin);
    SYSTEM_FIELD(14, 1, OpRangeMax);
    SYSTEM_FIELD(15, 1, ReverseDelay);
    SYSTEM_FIELD(16, 1, StopOnCurrDecay);
    SYSTEM_FIELD(17, 1, CleanFlags);
    SYSTEM_FIELD(18, 1, CleanHowLong);
    SYSTEM_FIELD(19, 1, CleanHowOften);
    SYSTEM_FIELD(20, 1, InstallationMode);
    SYSTEM_FIELD(21, 1, InactiveAfterStart);
    SYSTEM_FIELD(22, 1, CleanAtStopRunMin);
    SYSTEM_FIELD(23, 1, CleanAtStopHowLong);
    SYSTEM_FIELD(24, 1, SmartMinAirflow);
    SYSTEM_FIELD(25, 1, KeepLastUsedOpen);
    SYSTEM_FIELD(26, 1, PressureFromVFD);
#undef SYSTEM_FIELD

    QTest::newRow("ErrorLevel") << FieldCase{
        BlockId::VacuumSettings, 80, 2,
        [](ControllerImages& im, uint32_t v) {
            im.VacuumSettings.Edited.SetErrorLevel(uint16_t(v));
        },
        [](const ControllerImages& im) { return uint32_t(im.VacuumSettings.Edited.ErrorLevel()); }};
    QTest::newRow("StopAtError") << FieldCase{
        BlockId::VacuumSettings, 82, 2,
        [](ControllerImages& im, uint32_t v) {
            im.VacuumSettings.Edited.SetStopAtError(uint16_t(v));
        },
        [](const ControllerImages& im) {
            return uint32_t(im.VacuumSettings.Edited.StopAtError());
        }};

#define READ_FIELD(id, member, offset, width, name)                                                \
    QTest::newRow(#member " " #name) << FieldCase {                                                \
        id, offset, width, nullptr,                                                                \
            [](const ControllerImages& im) { return uint32_t(im.member.name()); }                  \
    }
    READ_FIELD(BlockId::Status, Status, 0, 2, SensorInputs);
    READ_FIELD(BlockId::Status, Status, 4, 2, ManualRequests);
    READ_FIELD(BlockId::Status, Status, 6, 2, OpeningGates);
    READ_FIELD(BlockId::Status, Status, 8, 2, ClosingGates);
    READ_FIELD(BlockId::Status, Status, 10, 2, OpenGates);
    READ_FIELD(BlockId::Status, Status, 12, 1, OddDriverCurrent);
    READ_FIELD(BlockId::Status, Status, 13, 1, EvenDriverCurrent);
    READ_FIELD(BlockId::Status, Status, 14, 1, FanOutput);
    READ_FIELD(BlockId::Status, Status, 15, 1, SlaveLink);
    READ_FIELD(BlockId::Status, Status, 16, 2, OnDelayLeft);
    READ_FIELD(BlockId::Status, Status, 18, 2, OffDelayLeft);
    READ_FIELD(BlockId::Status, Status, 22, 2, CleaningTime);
    READ_FIELD(BlockId::Status, Status, 24, 1, CleaningState);
    READ_FIELD(BlockId::SlaveStatus, SlaveStatus, 25, 1, HardwareVersion);
    READ_FIELD(BlockId::SlaveStatus, SlaveStatus, 26, 2, InputValue);
    READ_FIELD(BlockId::SlaveStatus, SlaveStatus, 28, 2, ControllerMinAirflowGates);
    READ_FIELD(BlockId::SlaveStatus, SlaveStatus, 30, 2, NoticeFlags);
    READ_FIELD(BlockId::DriveStatus, DriveStatus, 0, 2, DriveFlags);
    READ_FIELD(BlockId::DriveStatus, DriveStatus, 2, 2, MaxFrequency);
    READ_FIELD(BlockId::DriveStatus, DriveStatus, 12, 2, ControlWord);
    READ_FIELD(BlockId::DriveStatus, DriveStatus, 14, 2, FrequencyReference);
    READ_FIELD(BlockId::DriveStatus, DriveStatus, 16, 2, DriveInputs);
    READ_FIELD(BlockId::DriveStatus, DriveStatus, 18, 2, StatusWord);
    READ_FIELD(BlockId::DriveStatus, DriveStatus, 20, 2, OutputFrequency);
    READ_FIELD(BlockId::DriveStatus, DriveStatus, 22, 2, OutputCurrent);
    READ_FIELD(BlockId::DriveStatus, DriveStatus, 24, 2, OutputPower);
    READ_FIELD(BlockId::DriveStatus, DriveStatus, 26, 2, OutputVoltage);
    READ_FIELD(BlockId::DriveStatus, DriveStatus, 28, 2, FilterPressure);
    READ_FIELD(BlockId::DriveStatus, DriveStatus, 30, 2, FanPressure);
#undef READ_FIELD
    QTest::newRow("Counters gate 1")
        << FieldCase{BlockId::Counters, 0, 4, nullptr,
                     [](const ControllerImages& im) { return im.Counters.Counter(1); }};
    QTest::newRow("SlaveCounters Writes")
        << FieldCase{BlockId::SlaveCounters, 60, 4, nullptr,
                     [](const ControllerImages& im) { return im.SlaveCounters.Counter(16); }};
}

void TestWireFields::fieldSitsInWireOrder() {
    QFETCH(FieldCase, field);
    const uint32_t value = field.width == 1 ? 0xA5u : field.width == 2 ? 0x1234u : 0x89ABCDEFu;

    // Bytes as they come off the line give the field's value, neighbours untouched.
    ControllerImages images;
    std::vector<uint8_t> reply(images.ReadImage(field.block).size(), 0);
    for (int i = 0; i < field.width; ++i)
        reply[size_t(field.offset + i)] = uint8_t(value >> (8 * (field.width - 1 - i)));
    images.StoreReply(field.block, reply.data(), int(reply.size()));
    QCOMPARE(field.get(images), value);

    if (!field.set)
        return;
    // And the setter puts them back in the same places of an otherwise empty image.
    ControllerImages written;
    field.set(written, value);
    const std::span<const uint8_t> bytes = written.EditedImage(field.block);
    QVERIFY(std::ranges::equal(bytes, reply));
}

void TestWireFields::gateNameIsZeroPadded_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");

    QTest::newRow("short") << "Saw" << QByteArray("Saw").append(17, '\0') << "Saw";
    QTest::newRow("20 characters, no zero")
        << "ABCDEFGHIJKLMNOPQRST" << QByteArray("ABCDEFGHIJKLMNOPQRST") << "ABCDEFGHIJKLMNOPQRST";
    QTest::newRow("longer is cut")
        << "ABCDEFGHIJKLMNOPQRSTUV" << QByteArray("ABCDEFGHIJKLMNOPQRST") << "ABCDEFGHIJKLMNOPQRST";
    QTest::newRow("empty") << "" << QByteArray(20, '\0') << "";
    QTest::newRow("latin-1") << QString::fromUtf8("Fräse")
                             << QByteArray("Fr\xE4se").append(15, '\0')
                             << QString::fromUtf8("Fräse");
    QTest::newRow("outside latin-1")
        << QString::fromUtf8("Saw €") << QByteArray("Saw ?").append(15, '\0') << "Saw ?";
}

void TestWireFields::gateNameIsZeroPadded() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);

    ControllerImages images;
    GateName& field = images.GateNames.Edited.Names[7];
    field.SetName(name);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(field.Bytes.data()), 20), bytes);
    QCOMPARE(field.Name(), shown);
    QVERIFY(std::ranges::equal(images.EditedImage(BlockId::GateNames).subspan(7 * 20, 20),
                               field.Bytes));
}

void TestWireFields::sensorValuesAreCopiedLowByteFirst() {
    VacuumSettingsBlock block;
    block.SetSensorRange(SensorSide::Master, 20000);
    block.SetSensorWarning(SensorSide::Slave, -2);
    const uint8_t range[8] = {0x20, 0x4E, 0, 0, 0, 0, 0, 0};
    QVERIFY(std::equal(range, range + 8, block.Bytes.begin() + 16));
    const uint8_t warning[8] = {0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    QVERIFY(std::equal(warning, warning + 8, block.Bytes.begin() + 64));
    QCOMPARE(block.SensorRange(SensorSide::Master), int64_t(20000));
    QCOMPARE(block.SensorRange(SensorSide::Slave), int64_t(0));
    QCOMPARE(block.SensorWarning(SensorSide::Slave), int64_t(-2));
}

void TestWireFields::vacuumTextsKeepTheirWidth() {
    VacuumSettingsBlock block;
    block.SetSensorCaption(SensorSide::Master, "Main duct vacuum gauge");
    block.SetSensorUnits(SensorSide::Master, "kPa");
    block.SetSensorCaption(SensorSide::Slave, "Slave");
    block.SetSensorUnits(SensorSide::Slave, "inch water");
    QCOMPARE(block.SensorCaption(SensorSide::Master), QString("Main duct vacuum"));
    QCOMPARE(block.SensorUnits(SensorSide::Master), QString("kPa"));
    QCOMPARE(block.SensorCaption(SensorSide::Slave), QString("Slave"));
    QCOMPARE(block.SensorUnits(SensorSide::Slave), QString("inch wat"));
    // The master units end where the slave caption begins; no field spills into the next.
    QCOMPARE(block.Bytes[16], uint8_t(0));
    QCOMPARE(block.Bytes[39], uint8_t(0));
    QCOMPARE(char(block.Bytes[40]), 'S');
    QCOMPARE(block.ErrorLevel(), uint16_t(0));
}

void TestWireFields::smartMinAirflowSplitsItsByte_data() {
    QTest::addColumn<int>("byte");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("percent");

    QTest::newRow("0x99") << 0x99 << true << 25;
    QTest::newRow("disabled 100") << 0x64 << false << 100;
    QTest::newRow("enabled 0") << 0x80 << true << 0;
}

void TestWireFields::smartMinAirflowSplitsItsByte() {
    QFETCH(int, byte);
    QFETCH(bool, enabled);
    QFETCH(int, percent);

    SystemSettingsBlock read;
    read.SetSmartMinAirflow(uint8_t(byte));
    QCOMPARE(read.SmartMinAirflowEnabled(), enabled);
    QCOMPARE(int(read.SmartMinAirflowPercent()), percent);

    SystemSettingsBlock built;
    built.SetSmartMinAirflow(enabled, uint8_t(percent));
    QCOMPARE(int(built.SmartMinAirflow()), byte);
}

void TestWireFields::counterIsUnsigned() {
    CountersBlock block;
    std::fill(block.Bytes.begin() + 48, block.Bytes.begin() + 52, 0xFF);
    QCOMPARE(block.Counter(13), 4294967295u);
    QCOMPARE(block.Counter(12), 0u);
}

void TestWireFields::indexOutsideTheBlockReadsZero() {
    CountersBlock counters;
    counters.Bytes.fill(0xFF);
    QCOMPARE(counters.Counter(0), 0u);
    QCOMPARE(counters.Counter(17), 0u);
    QCOMPARE(counters.Counter(16), 0xFFFFFFFFu);

    DriveStatusBlock drive;
    drive.Bytes.fill(0xFF);
    QCOMPARE(drive.Register(-1), uint16_t(0));
    QCOMPARE(drive.Register(16), uint16_t(0));
    QCOMPARE(drive.Register(15), uint16_t(0xFFFF));
}

void TestWireFields::statusSplitsSensorsFromInputFlags() {
    StatusBlock status;
    status.Bytes[2] = 0x6A; // security in order, bypass blink, gates 10 and 12
    status.Bytes[3] = 0x01; // gate 1
    QCOMPARE(status.ActiveSensors(), uint16_t(0x0A01));
    QCOMPARE(status.InputFlags(),
             uint16_t(StatusBlock::kSecurityInOrder | StatusBlock::kBypassBlink));
}

VT12_TEST(TestWireFields, TestApplication::Core)
#include "tst_wire_fields.moc"
