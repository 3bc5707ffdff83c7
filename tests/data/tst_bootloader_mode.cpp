#include "data/bootloader_mode.h"

#include "tests/support/test_registry.h"

#include <QTest>

class TestBootloaderMode : public QObject {
    Q_OBJECT

private slots:
    void transition_data();
    void transition();
};

void TestBootloaderMode::transition_data() {
    QTest::addColumn<bool>("wasOn");
    QTest::addColumn<bool>("on");
    QTest::addColumn<uint>("maskBefore");
    QTest::addColumn<bool>("banner");
    QTest::addColumn<bool>("entered");
    QTest::addColumn<bool>("left");
    QTest::addColumn<uint>("maskAfter");

    const uint reload = kFullReloadJobs;
    const uint info = JOB_READ_FIRMWARE_INFO;
    const uint chunk = JOB_WRITE_FIRMWARE_CHUNK;
    QTest::newRow("entering drops all but the upload")
        << false << true << (reload | chunk | JOB_RESET_UNIT) << true << true << false
        << (info | chunk);
    QTest::newRow("entering with nothing pending")
        << false << true << 0u << true << true << false << info;
    QTest::newRow("staying on") << true << true << info << true << false << false << info;
    QTest::newRow("staying on during an upload")
        << true << true << (chunk | JOB_POLL_STATUS) << true << false << false << (info | chunk);
    QTest::newRow("leaving reloads everything")
        << true << false << info << false << false << true << reload;
    QTest::newRow("staying off keeps the jobs")
        << false << false << uint(JOB_READ_COUNTERS | JOB_TEST_COMMAND) << false << false << false
        << uint(JOB_READ_COUNTERS | JOB_TEST_COMMAND);
}

void TestBootloaderMode::transition() {
    QFETCH(bool, wasOn);
    QFETCH(bool, on);
    QFETCH(uint, maskBefore);
    QFETCH(bool, banner);
    QFETCH(bool, entered);
    QFETCH(bool, left);
    QFETCH(uint, maskAfter);

    BootloaderMode mode;
    mode.Set(wasOn, 0);
    const BootloaderTransition t = mode.Set(on, maskBefore);
    QCOMPARE(t.bannerVisible, banner);
    QCOMPARE(t.entered, entered);
    QCOMPARE(t.left, left);
    QCOMPARE(uint(t.jobMask), maskAfter);
    QCOMPARE(mode.IsOn(), on);
}

VT12_TEST(TestBootloaderMode, TestApplication::Core)
#include "tst_bootloader_mode.moc"
