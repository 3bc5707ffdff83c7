#include "data/controller_images.h"

#include "tests/support/test_registry.h"

#include <QTest>

class TestControllerImages : public QObject {
    Q_OBJECT

private slots:
    void anyByteMakesABlockChanged_data();
    void anyByteMakesABlockChanged();
    void readOnlyBlocksAreNeverChanged();
    void slaveBlocksCountOnlyWithASlave();
    void replyReplacesBothImages();
    void shortReplyLeavesTheRestZero();
    void longReplyIsCut();
    void verificationNeedsTheWholeBlock_data();
    void verificationNeedsTheWholeBlock();
};

void TestControllerImages::anyByteMakesABlockChanged_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("at");

    QTest::newRow("gate settings, first byte") << int(BlockId::GateSettings) << 0;
    QTest::newRow("gate settings, register 96") << int(BlockId::GateSettings) << 193;
    QTest::newRow("slave gate settings") << int(BlockId::SlaveGateSettings) << 100;
    QTest::newRow("system settings, reserved byte") << int(BlockId::SystemSettings) << 27;
    QTest::newRow("gate names, last byte") << int(BlockId::GateNames) << 239;
    QTest::newRow("slave gate names") << int(BlockId::SlaveGateNames) << 20;
    QTest::newRow("vacuum settings, last byte") << int(BlockId::VacuumSettings) << 83;
}

void TestControllerImages::anyByteMakesABlockChanged() {
    QFETCH(int, id);
    QFETCH(int, at);
    const auto block = BlockId(id);

    ControllerImages images;
    QVERIFY(!images.IsChanged(block));
    images.EditedImage(block)[size_t(at)] = 0x5A;
    QVERIFY(images.IsChanged(block));
    QVERIFY(images.AnySettingsChanged(true));
    images.ReadImage(block)[size_t(at)] = 0x5A;
    QVERIFY(!images.IsChanged(block));
    QVERIFY(!images.AnySettingsChanged(true));
}

void TestControllerImages::readOnlyBlocksAreNeverChanged() {
    ControllerImages images;
    const uint8_t reply[32] = {1, 2, 3};
    for (const BlockSpec& block : kBlocks) {
        if (block.isSettings())
            continue;
        images.StoreReply(block.id, reply, sizeof reply);
        QVERIFY2(!images.IsChanged(block.id), block.name);
        QCOMPARE(images.ReadImage(block.id)[2], uint8_t(3));
    }
    QVERIFY(!images.AnySettingsChanged(true));
}

void TestControllerImages::slaveBlocksCountOnlyWithASlave() {
    ControllerImages images;
    images.SlaveGateSettings.Edited.Gates[0].SetEnabled(1);
    QVERIFY(images.AnySettingsChanged(true));
    QVERIFY(!images.AnySettingsChanged(false));

    images.SlaveGateSettings.Edited = images.SlaveGateSettings.Read;
    images.SlaveGateNames.Edited.Names[11].SetName("x");
    QVERIFY(images.AnySettingsChanged(true));
    QVERIFY(!images.AnySettingsChanged(false));

    images.SystemSettings.Edited.SetMBA(1);
    QVERIFY(images.AnySettingsChanged(false));
}

void TestControllerImages::replyReplacesBothImages() {
    ControllerImages images;
    images.SystemSettings.Edited.SetFanOnDelay(99);
    uint8_t reply[28] = {0x00, 0x0A};
    reply[20] = 2;
    images.StoreReply(BlockId::SystemSettings, reply, sizeof reply);
    QCOMPARE(images.SystemSettings.Read.FanOnDelay(), uint16_t(10));
    QCOMPARE(images.SystemSettings.Edited.FanOnDelay(), uint16_t(10));
    QCOMPARE(images.SystemSettings.Edited.InstallationMode(), uint8_t(2));
    QVERIFY(!images.IsChanged(BlockId::SystemSettings));
}

void TestControllerImages::shortReplyLeavesTheRestZero() {
    ControllerImages images;
    images.Status.Bytes.fill(0xEE);
    const uint8_t reply[4] = {0x12, 0x34, 0x56, 0x78};
    images.StoreReply(BlockId::Status, reply, 4);
    QCOMPARE(images.Status.SensorInputs(), uint16_t(0x1234));
    QCOMPARE(images.Status.ActiveSensors(), uint16_t(0x0678));
    QVERIFY(std::all_of(images.Status.Bytes.begin() + 4, images.Status.Bytes.end(),
                        [](uint8_t b) { return b == 0; }));

    images.StoreReply(BlockId::Status, nullptr, 0);
    QCOMPARE(images.Status.SensorInputs(), uint16_t(0));
}

void TestControllerImages::longReplyIsCut() {
    ControllerImages images;
    std::vector<uint8_t> reply(251, 0x33);
    images.StoreReply(BlockId::SlaveVersion, reply.data(), int(reply.size()));
    QVERIFY(std::ranges::all_of(images.SlaveVersion.Bytes, [](uint8_t b) { return b == 0x33; }));
}

void TestControllerImages::verificationNeedsTheWholeBlock_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("flipAt"); // -1: reply equals the edited image
    QTest::addColumn<bool>("equal");

    QTest::newRow("same bytes") << 84 << -1 << true;
    QTest::newRow("last byte differs") << 84 << 83 << false;
    QTest::newRow("first byte differs") << 84 << 0 << false;
    QTest::newRow("short reply") << 82 << -1 << false;
    QTest::newRow("empty reply") << 0 << -1 << false;
}

void TestControllerImages::verificationNeedsTheWholeBlock() {
    QFETCH(int, length);
    QFETCH(int, flipAt);
    QFETCH(bool, equal);

    ControllerImages images;
    images.VacuumSettings.Edited.SetSensorCaption(SensorSide::Master, "Vacuum");
    images.VacuumSettings.Edited.SetStopAtError(1);
    std::vector<uint8_t> reply(images.VacuumSettings.Edited.Bytes.begin(),
                               images.VacuumSettings.Edited.Bytes.end());
    if (flipAt >= 0)
        reply[size_t(flipAt)] ^= 0x01;
    QCOMPARE(images.EditedEquals(BlockId::VacuumSettings, reply.data(), length), equal);
    QVERIFY(!images.EditedEquals(BlockId::Status, reply.data(), 32));
}

VT12_TEST(TestControllerImages, TestApplication::Core)
#include "tst_controller_images.moc"
