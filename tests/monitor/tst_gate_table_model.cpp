#include "monitor/gate_table_model.h"

#include "tests/support/test_registry.h"

#include <QTest>

Q_DECLARE_METATYPE(CheckBoxPicture)
Q_DECLARE_METATYPE(CellBackground)

namespace {

struct Table {
    ControllerImages images;
    FeatureLevels features;
    GateTableModel model{images, features};

    explicit Table(const char* master = "F05A", const char* slave = "    ", int mode = 0) {
        features.SetMasterCode(FirmwareCode::FromText(QString::fromLatin1(master)));
        features.SetSlaveCode(FirmwareCode::FromText(QString::fromLatin1(slave)));
        model.SetInstallationMode(mode);
    }
    GateRecord& Gate(int row) {
        GateSettingsBlock& block =
            row < 12 ? images.GateSettings.Edited : images.SlaveGateSettings.Edited;
        return block.Gates[size_t(row % 12)];
    }
    void Use(int row, int d1, int d2, int d3, int compensation) {
        GateRecord& gate = Gate(row);
        gate.SetEnabled(1);
        gate.SetDiameter1(uint8_t(d1));
        gate.SetDiameter2(uint8_t(d2));
        gate.SetDiameter3(uint8_t(d3));
        gate.SetCompensation(uint8_t(compensation));
    }
    void ShowAll() {
        model.ShowGateSettings(Unit::Master, false);
        model.ShowGateSettings(Unit::Slave, false);
        model.ShowGateNames(Unit::Master);
        model.ShowGateNames(Unit::Slave);
    }
};

} // namespace

class TestGateTableModel : public QObject {
    Q_OBJECT

private slots:
    void commitDelay_data();
    void commitDelay();
    void commitByteColumns_data();
    void commitByteColumns();
    void commitName_data();
    void commitName();
    void recalcGateRow_data();
    void recalcGateRow();
    void tooBigNamesTheLastRow();
    void diameterCorrectsMaxCurrent();
    void totals_data();
    void totals();
    void airVelocity_data();
    void airVelocity();
    void showGateSettings();
    void selection_data();
    void selection();
    void toggle();
    void cellLook_data();
    void cellLook();
    void smartMinimumAirflow();
    void rowsAndNumbers_data();
    void rowsAndNumbers();
};

void TestGateTableModel::commitDelay_data() {
    QTest::addColumn<QString>("master");
    QTest::addColumn<QString>("slave");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("shown");

    QTest::newRow("on: 0 is 0.1 s") << "F05A"
                                    << "    " << 0 << 4 << "0" << 10 << "0.1";
    QTest::newRow("on: 0.05 is 0.1 s") << "F05A"
                                       << "    " << 0 << 4 << "0.05" << 10 << "0.1";
    QTest::newRow("on: 600 is 500 s") << "F05A"
                                      << "    " << 0 << 4 << "600" << 50000 << "500.0";
    QTest::newRow("on: negative") << "F05A"
                                  << "    " << 0 << 4 << "-3" << 10 << "0.1";
    QTest::newRow("on: comma") << "F05A"
                               << "    " << 0 << 4 << " 2,5 s" << 250 << "2.5";
    QTest::newRow("on: no number keeps 0.5") << "F05A"
                                             << "    " << 0 << 4 << "abc" << 50 << "0.5";
    QTest::newRow("off F04A: 1000 s in tenths") << "F04A"
                                                << "    " << 0 << 5 << "1000" << 10000 << "1000.0";
    QTest::newRow("off F04A: 3600 s at most") << "F04A"
                                              << "    " << 0 << 5 << "4000" << 36000 << "3600.0";
    QTest::newRow("off F04A: 0.1 s at least") << "F04A"
                                              << "    " << 0 << 5 << "0" << 1 << "0.1";
    QTest::newRow("off F03K: 500 s in hundredths")
        << "F03K"
        << "    " << 0 << 5 << "1000" << 50000 << "500.0";
    QTest::newRow("off F03K: 0.1 s at least") << "F03K"
                                              << "    " << 0 << 5 << "0" << 10 << "0.1";
    QTest::newRow("off F03K: no number keeps 1.0") << "F03K"
                                                   << "    " << 0 << 5 << "" << 100 << "1.0";
    QTest::newRow("slave off: the slave's code counts")
        << "F03K"
        << "F04A" << 12 << 5 << "1000" << 10000 << "1000.0";
    QTest::newRow("slave off: old slave, new master")
        << "F05A"
        << "    " << 23 << 5 << "1000" << 50000 << "500.0";
}

