// A unit with a Torvex drive seen through the window: the VFD STATUS box and the vacuum panel
// fill from the polls, and follow the drive as it trips and as the unit loses its line to it.

#include "tests/e2e/window_session.h"
#include "tests/support/test_registry.h"
#include "widgets/led_bits.h"

#include <QMouseEvent>

namespace {
// A toggled drive shows within a few polls.
constexpr int kPollTimeoutMs = 3000;

void Click(QWidget* label) {
    const QPointF centre = QRectF(label->rect()).center();
    QMouseEvent press(QEvent::MouseButtonPress, centre, label->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, label->mapToGlobal(centre),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(label, &press);
    QApplication::sendEvent(label, &release);
}
} // namespace

class TestDrivePanel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void driveBoxFollowsTheDrive() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(2, {"--drive"}));
        session.StorePort(2);
        TfVT12SetAppMain& window = session.Open();
        MainWindowUi& ui = window.ui;
        QTRY_VERIFY_WITH_TIMEOUT(!ui.pVFD_Status->isHidden(), kTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(ui.lVFD_StatusText->text(), QStringLiteral("STOP"), kTimeoutMs);
        QCOMPARE(ui.lVFD_Frequency->text(), QStringLiteral("0.0"));
        QCOMPARE(ui.lVfdBits_Enable->palette().color(QPalette::Window), QColor(0, 224, 0));
        // The stopped drive's fan pressure, the bottom of the range, is the duct vacuum.
        QTRY_COMPARE_WITH_TIMEOUT(ui.lCurrentInputValue->text(), QStringLiteral("0"), kTimeoutMs);
        QCOMPARE(ui.lCurrInpLabel->text(), QStringLiteral("Duct Vacuum"));
        QCOMPARE(ui.lCurrentInputUnits->text(), QStringLiteral("Pa"));

        Click(ui.lMoreAboutVFD);
        QVERIFY(!ui.pMoreAboutVfd->isHidden());
        QTRY_COMPARE_WITH_TIMEOUT(ui.lVfdMaxFrequency->text(), QStringLiteral("50.0 Hz "),
                                  kPollTimeoutMs);
        Click(ui.lVfdMaxFrequency);
        QVERIFY(!ui.pRawVfdData->isHidden());
        QVERIFY(ui.lRawVfdData->text().startsWith(QStringLiteral("0001 01F4 0000")));
        QCOMPARE(ui.lbSW->LedBitsValue(), 0x1231u);

        sim.Signal(SIGRTMIN + 3);
        QTRY_COMPARE_WITH_TIMEOUT(ui.lVFD_StatusText->text(), QStringLiteral("VFD ERROR"),
                                  kPollTimeoutMs);
        QCOMPARE(ui.lbSW->LedBitsValue(), 0x1278u);
        sim.Signal(SIGRTMIN + 4);
        QTRY_COMPARE_WITH_TIMEOUT(ui.lVFD_StatusText->text(), QStringLiteral("Comm. Error"),
                                  kPollTimeoutMs);
        QCOMPARE(ui.lVFD_Frequency->text(), QStringLiteral("???"));
        QCOMPARE(ui.lVfdMaxFrequency->text(), QStringLiteral("???"));

        Click(ui.lMoreAboutVFD);
        QVERIFY(ui.pMoreAboutVfd->isHidden());
        QVERIFY(ui.pRawVfdData->isHidden());
    }
};

VT12_TEST(TestDrivePanel, TestApplication::Window)
#include "tst_drive_panel.moc"
