// Choosing the installation on "RS485, MASTER/SLAVE MODE" and what it changes elsewhere.

#include "tests/support/offline_window.h"
#include "tests/support/test_registry.h"
#include "window/gate_grid.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class TestInstallationView : public QObject {
    Q_OBJECT
    OfflineWindow offline;

    MainWindowUi& ui() { return offline.Ui(); }
    int rows() { return ui().gData->model()->rowCount(); }

private Q_SLOTS:
    void init() {
        offline.Open();
        offline.Session().SetLinkState(false);
        offline.Session().SetLinkState(true);
    }
    void cleanup() { offline.Close(); }

    void masterAndBack() {
        QVERIFY(ui().pOther24->isHidden());
        QTest::mouseClick(ui().Label42, Qt::LeftButton);
        QVERIFY(ui().rbSlaveOnPort2->isChecked());
        QCOMPARE(offline.Session().InstallationMode(), 2);
        QCOMPARE(int(offline.Session().Images().SystemSettings.Edited.InstallationMode()), 2);
        QVERIFY(!ui().pOther24->isHidden());
        QVERIFY(!ui().pGateCurrent24->isHidden());
        QCOMPARE(ui().pGateCurrent->x(), 92);
        QCOMPARE(rows(), 24);
        QVERIFY(ui().bPageDn->isEnabled());
        QVERIFY(offline.Window().Gates[0]->IsMasterSlaveNumbering());
        QVERIFY(ui().bSave->font().bold());

        QTest::mouseClick(ui().lSingleLabel, Qt::LeftButton);
        QVERIFY(ui().rbSlaveOnPort0->isChecked());
        QVERIFY(ui().pOther24->isHidden());
        QCOMPARE(ui().pGateCurrent->x(), 140);
        QCOMPARE(rows(), 12);
        QVERIFY(!ui().bPageDn->isEnabled());
    }

    void slaveOnTheSerialPortTakesRowsButNoColumn() {
        Q_EMIT offline.Session().UnitAnswered(true);
        QVERIFY(!ui().rbSlaveOnPort2->isEnabled());
        QCOMPARE(ui().rbSlaveOnPort2->palette().color(QPalette::Disabled, QPalette::WindowText),
                 QApplication::palette().color(QPalette::Disabled, QPalette::WindowText));
        ui().rbSlaveOnPort1->click();
        QCOMPARE(rows(), 24);
        QVERIFY(ui().pOther24->isHidden());
        QCOMPARE(ui().gData->model()->index(0, 0).data().toString(), QStringLiteral("1"));
    }
};

VT12_TEST(TestInstallationView, TestApplication::Window)
#include "tst_installation_view.moc"
