// What the SERVICE page and the header show of the simulator's identity: a single unit, a
// MASTER with its SLAVE, and a unit with damaged firmware.

#include "tests/e2e/window_session.h"
#include "tests/support/test_registry.h"

#include <QPlainTextEdit>
#include <QPushButton>

class TestServicePage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void singleUnitIdentity() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(2, {"--pace"}));
        session.StorePort(2);
        TfVT12SetAppMain& window = session.Open();
        QTRY_VERIFY_WITH_TIMEOUT(window.Session().Scheduler().AnswerCount() >= 12, kTimeoutMs);
        QVERIFY(window.ui.mFwData->toPlainText().startsWith("VT12F05A"));
        const QString bootloader = window.ui.mFWBLData->toPlainText();
        QVERIFY2(bootloader.startsWith("Bootloader version: "), qPrintable(bootloader));
        QVERIFY2(bootloader.contains("Firmware Updated: "), qPrintable(bootloader));
        QCOMPARE(window.ui.lFwVersion->text(), QStringLiteral("Firmware Version: F05A"));
        QCOMPARE(window.ui.lHwVersion->text(), QStringLiteral("Hardware Version: H04"));
        QCOMPARE(window.ui.mCtcs->toPlainText().split(u'\n').size(), 14);
        QVERIFY(window.ui.lBootloaderCommunication->isHidden());
    }

    void masterShowsItsSlave() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(2, {"--master"}));
        session.StorePort(2);
        TfVT12SetAppMain& window = session.Open();
        QTRY_COMPARE_WITH_TIMEOUT(window.ui.lSlaveFirmwareVersion->text(),
                                  QStringLiteral("Slave Firmware Version: VT12F05A"), kTimeoutMs);
        QCOMPARE(window.Session().InstallationMode(), 2);
        QTRY_VERIFY_WITH_TIMEOUT(window.ui.mCtcs24->toPlainText().startsWith("#. S1:"), kTimeoutMs);
        QVERIFY(window.ui.mCtcs24->toPlainText() != window.ui.mCtcs->toPlainText());
    }

    void damagedFirmwareReadsOnlyItsIdentity() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(2, {"--firmware", "B03C"}));
        session.StorePort(2);
        TfVT12SetAppMain& window = session.Open();
        QTRY_VERIFY_WITH_TIMEOUT(!window.ui.lBootloaderCommunication->isHidden(), kTimeoutMs);
        QCOMPARE(window.ui.lBootloaderCommunication->text(),
                 QStringLiteral("FIRMWARE IS DAMAGED! PLEASE UPDATE FIRMWARE."));
        QVERIFY(!window.ui.bSave->isEnabled());
        QVERIFY(!window.ui.bReload->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(window.Session().Scheduler().AnswerCount() >= 5, kTimeoutMs);
        const QStringList requests = session.CloseAndReadTrace().Requests();
        QVERIFY(requests.size() >= 5);
        QCOMPARE(requests.filter("3:2048,124").size(), requests.size());
    }
};

VT12_TEST(TestServicePage, TestApplication::Window)
#include "tst_service_page.moc"