void TestGateTableModel::commitDelay() {
    QFETCH(QString, master);
    QFETCH(QString, slave);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(int, stored);
    QFETCH(QString, shown);

    Table t(master.toLatin1().constData(), slave.toLatin1().constData(), 2);
    GateRecord& gate = t.Gate(row);
    t.Use(row, 0, 0, 0, 0);
    gate.SetOnDelay(50);
    const bool tenths = column == 5 && (row < 12 ? master : slave) >= u"F04A";
    gate.SetOffDelay(tenths ? 10 : 100);
    t.ShowAll();

    QVERIFY(t.model.Commit(row, column, typed).has_value());
    QCOMPARE(int(column == 4 ? gate.OnDelay() : gate.OffDelay()), stored);
    QCOMPARE(t.model.Text(row, column), shown);
}

void TestGateTableModel::commitByteColumns_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("shown");

    QTest::newRow("no number keeps 6") << 6 << "abc" << 6 << "6";
    QTest::newRow("diameter") << 7 << "12" << 12 << "12";
    QTest::newRow("diameter: integer part shown") << 8 << "6.7" << 6 << "6";
    QTest::newRow("diameter: above a byte") << 6 << "300" << 255 << "255";
    QTest::newRow("diameter: negative") << 7 << "-5" << 0 << "0";
    QTest::newRow("compensation") << 9 << "25" << 25 << "25";
    QTest::newRow("compensation: rounded to even") << 9 << "40.5" << 40 << "40";
    QTest::newRow("compensation: above a byte") << 9 << "300" << 255 << "255";
    QTest::newRow("compensation: negative") << 9 << "-10" << 0 << "0";
    QTest::newRow("compensation: no number keeps 20") << 9 << "x" << 20 << "20";
}

void TestGateTableModel::commitByteColumns() {
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(int, stored);
    QFETCH(QString, shown);

    Table t;
    t.Use(3, 6, 6, 6, 20);
    t.ShowAll();
    QVERIFY(t.model.Commit(3, column, typed).has_value());
    const GateRecord& gate = t.Gate(3);
    const uint8_t values[] = {gate.Diameter1(), gate.Diameter2(), gate.Diameter3(),
                              gate.Compensation()};
    QCOMPARE(int(values[column - 6]), stored);
    QCOMPARE(t.model.Text(3, column), shown);
}

void TestGateTableModel::commitName_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("stored");

    QTest::newRow("25 characters cut to 20")
        << 0 << "Workstation number 12345" + QString(u'6') << "Workstation number 1"
        << "Workstation number 1";
    QTest::newRow("20 characters kept") << 11 << "12345678901234567890"
                                        << "12345678901234567890"
                                        << "12345678901234567890";
    QTest::newRow("empty: the row's gate") << 4 << ""
                                           << ""
                                           << "Gate 5";
    QTest::newRow("empty slave row") << 12 << ""
                                     << ""
                                     << "Gate 13";
    QTest::newRow("last slave row") << 23 << ""
                                    << ""
                                    << "Gate 24";
    QTest::newRow("shorter name clears the rest") << 1 << "Saw"
                                                  << "Saw"
                                                  << "Saw";
}

void TestGateTableModel::commitName() {
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(QString, cell);
    QFETCH(QString, stored);

    Table t("F05A", "F05A", 2);
    GateNamesBlock& names = row < 12 ? t.images.GateNames.Edited : t.images.SlaveGateNames.Edited;
    names.Names[size_t(row % 12)].SetName(QStringLiteral("A long previous name"));
    t.ShowAll();
    QVERIFY(t.model.Commit(row, 1, typed).has_value());
    QCOMPARE(t.model.Text(row, 1), cell);
    QCOMPARE(names.Names[size_t(row % 12)].Name(), stored);
}

void TestGateTableModel::recalcGateRow_data() {
    QTest::addColumn<QList<int>>("diameters");
    QTest::addColumn<int>("compensation");
    QTest::addColumn<int>("extraArea");
    QTest::addColumn<QString>("airVolume");
    QTest::addColumn<QString>("warningEnd"); // empty: hidden

    QTest::newRow("4/4/0 at 20 %") << QList<int>{4, 4, 0} << 20 << 14 << "785"
                                   << "";
    QTest::newRow("10/10/10 at 40 %")
        << QList<int>{10, 10, 10} << 40 << 255 << "7363"
        << "40% is too big compensation value for Grinder!\r"
           "Maximum compensation value for this gate combination is 36";
    QTest::newRow("no ducts") << QList<int>{0, 0, 0} << 200 << 0 << "0"
                              << "";
    QTest::newRow("large ducts, nothing reachable")
        << QList<int>{80, 80, 80} << 2 << 255 << "471239"
        << "2% is too big compensation value for Grinder!\r"
           "Maximum compensation value for this gate combination is 0";
}

