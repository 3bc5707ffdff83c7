#include "monitor/gate_row_figures.h"

#include "tests/support/test_registry.h"

#include <QTest>

namespace {
GateRecord Gate(int d1, int d2, int d3) {
    GateRecord gate;
    gate.SetDiameter1(uint8_t(d1));
    gate.SetDiameter2(uint8_t(d2));
    gate.SetDiameter3(uint8_t(d3));
    return gate;
}
} // namespace

class TestGateRowFigures : public QObject {
    Q_OBJECT

private slots:
    void compensation_data();
    void compensation();
    void airVolume_data();
    void airVolume();
    void maxCurrent_data();
    void maxCurrent();
    void sizeFactor_data();
    void sizeFactor();
};

void TestGateRowFigures::compensation_data() {
    QTest::addColumn<QList<int>>("diameters");
    QTest::addColumn<int>("compensation");
    QTest::addColumn<int>("extraArea");
    QTest::addColumn<int>("limit"); // -1: reachable

    QTest::newRow("4/4/0 at 20 %: 32 x 0.44") << QList<int>{4, 4, 0} << 20 << 14 << -1;
    QTest::newRow("10/10/10 at 40 %: 288") << QList<int>{10, 10, 10} << 40 << 255 << 36;
    QTest::newRow("10/10/10 at 36 %: 254.88 still fits")
        << QList<int>{10, 10, 10} << 36 << 255 << -1;
    QTest::newRow("10/10/10 at 37 %") << QList<int>{10, 10, 10} << 37 << 255 << 36;
    QTest::newRow("no ducts, any compensation") << QList<int>{0, 0, 0} << 255 << 0 << -1;
    QTest::newRow("no compensation, largest ducts") << QList<int>{255, 255, 255} << 0 << 0 << -1;
    QTest::newRow("large ducts: nothing reachable is still reported")
        << QList<int>{255, 255, 255} << 1 << 255 << 0;
    QTest::newRow("80 mm ducts at 2 %") << QList<int>{80, 80, 80} << 2 << 255 << 0;
    QTest::newRow("one duct") << QList<int>{5, 0, 0} << 10 << 5 << -1;
}

void TestGateRowFigures::compensation() {
    QFETCH(QList<int>, diameters);
    QFETCH(int, compensation);
    QFETCH(int, extraArea);
    QFETCH(int, limit);

    const GateRowFigures figures =
        CompensationFigures(Gate(diameters[0], diameters[1], diameters[2]), compensation);
    QCOMPARE(int(figures.extraArea), extraArea);
    QCOMPARE(figures.compensationLimit.value_or(-1), limit);
}

void TestGateRowFigures::airVolume_data() {
    QTest::addColumn<QList<int>>("diameters");
    QTest::addColumn<int>("velocity");
    QTest::addColumn<int>("cfm");

    QTest::newRow("4/4/0 at 4500 FPM") << QList<int>{4, 4, 0} << 4500 << 785;
    QTest::newRow("no ducts") << QList<int>{0, 0, 0} << 4500 << 0;
    QTest::newRow("6 inch") << QList<int>{6, 0, 0} << 4500 << 884;
    QTest::newRow("three 10 inch at 2000 FPM") << QList<int>{10, 10, 10} << 2000 << 3272;
    QTest::newRow("bytes taken as inches") << QList<int>{0, 0, 255} << 6000 << 2127938;
}

void TestGateRowFigures::airVolume() {
    QFETCH(QList<int>, diameters);
    QFETCH(int, velocity);
    QFETCH(int, cfm);

    QCOMPARE(AirVolume(Gate(diameters[0], diameters[1], diameters[2]), velocity), cfm);
}

void TestGateRowFigures::maxCurrent_data() {
    QTest::addColumn<QList<int>>("diameters");
    QTest::addColumn<int>("maxCurrent");
    QTest::addColumn<int>("corrected"); // -1: enough

    QTest::newRow("4/4/0 need 925.5 mA, 801.6 given") << QList<int>{4, 4, 0} << 96 << 926;
    QTest::newRow("4/4/0, 918.5 mA given") << QList<int>{4, 4, 0} << 110 << 926;
    QTest::newRow("4/4/0, 926.85 mA given") << QList<int>{4, 4, 0} << 111 << -1;
    QTest::newRow("no ducts still need 3 x 221.43") << QList<int>{0, 0, 0} << 79 << 664;
    QTest::newRow("no ducts, enough") << QList<int>{0, 0, 0} << 80 << -1;
    QTest::newRow("40 inch counts 1016 mm") << QList<int>{40, 0, 0} << 200 << 1971;
    QTest::newRow("150 counts 150 mm") << QList<int>{150, 0, 0} << 96 << 857;
    QTest::newRow("79 inch, beyond any MaxCurrent") << QList<int>{79, 79, 79} << 252 << 8404;
}

void TestGateRowFigures::maxCurrent() {
    QFETCH(QList<int>, diameters);
    QFETCH(int, maxCurrent);
    QFETCH(int, corrected);

    const std::optional<int> correction =
        MaxCurrentCorrection(Gate(diameters[0], diameters[1], diameters[2]), uint8_t(maxCurrent));
    QCOMPARE(correction.value_or(-1), corrected);
}

void TestGateRowFigures::sizeFactor_data() {
    QTest::addColumn<QList<int>>("diameters");
    QTest::addColumn<int>("sizeFactor");

    QTest::newRow("4/4/0: f = 5.0686") << QList<int>{4, 4, 0} << 507;
    QTest::newRow("no ducts: at least 2.0") << QList<int>{0, 0, 0} << 200;
    QTest::newRow("largest taken, wherever it is") << QList<int>{0, 0, 150} << 714;
    QTest::newRow("80 is millimetres") << QList<int>{80, 0, 0} << 414;
    QTest::newRow("79 is inches") << QList<int>{79, 0, 0} << 8671;
    QTest::newRow("40 inch beats 150 mm") << QList<int>{150, 40, 0} << 4426;
}

void TestGateRowFigures::sizeFactor() {
    QFETCH(QList<int>, diameters);
    QFETCH(int, sizeFactor);

    GateRecord gate = Gate(diameters[0], diameters[1], diameters[2]);
    gate.SetOnDelay(1234);
    ComputeSizeFactor(gate);
    QCOMPARE(int(gate.SizeFactor()), sizeFactor);
    QCOMPARE(int(gate.OnDelay()), 1234);
}

VT12_TEST(TestGateRowFigures, TestApplication::Core)
#include "tst_gate_row_figures.moc"
