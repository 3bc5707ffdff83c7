// Test mode against the simulator: the gate buttons and the fan controls go out in the test
// command, and the simulator's gates and fan come back on the STATUS && TEST page.

#include "tests/e2e/window_session.h"
#include "tests/support/test_registry.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace {

QPushButton* FrameButton(TfVT12SetAppMain& window, int gate) {
    return window.Gates[size_t(gate)]->findChild<QPushButton*>(QStringLiteral("bTlacitko"));
}

// The three words of the last test command sent, as hex text: "F005 9900 0000".
QString LastTestCommand(const TraceFile& trace) {
    QString last;
    for (const QString& frame : trace.Events(QStringLiteral("TX"))) {
        const QStringList b = frame.split(u' ');
        if (b.size() >= 8 && b[1] == QLatin1String("65"))
            last = (b[2] + b[3] + u' ' + b[4] + b[5] + u' ' + b[6] + b[7]).toUpper();
    }
    return last;
}
} // namespace

class TestTestModeOverPty : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void buttonsAndFanDriveTheController() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(2));
        session.StorePort(2);
        TfVT12SetAppMain& window = session.Open();
        QTRY_VERIFY_WITH_TIMEOUT(window.ui.bTestOn->isEnabled() &&
                                     FrameButton(window, 0)->text() == QLatin1String("1") &&
                                     window.Session().Scheduler().AnswerCount() >= 12,
                                 kTimeoutMs);
        const uint8_t closed = window.Gates[0]->PictureKind();
        window.ui.bTestOn->click();
        FrameButton(window, 0)->click();
        FrameButton(window, 2)->click();
        window.ui.bFanRun->click();
        window.ui.tbPower->setValue(20);
        QCOMPARE(window.ui.eFanPwr->text(), QStringLiteral("60"));
        QTRY_COMPARE_WITH_TIMEOUT(window.ui.lVsdPowerProc->text(), QStringLiteral("60%"),
                                  kTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(window.Gates[0]->PictureKind() != closed, kTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(window.Gates[2]->PictureKind() != closed, kTimeoutMs);
        QCOMPARE(window.Gates[1]->PictureKind(), closed);
        QCOMPARE(LastTestCommand(session.CloseAndReadTrace()), QStringLiteral("F005 9900 0000"));
    }
};

VT12_TEST(TestTestModeOverPty, TestApplication::Window)
#include "tst_test_mode_over_pty.moc"