void TestGateTableModel::recalcGateRow() {
    QFETCH(QList<int>, diameters);
    QFETCH(int, compensation);
    QFETCH(int, extraArea);
    QFETCH(QString, airVolume);
    QFETCH(QString, warningEnd);

    Table t;
    t.Use(2, diameters[0], diameters[1], diameters[2], compensation);
    t.images.GateNames.Edited.Names[2].SetName(QStringLiteral("Grinder"));
    t.images.GateSettings.Edited.Gates[2].SetExtraArea(99);
    t.model.ShowGateNames(Unit::Master);
    const GateTableTotals totals = t.model.ShowGateSettings(Unit::Master, false)->totals;
    // Shown, the row keeps what the unit holds.
    QCOMPARE(int(t.Gate(2).ExtraArea()), 99);
    QCOMPARE(t.model.Text(2, 10), airVolume);
    QCOMPARE(totals.tooBigVisible, !warningEnd.isEmpty());
    if (totals.tooBigVisible)
        QCOMPARE(*totals.tooBigText, warningEnd);
    // Typed, the compensation derives its extra area.
    t.model.Commit(2, 9, QString::number(compensation + 1));
    const CommitResult again = *t.model.Commit(2, 9, QString::number(compensation));
    QCOMPARE(int(t.Gate(2).ExtraArea()), extraArea);
    QCOMPARE(again.totals.tooBigVisible, !warningEnd.isEmpty());
}

void TestGateTableModel::tooBigNamesTheLastRow() {
    Table t("F05A", "F05A", 2);
    t.Use(1, 10, 10, 10, 40);
    t.Use(14, 10, 10, 10, 50);
    t.images.GateNames.Edited.Names[1].SetName(QStringLiteral("Saw"));
    t.images.SlaveGateNames.Edited.Names[2].SetName(QStringLiteral("Planer"));
    t.ShowAll();
    GateTableTotals totals = t.model.RecalcGateRow(1);
    QVERIFY(totals.tooBigText->startsWith(u"50% is too big compensation value for Planer!"));
    totals = t.model.Commit(14, 9, QStringLiteral("10"))->totals;
    QVERIFY(totals.tooBigText->startsWith(u"40% is too big compensation value for Saw!"));
    totals = t.model.Commit(1, 9, QStringLiteral("30"))->totals;
    QVERIFY(!totals.tooBigVisible);
    // Outside the MASTER installation the slave rows do not count.
    t.model.SetInstallationMode(1);
    t.model.Commit(14, 9, QStringLiteral("50"));
    QVERIFY(!t.model.RecalcGateRow(0).tooBigVisible);
}

void TestGateTableModel::diameterCorrectsMaxCurrent() {
    Table t;
    t.images.SystemSettings.Edited.SetMaxCurrent(90);
    t.Use(0, 0, 0, 0, 0);
    t.ShowAll();
    QCOMPARE(t.model.Commit(0, 6, QStringLiteral("4"))->correctedMaxCurrent, std::optional(795));
    // The page stores the raised value; until then the next diameter compares with 96.
    t.images.SystemSettings.Edited.SetMaxCurrent(96);
    const CommitResult result = *t.model.Commit(0, 7, QStringLiteral("4"));
    QCOMPARE(result.correctedMaxCurrent, std::optional(926));
    QCOMPARE(int(t.Gate(0).SizeFactor()), 507);
    QCOMPARE(result.totals.totalAirVolume, 785);
    // Other columns leave the current alone.
    QCOMPARE(t.model.Commit(0, 9, QStringLiteral("20"))->correctedMaxCurrent, std::nullopt);
    t.images.SystemSettings.Edited.SetMaxCurrent(111);
    QCOMPARE(t.model.Commit(0, 8, QStringLiteral("0"))->correctedMaxCurrent, std::nullopt);
}

void TestGateTableModel::totals_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("volume");

    // Rows: 785 CFM min-airflow, 884 CFM, 884 CFM not in use; a slave row of 785 min-airflow.
    QTest::newRow("single unit") << 0 << 1669 << "47.0"
                                 << "785";
    QTest::newRow("slave on RS-232: its rows are not counted") << 1 << 1669 << "47.0"
                                                               << "785";
    QTest::newRow("MASTER counts the slave rows") << 2 << 2454 << "64.0"
                                                  << "1570";
}

