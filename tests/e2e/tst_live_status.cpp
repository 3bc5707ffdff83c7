// The living simulator seen through the window: status polls reach the STATUS && TEST page,
// the gate table shows the gate settings and names read, and an edit marks the settings unsaved.

#include "tests/e2e/window_session.h"
#include "tests/support/gate_grid_input.h"
#include "tests/support/test_registry.h"

#include <QPushButton>
#include <QTimer>

namespace {
// The live schedule starts a machine within seconds, but not at once.
constexpr int kPlantTimeoutMs = 40000;

QString Cell(const TfVT12SetAppMain& window, int row, int column) {
    const QAbstractItemModel* cells = window.ui.gData->model();
    return cells->data(cells->index(row, column)).toString();
}

QString FrameName(const TfVT12SetAppMain& window, int gate) {
    return window.Gates[size_t(gate)]->findChild<QLabel*>(QStringLiteral("lGateName"))->text();
}
} // namespace

class TestLiveStatus : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void singleUnitLives() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(2, {"--live", "--seed", "2", "--security-alarm"}));
        session.StorePort(2);
        TfVT12SetAppMain& window = session.Open();
        QTRY_COMPARE_WITH_TIMEOUT(Cell(window, 0, ColName), QStringLiteral("Saw 1"), kTimeoutMs);
        QCOMPARE(FrameName(window, 0), QStringLiteral("Saw 1"));
        QCOMPARE(Cell(window, 0, ColGate1), QStringLiteral("6"));
        // Gate 12 is not in use.
        QCOMPARE(window.ui.gData->columnSpan(11, ColDelayOn), ColAirVolume - ColDelayOn + 1);
        QTRY_VERIFY_WITH_TIMEOUT(window.ui.tSecurityBlinkTimer->isActive(), kTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(window.ui.lActiveSns->text().toInt() > 0, kPlantTimeoutMs);

        QVERIFY(!window.ui.bSave->font().bold());
        QVERIFY(TypeIntoCell(*window.ui.gData, 0, ColGate1, QStringLiteral("7")));
        QCOMPARE(window.Session().Images().GateSettings.Edited.Gates[0].Diameter1(), 7);
        QVERIFY(window.ui.bSave->font().bold());
        QVERIFY(window.ui.bSave2->font().bold());
    }

    void masterTableHoldsTheSlaveRows() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(2, {"--master"}));
        session.StorePort(2);
        TfVT12SetAppMain& window = session.Open();
        QTRY_COMPARE_WITH_TIMEOUT(Cell(window, 12, ColName), QStringLiteral("CNC Router"),
                                  kTimeoutMs);
        QCOMPARE(window.ui.gData->model()->rowCount(), 24);
        QCOMPARE(Cell(window, 0, ColNumber), QStringLiteral("M1"));
        QCOMPARE(Cell(window, 12, ColNumber), QStringLiteral("S1"));
        QCOMPARE(FrameName(window, 12), QStringLiteral("CNC Router"));
        QVERIFY(!window.ui.pOther24->isHidden());
        QVERIFY(window.ui.bPageDn->isEnabled());
        window.ui.bPageDn->click();
        QCOMPARE(window.ui.gData->currentIndex().row(), 23);
    }
};

VT12_TEST(TestLiveStatus, TestApplication::Window)
#include "tst_live_status.moc"
