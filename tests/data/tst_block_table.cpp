#include "data/block_table.h"
#include "data/controller_images.h"

#include "tests/support/test_registry.h"

#include <QTest>

class TestBlockTable : public QObject {
    Q_OBJECT

private slots:
    void blockMatchesRegisterMap_data();
    void blockMatchesRegisterMap();
    void jobFindsItsBlock_data();
    void jobFindsItsBlock();
    void writeJobsCarryTheirLogTexts_data();
    void writeJobsCarryTheirLogTexts();
    void jobBitsAreDistinct();
};

void TestBlockTable::blockMatchesRegisterMap_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("function");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("bytes");
    QTest::addColumn<int>("readBit");
    QTest::addColumn<int>("writeBit"); // -1: read-only

    const auto row = [](const char* name, BlockId id, int function, int start, int count, int bytes,
                        int readBit, int writeBit) {
        QTest::newRow(name) << int(id) << function << start << count << bytes << readBit
                            << writeBit;
    };
    row("GateSettingsBlock", BlockId::GateSettings, 3, 0, 97, 194, 3, 10);
    row("SlaveGateSettingsBlock", BlockId::SlaveGateSettings, 3, 512, 97, 194, 9, 14);
    row("SystemSettingsBlock", BlockId::SystemSettings, 3, 128, 14, 28, 2, 11);
    row("GateNamesBlock", BlockId::GateNames, 3, 256, 120, 240, 4, 12);
    row("SlaveGateNamesBlock", BlockId::SlaveGateNames, 3, 640, 120, 240, 8, 13);
    row("VacuumSettingsBlock", BlockId::VacuumSettings, 3, 384, 42, 84, 20, 19);
    row("StatusBlock", BlockId::Status, 4, 0, 16, 32, 6, -1);
    row("SlaveStatusBlock", BlockId::SlaveStatus, 4, 80, 16, 32, 15, -1);
    row("DriveStatusBlock", BlockId::DriveStatus, 4, 96, 16, 32, 25, -1);
    row("CountersBlock", BlockId::Counters, 4, 16, 32, 64, 1, -1);
    row("SlaveCountersBlock", BlockId::SlaveCounters, 4, 17, 32, 64, 16, -1);
    row("FirmwareInfoBlock", BlockId::FirmwareInfo, 3, 2048, 124, 248, 0, -1);
    row("FirmwareInfoBlock2", BlockId::FirmwareInfo2, 3, 2172, 124, 248, 5, -1);
    row("BootloaderInfoBlock", BlockId::BootloaderInfo, 3, 24320, 124, 248, 17, -1);
    row("SlaveVersionBlock", BlockId::SlaveVersion, 3, 656, 4, 8, 24, -1);
}

void TestBlockTable::blockMatchesRegisterMap() {
    QFETCH(int, id);
    QFETCH(int, function);
    QFETCH(int, start);
    QFETCH(int, count);
    QFETCH(int, bytes);
    QFETCH(int, readBit);
    QFETCH(int, writeBit);

    const BlockSpec& block = SpecOf(BlockId(id));
    QCOMPARE(QString(block.name), QString(QTest::currentDataTag()));
    QCOMPARE(int(block.function), function);
    QCOMPARE(int(block.start), start);
    QCOMPARE(int(block.count), count);
    QCOMPARE(block.bytes(), bytes);
    QCOMPARE(block.readJob, 1u << readBit);
    QCOMPARE(block.writeJob, writeBit < 0 ? 0u : 1u << writeBit);
    QCOMPARE(block.isSettings(), writeBit >= 0);

    // The images hold exactly the bytes the table announces.
    ControllerImages images;
    QCOMPARE(int(images.ReadImage(BlockId(id)).size()), bytes);
    QCOMPARE(int(images.EditedImage(BlockId(id)).size()), writeBit < 0 ? 0 : bytes);
}