void TestGateTableModel::totals() {
    QFETCH(int, mode);
    QFETCH(int, total);
    QFETCH(QString, area);
    QFETCH(QString, volume);

    Table t("F05A", "F05A", 2);
    t.Use(0, 4, 4, 0, 0);
    t.Gate(0).SetMinAirflow(1);
    t.Use(5, 6, 0, 0, 0);
    t.Use(6, 6, 0, 0, 0);
    t.Gate(6).SetEnabled(0);
    t.Use(20, 4, 4, 0, 0);
    t.Gate(20).SetMinAirflow(1);
    t.ShowAll();
    t.model.SetInstallationMode(mode);
    const GateTableTotals totals = t.model.RecalcGateRow(0);
    QCOMPARE(totals.totalAirVolume, total);
    QCOMPARE(t.model.TotalAirVolume(), total);
    QCOMPARE(totals.totalArea, QString::number(total));
    QCOMPARE(totals.minAirflowArea, std::optional(area));
    QCOMPARE(totals.minAirVolume, std::optional(volume));
}

void TestGateTableModel::airVelocity_data() {
    QTest::addColumn<QString>("velocity");
    QTest::addColumn<QString>("airVolume");

    QTest::newRow("2000 FPM") << "2000"
                              << "349";
    QTest::newRow("blanks around") << " 6000 "
                                   << "1047";
    QTest::newRow("not a whole number: 4500") << "4500.5"
                                              << "785";
    QTest::newRow("empty: 4500") << ""
                                 << "785";
    QTest::newRow("negative: nothing flows") << "-100"
                                             << "0";
    QTest::newRow("beyond any duct: 10000") << "2000000000"
                                            << "1745";
}

void TestGateTableModel::airVelocity() {
    QFETCH(QString, velocity);
    QFETCH(QString, airVolume);

    Table t("F05A", "F05A", 2);
    t.Use(0, 4, 4, 0, 0);
    t.Use(23, 4, 4, 0, 0);
    t.ShowAll();
    const GateTableTotals totals = t.model.SetAirVelocityText(velocity);
    QCOMPARE(t.model.Text(0, 10), airVolume);
    QCOMPARE(t.model.Text(23, 10), airVolume);
    QCOMPARE(totals.totalAirVolume, 2 * airVolume.toInt());
}

void TestGateTableModel::showGateSettings() {
    Table t("F04A", "F03K", 0);
    GateRecord& gate = t.Gate(1);
    t.Use(1, 6, 5, 4, 12);
    gate.SetMinAirflow(1);
    gate.SetOnDelay(0x0032);
    gate.SetOffDelay(0x000A);
    t.Gate(2).SetMinAirflow(1);
    const GateSettingsShown shown = *t.model.ShowGateSettings(Unit::Master, true);
    QCOMPARE(t.model.Text(1, 4), QStringLiteral("0.5"));
    QCOMPARE(t.model.Text(1, 5), QStringLiteral("1.0"));
    QCOMPARE(t.model.Text(1, 6), QStringLiteral("6"));
    QCOMPARE(t.model.Text(1, 9), QStringLiteral("12"));
    QCOMPARE(t.model.ManualMinAirflowMask(Unit::Master), uint16_t(0x006));
    QVERIFY(shown.frames[1].active && shown.frames[1].minAirflow && shown.frames[1].buttonEnabled);
    QVERIFY(!shown.frames[2].active && shown.frames[2].minAirflow);
    QVERIFY(!shown.frames[2].buttonEnabled);
    QVERIFY(!t.model.ShowGateSettings(Unit::Master, false)->frames[1].buttonEnabled);

    // The slave rows belong to the MASTER installation, with the slave's own delay unit.
    QVERIFY(!t.model.ShowGateSettings(Unit::Slave, true).has_value());
    t.model.SetInstallationMode(2);
    t.Gate(12).SetOffDelay(0x000A);
    t.Gate(12).SetMinAirflow(1);
    QVERIFY(t.model.ShowGateSettings(Unit::Slave, true).has_value());
    QCOMPARE(t.model.Text(12, 5), QStringLiteral("0.1"));
    QCOMPARE(t.model.ManualMinAirflowMask(Unit::Slave), uint16_t(0x001));

    // A toggle changes the image, the mask follows the next showing.
    QVERIFY(t.model.Toggle(1, 3).has_value());
    QCOMPARE(t.model.ManualMinAirflowMask(Unit::Master), uint16_t(0x006));
    t.model.ShowGateSettings(Unit::Master, false);
    QCOMPARE(t.model.ManualMinAirflowMask(Unit::Master), uint16_t(0x004));
}

