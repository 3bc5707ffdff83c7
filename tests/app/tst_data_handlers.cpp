// The window's answer handlers, driven directly with reply data: identification and
// bootloader mode, feature levels, verification, the slave unit's connection and counters.

#include "app/main_window.h"
#include "tests/support/window_test_main.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {
using Bytes = std::vector<uint8_t>;

Bytes textReply(const QByteArray& text, int size = 248) {
    Bytes bytes(size_t(size), 0);
    std::copy(text.begin(), text.end(), bytes.begin());
    return bytes;
}

RegisterData replyOf(const Bytes& bytes) {
    return {bytes.data(), int(bytes.size())};
}

Bytes statusReply(uint8_t slaveLink, uint8_t hardware = 4) {
    Bytes bytes(32, 0);
    bytes[15] = slaveLink;
    bytes[25] = hardware;
    return bytes;
}

bool shown(const QWidget* widget) {
    return !widget->isHidden();
}
} // namespace

class TestDataHandlers : public QObject {
    Q_OBJECT
    QTemporaryDir programDir;
    std::unique_ptr<TfVT12SetAppMain> window;

    void identify(const char* text) {
        window->OnFirmwareInfo(TfVT12SetAppMain::FirmwarePart::First, replyOf(textReply(text)));
    }

private Q_SLOTS:
    void init() {
        qputenv("VT12_PROGRAM_DIR", programDir.path().toUtf8());
        window = std::make_unique<TfVT12SetAppMain>(QStringList{});
    }
    void cleanup() { window.reset(); }

