// Test mode on STATUS && TEST: the controls feed the test request the scheduler sends.

#include "tests/support/offline_window.h"
#include "tests/support/test_registry.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

class TestTestModeView : public QObject {
    Q_OBJECT
    OfflineWindow offline;

    MainWindowUi& ui() { return offline.Ui(); }
    TestCommandWords command() { return offline.Session().TestRequest().TestCommand(); }
    QPushButton* frameButton(int gate) {
        return offline.Window().Gates[size_t(gate)]->findChild<QPushButton*>("bTlacitko");
    }

private Q_SLOTS:
    void init() {
        offline.Open();
        offline.Session().SetLinkState(false);
        offline.Session().SetLinkState(true);
        GateSettingsBlock& gates = offline.Session().Images().GateSettings.Edited;
        for (int i = 0; i < kGatesPerUnit; ++i)
            gates.Gates[size_t(i)].SetEnabled(i < 6 ? 1 : 0);
    }
    void cleanup() { offline.Close(); }

    void gatesAndFanReachTheCommand() {
        ui().bTestOn->click();
        QVERIFY(ui().bTestOn->isChecked());
        QVERIFY(!ui().lWarningVacuum->isHidden());
        QVERIFY(frameButton(0)->isEnabled());
        QVERIFY(!frameButton(6)->isEnabled());
        frameButton(0)->click();
        frameButton(2)->click();
        QCOMPARE(command().gates, uint16_t(0xF005));
        ui().bOpenAll->click();
        QCOMPARE(command().gates, uint16_t(0xF03F));
        QVERIFY(frameButton(5)->isChecked());

        QVERIFY(ui().pRpmCtrl->isHidden());
        ui().bFanRun->click();
        QVERIFY(!ui().pRpmCtrl->isHidden());
        QCOMPARE(ui().eFanPwr->text(), QStringLiteral("10"));
        ui().tbPower->setValue(20);
        QCOMPARE(ui().eFanPwr->text(), QStringLiteral("60"));
        ui().eFanPwr->clear();
        QTest::keyClicks(ui().eFanPwr, QStringLiteral("35"));
        QCOMPARE(ui().tbPower->value(), 33);
        QCOMPARE(ui().eFanPwr->text(), QStringLiteral("35"));
        ui().bFanStop->click();
        QCOMPARE(command().fan, uint16_t(0));
    }

    void linkDownEndsIt() {
        ui().bTestOn->click();
        ui().bFanRun->click();
        offline.Session().SetLinkState(false);
        QVERIFY(!offline.Session().TestMode());
        QVERIFY(ui().lWarningVacuum->isHidden());
        QVERIFY(ui().pRpmCtrl->isHidden());
        QVERIFY(!ui().bTestOff->isEnabled());
        QVERIFY(!frameButton(0)->isEnabled());
    }
};

VT12_TEST(TestTestModeView, TestApplication::Window)
#include "tst_test_mode_view.moc"