void TestGateTableModel::selection_data() {
    QTest::addColumn<bool>("inUse");
    QTest::addColumn<bool>("smart");
    QTest::addColumn<QList<int>>("selectable");

    QTest::newRow("in use") << true << false << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9};
    QTest::newRow("in use, smart") << true << true << QList<int>{1, 2, 4, 5, 6, 7, 8, 9};
    QTest::newRow("not in use") << false << false << QList<int>{1, 2};
    QTest::newRow("not in use, smart") << false << true << QList<int>{1, 2};
}

void TestGateTableModel::selection() {
    QFETCH(bool, inUse);
    QFETCH(bool, smart);
    QFETCH(QList<int>, selectable);

    Table t;
    t.Gate(7).SetEnabled(inUse ? 1 : 0);
    t.model.SetSmartMinimumAirflow(smart);
    for (int column = -1; column <= 11; ++column)
        QCOMPARE(t.model.CanSelect(7, column), selectable.contains(column));
    QVERIFY(!t.model.CanSelect(12, 1));
    QVERIFY(!t.model.CanSelect(-1, 1));
    // A cell that cannot be selected is never written.
    for (int column = 3; column <= 9; ++column) {
        if (!selectable.contains(column))
            QVERIFY(!t.model.Commit(7, column, QStringLiteral("5")).has_value());
    }
}

void TestGateTableModel::toggle() {
    Table t("F05A", "F05A", 1);
    t.Use(0, 4, 4, 0, 0);
    t.ShowAll();
    GateTableTotals totals = *t.model.Toggle(0, 3);
    QCOMPARE(int(t.Gate(0).MinAirflow()), 1);
    QCOMPARE(totals.minAirVolume, std::optional(QStringLiteral("785")));
    totals = *t.model.Toggle(0, 2);
    QCOMPARE(int(t.Gate(0).Enabled()), 0);
    QCOMPARE(totals.totalAirVolume, 0);
    // Not in use: Min. Airflow cannot be selected, so it does not toggle.
    QVERIFY(!t.model.Toggle(0, 3).has_value());
    QCOMPARE(int(t.Gate(0).MinAirflow()), 1);
    QVERIFY(t.model.Toggle(0, 2).has_value());
    QCOMPARE(int(t.Gate(0).Enabled()), 1);
    t.Gate(0).SetEnabled(7);
    t.model.Toggle(0, 2);
    QCOMPARE(int(t.Gate(0).Enabled()), 0);
    // Only check-box cells toggle; slave rows only in the MASTER installation.
    QVERIFY(!t.model.Toggle(0, 1).has_value());
    QVERIFY(!t.model.Toggle(12, 2).has_value());
    QCOMPARE(int(t.Gate(12).Enabled()), 0);
    t.model.SetInstallationMode(2);
    QVERIFY(t.model.Toggle(12, 2).has_value());
    QCOMPARE(int(t.Gate(12).Enabled()), 1);
    // Smart Minimum Airflow takes the column away.
    t.model.SetSmartMinimumAirflow(true);
    QVERIFY(!t.model.Toggle(12, 3).has_value());
}

void TestGateTableModel::cellLook_data() {
    QTest::addColumn<bool>("inUse");
    QTest::addColumn<bool>("minAirflow");
    QTest::addColumn<bool>("smart");
    QTest::addColumn<int>("column");
    QTest::addColumn<CellBackground>("background");
    QTest::addColumn<CheckBoxPicture>("checkBox");
    QTest::addColumn<bool>("notUsed");

    using B = CellBackground;
    using C = CheckBoxPicture;
    QTest::newRow("unused: number on silver")
        << false << true << false << 0 << B::NotUsed << C::None << false;
    QTest::newRow("unused: Enable box")
        << false << false << false << 2 << B::NotUsed << C::NotChecked << false;
    QTest::newRow("unused: Min. Airflow keeps its box")
        << false << true << false << 3 << B::NotUsed << C::Checked << false;
    QTest::newRow("unused: Not Used from column 4")
        << false << true << false << 4 << B::NotUsed << C::None << true;
    QTest::newRow("unused: Not Used to column 10")
        << false << false << true << 10 << B::NotUsed << C::None << true;
    QTest::newRow("number column") << true << true << false << 0 << B::Fixed << C::None << false;
    QTest::newRow("air volume column")
        << true << true << false << 10 << B::Fixed << C::None << false;
    QTest::newRow("min-airflow gate tinted")
        << true << true << false << 5 << B::MinAirflow << C::None << false;
    QTest::newRow("Enable box") << true << true << false << 2 << B::MinAirflow << C::Checked
                                << false;
    QTest::newRow("Min. Airflow box")
        << true << false << false << 3 << B::Table << C::NotChecked << false;
    QTest::newRow("smart: no tint") << true << true << true << 5 << B::Table << C::None << false;
    QTest::newRow("smart: greyed checked box")
        << true << true << true << 3 << B::ButtonFace << C::DisabledChecked << false;
    QTest::newRow("smart: see-through empty box")
        << true << false << true << 3 << B::ButtonFace << C::NotCheckedSeeThrough << false;
}