    void featuresFollowTheFirmwareCode_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("activeAfterStart");
        QTest::addColumn<bool>("vacuumError");
        QTest::addColumn<bool>("pressureFromVfd");
        QTest::addColumn<bool>("bootloaderRead");
        QTest::newRow("F05A") << QByteArray("VT12F05A Vantor") << "Firmware Version: F05A" << true
                              << true << true << true;
        QTest::newRow("F04A") << QByteArray("VT12F04A") << "Firmware Version: F04A" << true << true
                              << false << true;
        QTest::newRow("F03K") << QByteArray("VT12F03K") << "Firmware Version: F03K" << true << false
                              << false << true;
        QTest::newRow("F03G") << QByteArray("VT12F03G") << "Firmware Version: F03G" << true << false
                              << false << false;
        QTest::newRow("old text") << QByteArray("Vantor 12  Firmware Version: 1.23 (c)")
                                  << "Firmware Version:  123" << false << false << false << false;
        QTest::newRow("unknown") << QByteArray("hello") << "Firmware Version: ----" << false
                                 << false << false << false;
    }
    void featuresFollowTheFirmwareCode() {
        QFETCH(QByteArray, text);
        QFETCH(QString, caption);
        QFETCH(bool, activeAfterStart);
        QFETCH(bool, vacuumError);
        QFETCH(bool, pressureFromVfd);
        QFETCH(bool, bootloaderRead);
        window->Scheduler().JobMask = kFullReloadJobs;
        identify(text.constData());
        QCOMPARE(window->ui.lFwVersion->text(), caption);
        QCOMPARE(shown(window->ui.pActiveAfterStart), activeAfterStart);
        QCOMPARE(shown(window->ui.pVacuumError), vacuumError);
        QCOMPARE(shown(window->ui.cbKeepLastUsedOpen), vacuumError);
        QCOMPARE(shown(window->ui.cbPressureFromVFD), pressureFromVfd);
        QCOMPARE(shown(window->ui.rbVFD_OnPort2), pressureFromVfd);
        QCOMPARE(window->Scheduler().HasJob(JOB_READ_BOOTLOADER_INFO), bootloaderRead);
        QVERIFY(!shown(window->ui.lBootloaderCommunication));
    }

    void bootloaderModeEnteredAndLeft() {
        window->SetLinkState(true);
        window->Scheduler().JobMask = kFullReloadJobs;
        window->Scheduler().CurrentJob = JOB_READ_FIRMWARE_INFO;
        identify("VT12B03C");
        QVERIFY(shown(window->ui.lBootloaderCommunication));
        QCOMPARE(window->Scheduler().JobMask, JOB_READ_FIRMWARE_INFO);
        QCOMPARE(window->Scheduler().CurrentJob, 0u);
        QVERIFY(window->LinkUp);
        QVERIFY(!window->ui.bSave->isEnabled());

        identify("VT12B03C");
        QVERIFY(shown(window->ui.lBootloaderCommunication));
        QCOMPARE(window->Scheduler().JobMask, JOB_READ_FIRMWARE_INFO);

        identify("VT12F05A");
        QVERIFY(!shown(window->ui.lBootloaderCommunication));
        QCOMPARE(window->Scheduler().JobMask, kFullReloadJobs);
        QVERIFY(window->LinkUp);
        QVERIFY(window->ui.bSave->isEnabled());
    }

    void hardwareVersion_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("reported");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("pressure");
        QTest::newRow("F02Z takes 2")
            << QByteArray("VT12F02Z") << 5 << "Hardware Version: H02" << false;
        QTest::newRow("F05A with 5")
            << QByteArray("VT12F05A") << 5 << "Hardware Version: H05" << true;
        QTest::newRow("F05A with 3")
            << QByteArray("VT12F05A") << 3 << "Hardware Version: H03" << false;
    }
    void hardwareVersion() {
        QFETCH(QByteArray, text);
        QFETCH(int, reported);
        QFETCH(QString, caption);
        QFETCH(bool, pressure);
        identify(text.constData());
        window->OnStatusPoll(replyOf(statusReply(0, uint8_t(reported))));
        QCOMPARE(window->ui.lHwVersion->text(), caption);
        QCOMPARE(window->ui.pcAdvanced->isTabVisible(
                     window->ui.pcAdvanced->indexOf(window->ui.tsVacuum)),
                 pressure);
        QCOMPARE(shown(window->ui.pCurrentInputValue), pressure);
    }

    void verifyingRead_data() {
        QTest::addColumn<bool>("same");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("progress");
        QTest::addColumn<bool>("unsaved");
        QTest::newRow("equal") << true << "Verifying...OK" << 1 << false;
        QTest::newRow("stored differently") << false << "Verifying...FALSE!" << 0 << true;
    }
    void verifyingRead() {
        QFETCH(bool, same);
        QFETCH(QString, line);
        QFETCH(int, progress);
        QFETCH(bool, unsaved);
        window->Images.SystemSettings.Edited.SetFanOnDelay(30);
        Bytes reply(WireView(window->Images.SystemSettings.Edited).begin(),
                    WireView(window->Images.SystemSettings.Edited).end());
        if (!same)
            reply[15] ^= 1;
        window->Scheduler().VerifyLog = true;
        window->ui.mKomSts->appendPlainText("Writing system settings...OK");
        window->ui.mKomSts->appendPlainText("Verifying...");
        window->OnSettingsRead(BlockId::SystemSettings, replyOf(reply));
        QCOMPARE(window->ui.mKomSts->toPlainText().split(u'\n').last(), line);
        QCOMPARE(window->ui.pbKomSts->value(), progress);
        QCOMPARE(window->ui.bSave->font().bold(), unsaved);
        QCOMPARE(window->ui.bSave2->font().bold(), unsaved);
        QCOMPARE(window->Images.SystemSettings.Edited.FanOnDelay(), uint16_t(30));
    }

    void slaveLostAndRegained() {
        window->InstallationMode = 2;
        window->Images.SlaveGateSettings.Edited.Gates[0].SetEnabled(1);
        window->Scheduler().JobMask = 0;
        window->OnStatusPoll(replyOf(statusReply(14)));
        QVERIFY(shown(window->ui.lSlaveIsNotConnected));
        QCOMPARE(window->ui.lSlaveFirmwareVersion->text(),
                 QStringLiteral("Slave is not connected!"));
        QCOMPARE(window->Images.SlaveGateSettings.Edited.Gates[0].Enabled(), uint8_t(0));
        QCOMPARE(window->Gates[12]->PictureKind(), uint8_t(0));

        window->OnStatusPoll(replyOf(statusReply(15)));
        QVERIFY(!shown(window->ui.lSlaveIsNotConnected));
        const uint32_t slaveReads = JOB_READ_SLAVE_VERSION | JOB_POLL_SLAVE_STATUS |
                                    JOB_READ_SLAVE_GATE_SETTINGS | JOB_READ_SLAVE_GATE_NAMES;
        QCOMPARE(window->Scheduler().JobMask, slaveReads);

        window->OnSlaveVersion(replyOf(textReply("VT12F05A", 8)));
        QCOMPARE(window->ui.lSlaveFirmwareVersion->text(),
                 QStringLiteral("Slave Firmware Version: VT12F05A"));
        QCOMPARE(window->Features.SlaveCode().Text(), QStringLiteral("F05A"));
    }

    void driveInstallationHasNoSlave() {
        window->InstallationMode = 3;
        window->OnStatusPoll(replyOf(statusReply(30)));
        QVERIFY(!window->SlaveConnected);
        QVERIFY(!shown(window->ui.lSlaveIsNotConnected));
        window->OnSlaveVersion(replyOf(textReply("VT12F05A", 8)));
        QCOMPARE(window->Features.SlaveCode().Text(), QStringLiteral("    "));
    }

    void counterMemos_data() {
        QTest::addColumn<bool>("expert");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("third");
        QTest::newRow("single unit") << false << 0 << 14 << "#.  3:\t   4294967295";
        QTest::newRow("expert master") << true << 2 << 17 << "#. M3:\t   4294967295";
    }
    void counterMemos() {
        QFETCH(bool, expert);
        QFETCH(int, mode);
        QFETCH(int, lines);
        QFETCH(QString, third);
        window->SetExpertMode(expert);
        window->InstallationMode = mode;
        Bytes counters(64, 0);
        std::fill_n(counters.begin() + 8, 4, 0xFF);
        window->OnCounters(CounterMemo::Master, replyOf(counters));
        const QStringList text = window->ui.mCtcs->toPlainText().split(u'\n');
        QCOMPARE(text.size(), lines);
        QCOMPARE(text[2], third);
        QCOMPARE(window->ui.mCtcs->textCursor().position(), 0);
    }
};

VT12_WINDOW_TEST_MAIN(TestDataHandlers)
#include "tst_data_handlers.moc"