void TestBlockTable::jobFindsItsBlock_data() {
    QTest::addColumn<uint>("job");
    QTest::addColumn<int>("id"); // -1: the job moves no block

    QTest::newRow("read gate settings")
        << uint(JOB_READ_GATE_SETTINGS) << int(BlockId::GateSettings);
    QTest::newRow("write gate settings")
        << uint(JOB_WRITE_GATE_SETTINGS) << int(BlockId::GateSettings);
    QTest::newRow("write slave names")
        << uint(JOB_WRITE_SLAVE_GATE_NAMES) << int(BlockId::SlaveGateNames);
    QTest::newRow("write vacuum") << uint(JOB_WRITE_VACUUM_SETTINGS)
                                  << int(BlockId::VacuumSettings);
    QTest::newRow("slave counters") << uint(JOB_READ_SLAVE_COUNTERS) << int(BlockId::SlaveCounters);
    QTest::newRow("vfd poll") << uint(JOB_POLL_VFD_STATUS) << int(BlockId::DriveStatus);
    QTest::newRow("slave version") << uint(JOB_READ_SLAVE_VERSION) << int(BlockId::SlaveVersion);
    QTest::newRow("test command") << uint(JOB_TEST_COMMAND) << -1;
    QTest::newRow("reset") << uint(JOB_RESET_UNIT) << -1;
    QTest::newRow("firmware chunk") << uint(JOB_WRITE_FIRMWARE_CHUNK) << -1;
    QTest::newRow("no job") << 0u << -1;
    QTest::newRow("unused bit") << (1u << 21) << -1;
    QTest::newRow("two bits") << uint(JOB_READ_GATE_SETTINGS | JOB_READ_GATE_NAMES) << -1;
}

void TestBlockTable::jobFindsItsBlock() {
    QFETCH(uint, job);
    QFETCH(int, id);

    const BlockSpec* block = BlockForJob(job);
    if (id < 0) {
        QVERIFY(block == nullptr);
        return;
    }
    QVERIFY(block != nullptr);
    QCOMPARE(int(block->id), id);
}

void TestBlockTable::writeJobsCarryTheirLogTexts_data() {
    QTest::addColumn<uint>("job");
    QTest::addColumn<QString>("writing");
    QTest::addColumn<QString>("checking");

    QTest::newRow("gate settings") << uint(JOB_WRITE_GATE_SETTINGS) << "Writing gate settings..."
                                   << "Checking gate settings...OK";
    QTest::newRow("slave gate settings")
        << uint(JOB_WRITE_SLAVE_GATE_SETTINGS) << "Writing slave gate settings..."
        << "Checking slave gate settings...OK";
    QTest::newRow("gate names") << uint(JOB_WRITE_GATE_NAMES) << "Writing gate names..."
                                << "Checking gate names...OK";
    QTest::newRow("slave gate names")
        << uint(JOB_WRITE_SLAVE_GATE_NAMES) << "Writing slave gate names..."
        << "Checking slave gate names...OK";
    QTest::newRow("system settings")
        << uint(JOB_WRITE_SYSTEM_SETTINGS) << "Writing system settings..."
        << "Checking system settings...OK";
    QTest::newRow("vacuum settings")
        << uint(JOB_WRITE_VACUUM_SETTINGS) << "Writing Vacuum settings..."
        << "Checking Vacuum settings...OK";
}

void TestBlockTable::writeJobsCarryTheirLogTexts() {
    QFETCH(uint, job);
    QFETCH(QString, writing);
    QFETCH(QString, checking);

    const WriteJobLog* log = WriteJobLogFor(job);
    QVERIFY(log != nullptr);
    QCOMPARE(QString(log->writing), writing);
    QCOMPARE(QString(log->checking), checking);
    // Every write job belongs to exactly the block it writes.
    QVERIFY(BlockForJob(job) != nullptr);
    QCOMPARE(BlockForJob(job)->writeJob, job);
    QVERIFY(WriteJobLogFor(BlockForJob(job)->readJob) == nullptr);
}

void TestBlockTable::jobBitsAreDistinct() {
    uint32_t seen = 0;
    for (const BlockSpec& block : kBlocks) {
        for (const uint32_t job : {block.readJob, block.writeJob}) {
            if (job == 0)
                continue;
            QVERIFY2((seen & job) == 0, block.name);
            seen |= job;
        }
    }
    for (const uint32_t job : {JOB_TEST_COMMAND, JOB_WRITE_FIRMWARE_CHUNK, JOB_RESET_UNIT}) {
        QVERIFY((seen & job) == 0);
        seen |= job;
    }
    // Bits 21 to 23 and 26 to 30 stay unused.
    QCOMPARE(seen, 0x831FFFFFu);
}

VT12_TEST(TestBlockTable, TestApplication::Core)
#include "tst_block_table.moc"