void TestGateTableModel::cellLook() {
    QFETCH(bool, inUse);
    QFETCH(bool, minAirflow);
    QFETCH(bool, smart);
    QFETCH(int, column);
    QFETCH(CellBackground, background);
    QFETCH(CheckBoxPicture, checkBox);
    QFETCH(bool, notUsed);

    Table t;
    t.Use(4, 4, 4, 0, 20);
    t.Gate(4).SetEnabled(inUse ? 1 : 0);
    t.Gate(4).SetMinAirflow(minAirflow ? 1 : 0);
    t.ShowAll();
    t.model.SetSmartMinimumAirflow(smart);
    for (const bool linkUp : {true, false}) {
        const CellLook look = t.model.Look(4, column, linkUp);
        QCOMPARE(look.background, background);
        QCOMPARE(look.checkBox, checkBox);
        QCOMPARE(look.notUsed, notUsed);
        QCOMPARE(look.greyText, !linkUp);
        if (checkBox != CheckBoxPicture::None || notUsed)
            QVERIFY(look.text.isEmpty());
        else
            QCOMPARE(look.text, t.model.Text(4, column));
    }
}

void TestGateTableModel::smartMinimumAirflow() {
    Table t;
    t.Use(0, 4, 4, 0, 0);
    t.Gate(0).SetMinAirflow(1);
    t.ShowAll();
    SmartMinAirflowShown shown = t.model.SetSmartMinimumAirflow(true);
    QVERIFY(!shown.manualPanelVisible && shown.percentEntryNormal);
    QVERIFY(!shown.totals.has_value());
    QVERIFY(!t.model.RecalcGateRow(0).minAirflowArea.has_value());
    shown = t.model.SetSmartMinimumAirflow(false);
    QVERIFY(shown.manualPanelVisible && !shown.percentEntryNormal);
    QCOMPARE(shown.totals->minAirflowArea, std::optional(QStringLiteral("100.0")));
    QCOMPARE(shown.totals->minAirVolume, std::optional(QStringLiteral("785")));
    t.Gate(0).SetEnabled(0);
    QCOMPARE(t.model.RecalcGateRow(0).minAirflowArea, std::optional(QStringLiteral("0")));
}

void TestGateTableModel::rowsAndNumbers_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("numbers"); // rows 1, 12, 13, 24

    QTest::newRow("single") << 0 << 12 << QStringList{"1", "12", "", ""};
    QTest::newRow("slave on RS-232") << 1 << 24 << QStringList{"1", "12", "", ""};
    QTest::newRow("MASTER") << 2 << 24 << QStringList{"M1", "M12", "S1", "S12"};
    QTest::newRow("drive") << 3 << 12 << QStringList{"1", "12", "", ""};
}

void TestGateTableModel::rowsAndNumbers() {
    QFETCH(int, mode);
    QFETCH(int, rows);
    QFETCH(QStringList, numbers);

    Table t("F05A", "F05A", mode);
    QCOMPARE(t.model.RowCount(), rows);
    QCOMPARE(t.model.PagingEnabled(), rows == 24);
    QCOMPARE(t.model.PageDownCell().row, rows - 1);
    const int probe[] = {0, 11, 12, 23};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(t.model.Text(probe[i], 0), numbers[i]);
    const CellLook number = t.model.Look(0, 0, true);
    QVERIFY(number.bold && number.align == CellAlign::Centre);
}

VT12_TEST(TestGateTableModel, TestApplication::Core)
#include "tst_gate_table_model.moc"
