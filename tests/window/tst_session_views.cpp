// The window's views of the session: what the handlers' decisions look like on the controls.

#include "tests/support/offline_window.h"
#include "tests/support/register_replies.h"
#include "tests/support/test_registry.h"
#include "window/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {
bool shown(const QWidget* widget) {
    return !widget->isHidden();
}
} // namespace

class TestSessionViews : public QObject {
    Q_OBJECT
    OfflineWindow offline;

    ControllerSession& session() { return offline.Session(); }
    MainWindowUi& ui() { return offline.Ui(); }

    void identify(const char* text) {
        session().OnFirmwareInfo(ControllerSession::FirmwarePart::First, replyOf(textReply(text)));
    }

    void setInstallation(uint8_t mode) {
        Bytes system(28, 0);
        system[20] = mode;
        session().OnSettingsRead(BlockId::SystemSettings, replyOf(system));
    }

private Q_SLOTS:
    void init() { offline.Open(false); }
    void cleanup() { offline.Close(); }

    void featureLevel_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("activeAfterStart");
        QTest::addColumn<bool>("vacuumError");
        QTest::addColumn<bool>("pressureFromVfd");
        QTest::newRow("F05A") << QByteArray("VT12F05A") << "Firmware Version: F05A" << true << true
                              << true;
        QTest::newRow("F04A") << QByteArray("VT12F04A") << "Firmware Version: F04A" << true << true
                              << false;
        QTest::newRow("unknown") << QByteArray("hello") << "Firmware Version: ----" << false
                                 << false << false;
    }
    void featureLevel() {
        QFETCH(QByteArray, text);
        QFETCH(QString, caption);
        QFETCH(bool, activeAfterStart);
        QFETCH(bool, vacuumError);
        QFETCH(bool, pressureFromVfd);
        identify(text.constData());
        QCOMPARE(ui().lFwVersion->text(), caption);
        QCOMPARE(ui().mFwData->toPlainText(), QString::fromLatin1(text));
        QCOMPARE(shown(ui().pActiveAfterStart), activeAfterStart);
        QCOMPARE(shown(ui().pVacuumError), vacuumError);
        QCOMPARE(shown(ui().cbKeepLastUsedOpen), vacuumError);
        QCOMPARE(shown(ui().cbPressureFromVFD), pressureFromVfd);
        QCOMPARE(shown(ui().rbVFD_OnPort2), pressureFromVfd);
        QCOMPARE(shown(ui().lSingleWithVFDonRS485), pressureFromVfd);
    }

    void bootloaderBannerAndLink() {
        identify("VT12B03C");
        QVERIFY(shown(ui().lBootloaderCommunication));
        QVERIFY(!ui().bSave->isEnabled());
        identify("VT12B03C");
        QVERIFY(shown(ui().lBootloaderCommunication));
        identify("VT12F05A");
        QVERIFY(!shown(ui().lBootloaderCommunication));
        QVERIFY(ui().bSave->isEnabled());
        QVERIFY(ui().pVTDetected->text().startsWith(QStringLiteral("Detected on COM")));
    }

    void hardwareVersion() {
        identify("VT12F05A");
        Bytes status(32, 0);
        status[25] = 5;
        session().OnStatusPoll(replyOf(status));
        QCOMPARE(ui().lHwVersion->text(), QStringLiteral("Hardware Version: H05"));
        QVERIFY(ui().pcAdvanced->isTabVisible(ui().pcAdvanced->indexOf(ui().tsVacuum)));
        QVERIFY(shown(ui().pCurrentInputValue));
        QVERIFY(!shown(ui().pCurrentInputValueS));
    }

    // A disabled button keeps the disabled look, whatever the save state says.
    void saveButtonsWhileLinkIsDown_data() {
        QTest::addColumn<bool>("unsaved");
        QTest::newRow("unsaved") << true;
        QTest::newRow("saved") << false;
    }
    void saveButtonsWhileLinkIsDown() {
        QFETCH(bool, unsaved);
        session().SetLinkState(false);
        ui().bSave2->setEnabled(false);
        session().Images().SystemSettings.Edited.SetFanOnDelay(unsaved ? 30 : 0);
        session().ShowSaveState();
        const QColor red(255, 0, 0);
        for (QPushButton* button : {ui().bSave, ui().bSave2}) {
            QVERIFY(!button->isEnabled());
            const QPalette normal = QApplication::palette(button);
            QCOMPARE(button->palette().color(QPalette::Disabled, QPalette::ButtonText),
                     normal.color(QPalette::Disabled, QPalette::ButtonText));
            QCOMPARE(button->palette().color(QPalette::Active, QPalette::ButtonText),
                     unsaved ? red : normal.color(QPalette::Active, QPalette::ButtonText));
            QCOMPARE(button->font().bold(), unsaved);
        }
    }

    void slaveLostAndRegained() {
        setInstallation(2);
        Bytes status(32, 0);
        status[15] = 14;
        session().OnStatusPoll(replyOf(status));
        QVERIFY(shown(ui().lSlaveIsNotConnected));
        QCOMPARE(ui().lSlaveFirmwareVersion->text(), QStringLiteral("Slave is not connected!"));
        QCOMPARE(offline.Window().Gates[12]->PictureKind(), uint8_t(0));
        status[15] = 15;
        session().OnStatusPoll(replyOf(status));
        QVERIFY(!shown(ui().lSlaveIsNotConnected));
        session().OnSlaveVersion(replyOf(textReply("VT12F05A", 8)));
        QCOMPARE(ui().lSlaveFirmwareVersion->text(),
                 QStringLiteral("Slave Firmware Version: VT12F05A"));
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
        offline.Window().SetExpertMode(expert);
        setInstallation(uint8_t(mode));
        Bytes counters(64, 0);
        std::fill_n(counters.begin() + 8, 4, 0xFF);
        session().OnCounters(CounterMemo::Master, replyOf(counters));
        const QStringList text = ui().mCtcs->toPlainText().split(u'\n');
        QCOMPARE(text.size(), lines);
        QCOMPARE(text[2], third);
        QCOMPARE(ui().mCtcs->textCursor().position(), 0);
    }
};

VT12_TEST(TestSessionViews, TestApplication::Window)
#include "tst_session_views.moc"
