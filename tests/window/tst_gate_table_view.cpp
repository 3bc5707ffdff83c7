// The gate table on the SETUP page: typing, toggling and what follows around the table.

#include "tests/support/gate_grid_input.h"
#include "tests/support/offline_window.h"
#include "tests/support/test_registry.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTimer>

class TestGateTableView : public QObject {
    Q_OBJECT
    OfflineWindow offline;

    MainWindowUi& ui() { return offline.Ui(); }
    GateRecord& gate(int i) {
        return offline.Session().Images().GateSettings.Edited.Gates[size_t(i)];
    }
    QModelIndex cell(int row, int column) { return ui().gData->model()->index(row, column); }

    void type(int row, int column, const QString& text) {
        QVERIFY(TypeIntoCell(*ui().gData, row, column, text));
    }

    void click(int row, int column) {
        const QPoint at = ui().gData->visualRect(cell(row, column)).center();
        QTest::mouseClick(ui().gData->viewport(), Qt::LeftButton, {}, at);
    }

    void showGates() { offline.Session().ShowGateTables(); }

private Q_SLOTS:
    void init() {
        offline.Open();
        offline.Session().SetLinkState(false);
        offline.Session().SetLinkState(true);
        ui().cbSmartMinimumAiflowEnabled->setChecked(false);
        for (int i = 0; i < kGatesPerUnit; ++i)
            gate(i).SetEnabled(1);
        showGates();
    }
    void cleanup() { offline.Close(); }

    void typedCellsAreStoredWhenTheEditorCloses_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("stored");
        QTest::newRow("on delay below the least") << int(ColDelayOn) << "0.05"
                                                  << "0.1" << 10;
        QTest::newRow("on delay above the most") << int(ColDelayOn) << "600"
                                                 << "500.0" << 50000;
        QTest::newRow("no number keeps the value") << int(ColGate1) << "abc"
                                                   << "4" << 4;
        QTest::newRow("name cut to 20") << int(ColName) << "Dust collector number 7"
                                        << "Dust collector numbe" << -1;
    }
    void typedCellsAreStoredWhenTheEditorCloses() {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, stored);
        gate(0).SetDiameter1(4);
        showGates();
        QSignalSpy saveState(&offline.Session(), &ControllerSession::EditsCompared);
        type(0, column, typed);
        QCOMPARE(cell(0, column).data().toString(), shown);
        if (column == ColDelayOn)
            QCOMPARE(int(gate(0).OnDelay()), stored);
        if (column == ColName)
            QCOMPARE(offline.Session().Images().GateNames.Edited.Names[0].Name(), shown);
        QVERIFY(!saveState.isEmpty());
    }

    void tooLargeDiametersRaiseTheMaximumCurrent() {
        offline.Session().Images().SystemSettings.Edited.SetMaxCurrent(96);
        gate(0).SetDiameter2(4);
        showGates();
        ui().cbAdvancedSettings->setChecked(false);
        type(0, ColGate1, QStringLiteral("4"));
        QVERIFY(!ui().pMaxCurrentInfo->isHidden());
        // The notice is on the Additional Settings panel, which opens to show it.
        QVERIFY(ui().cbAdvancedSettings->isChecked());
        QVERIFY(!ui().pAdvanced->isHidden());
        QCOMPARE(ui().pcAdvanced->currentWidget(), ui().TabSheet2);
        QCOMPARE(ui().eMaxCurrent->text(), QStringLiteral("926"));
        QVERIFY(offline.Session().Images().SystemSettings.Edited.MaxCurrent() > 96);
        QCOMPARE(int(gate(0).SizeFactor()), 507);
        QCOMPARE(ui().tMaxCurrectCorrection->interval(), 5000);
        ui().tMaxCurrectCorrection->start(0);
        QTRY_VERIFY(ui().pMaxCurrentInfo->isHidden());
        QVERIFY(!ui().tMaxCurrectCorrection->isActive());
    }

    void onlyAReleaseOverTheCurrentCellToggles() {
        click(2, ColEnable);
        QCOMPARE(int(gate(2).Enabled()), 0);
        // Columns 3 on of a gate not in use cannot become current, so they never toggle.
        click(2, ColMinAirflow);
        QCOMPARE(int(gate(2).MinAirflow()), 0);
        QCOMPARE(ui().gData->currentIndex(), cell(2, ColEnable));
        QCOMPARE(ui().gData->columnSpan(2, ColDelayOn), ColAirVolume - ColDelayOn + 1);
        QTest::keyClick(ui().gData, Qt::Key_Space);
        QCOMPARE(int(gate(2).Enabled()), 1);
        QCOMPARE(ui().gData->columnSpan(2, ColDelayOn), 1);
    }

    void smartMinimumAirflowLocksTheManualSet() {
        gate(1).SetMinAirflow(1);
        showGates();
        QVERIFY(ui().gData->model()->flags(cell(1, ColMinAirflow)).testFlag(Qt::ItemIsEnabled));
        QVERIFY(ui().pManualMinAirflow->isVisible());
        ui().cbSmartMinimumAiflowEnabled->click();
        QVERIFY(!ui().gData->model()->flags(cell(1, ColMinAirflow)).testFlag(Qt::ItemIsEnabled));
        QVERIFY(!ui().pManualMinAirflow->isVisible());
        QVERIFY(offline.Session().Images().SystemSettings.Edited.SmartMinAirflow() & 0x80);
        // Its air volume follows the gate table's total at once.
        ui().eSmartMinAiflowPercent->setText(QStringLiteral("50"));
        type(0, ColGate1, QStringLiteral("12"));
        QCOMPARE(ui().lIniOpCfm->text(),
                 QString::number(offline.Session().GateTable().TotalAirVolume() / 2));
    }

    void airVelocityRecomputesTheVolumes() {
        for (int i = 1; i < kGatesPerUnit; ++i)
            gate(i).SetEnabled(0);
        gate(0).SetDiameter1(4);
        gate(0).SetDiameter2(4);
        showGates();
        QCOMPARE(cell(0, ColAirVolume).data().toString(), QStringLiteral("785"));
        ui().eIniAirVelocity->setText(QStringLiteral("2000"));
        QCOMPARE(cell(0, ColAirVolume).data().toString(), QStringLiteral("349"));
        QCOMPARE(ui().lTotalArea->text(), QStringLiteral("349"));
    }
};

VT12_TEST(TestGateTableView, TestApplication::Window)
#include "tst_gate_table_view.moc"
