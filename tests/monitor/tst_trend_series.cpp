// The trends' rolling window, its thinning for the curves and its CSV file.

#include "monitor/trend_series.h"

#include "tests/support/test_registry.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr qint64 kWindowMs = 60'000;
constexpr qint64 kStartMs = 1'765'000'000'000;
// A comma with an even number of quotes after it.
const QRegularExpression kOutsideQuotes(QStringLiteral(",(?=(?:[^\"]*\"[^\"]*\")*[^\"]*$)"));

StatusDisplay Shown(int fanPercent, int oddMilliamps = 0, int openGates = 0) {
    StatusDisplay shown;
    shown.fanPercentage = fanPercent;
    shown.unit.odd.current = oddMilliamps;
    shown.unit.openGateCount = openGates;
    return shown;
}

TrendVacuum Vacuum(std::optional<double> value, const QString& units = QStringLiteral("Pa")) {
    TrendVacuum vacuum;
    vacuum.reading.master.value = value;
    vacuum.units = units;
    return vacuum;
}

// The CSV as rows of cells, the header first.
QList<QStringList> Rows(const TrendSeries& series) {
    QList<QStringList> rows;
    for (const QString& line : QString::fromUtf8(series.Csv()).split(u'\n', Qt::SkipEmptyParts))
        rows << line.split(u',');
    return rows;
}

QString Cell(const QList<QStringList>& rows, int row, const QString& column) {
    const qsizetype index = rows[0].indexOf(column);
    return index < 0 ? QStringLiteral("(no column)") : rows[row].value(index);
}
} // namespace

class TestTrendSeries : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windowDropsOldSamples_data() {
        QTest::addColumn<qint64>("laterMs");
        QTest::addColumn<qint64>("firstKeptMs");
        QTest::newRow("inside the window") << kWindowMs - 1 << qint64(0);
        QTest::newRow("exactly the window") << kWindowMs << qint64(0);
        QTest::newRow("past the window") << kWindowMs + 1 << qint64(1000);
    }
    void windowDropsOldSamples() {
        QFETCH(qint64, laterMs);
        QFETCH(qint64, firstKeptMs);
        TrendSeries series(kWindowMs);
        series.AddStatus(kStartMs, Shown(10), std::nullopt);
        series.AddStatus(kStartMs + 1000, Shown(20), std::nullopt);
        series.AddStatus(kStartMs + laterMs, Shown(30), std::nullopt);
        QCOMPARE(series.Samples().front().atMs, kStartMs + firstKeptMs);
        QCOMPARE(series.Samples().back().fanPercent, 30);
    }

    void capDropsTheOldest() {
        TrendSeries series(kWindowMs, 3);
        for (int i = 0; i < 5; ++i)
            series.AddStatus(kStartMs + i, Shown(i), std::nullopt);
        QCOMPARE(series.Samples().size(), size_t(3));
        QCOMPARE(series.Samples().front().fanPercent, 2);
    }

    void newUnitsStartTheVacuumAfresh() {
        TrendSeries series;
        series.AddStatus(kStartMs, Shown(0), Vacuum(1500));
        series.AddStatus(kStartMs + 1, Shown(0), Vacuum(1600));
        series.AddStatus(kStartMs + 2, Shown(0), Vacuum(6.4, QStringLiteral("in.wc")));
        QCOMPARE(series.Samples().size(), size_t(1));
        QCOMPARE(Cell(Rows(series), 1, QStringLiteral("Vacuum [in.wc]")), QStringLiteral("6.4"));
    }

    void thinnedCurveKeepsAPeak() {
        TrendSeries series;
        for (int i = 0; i < 1000; ++i)
            series.AddStatus(kStartMs + i * 100, Shown(0, i == 503 ? 418 : 0), std::nullopt);
        const QList<QPointF> curve = series.Curve(TrendQuantity::OddCurrent, 100);
        QVERIFY(curve.size() <= 100);
        QVERIFY(std::is_sorted(curve.begin(), curve.end(),
                               [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); }));
        const auto peak = std::max_element(curve.begin(), curve.end(),
                                           [](auto& a, auto& b) { return a.y() < b.y(); });
        QCOMPARE(peak->y(), 418.0);
        QCOMPARE(peak->x(), double(kStartMs + 50'300));
        QCOMPARE(series.Curve(TrendQuantity::OddCurrent, 2000).size(), 1000);
    }

    void csvRows_data() {
        QTest::addColumn<bool>("withSlave");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("vacuum, out of range empty")
            << false << QStringLiteral("Vacuum [Pa]") << QStringList{"1500.5", "", "1500.5"};
        QTest::newRow("fan") << false << QStringLiteral("Fan Output [%]")
                             << QStringList{"30", "0", "100"};
        QTest::newRow("odd current")
            << false << QStringLiteral("Odd Driver Current [mA]") << QStringList{"334", "0", "0"};
        QTest::newRow("open gates")
            << false << QStringLiteral("Open Gates") << QStringList{"2", "0", "24"};
        QTest::newRow("no slave, no slave column")
            << false << QStringLiteral("Slave Odd Driver Current [mA]")
            << QStringList{"(no column)", "(no column)", "(no column)"};
        QTest::newRow("slave current with the next master poll")
            << true << QStringLiteral("Slave Odd Driver Current [mA]")
            << QStringList{"167", "", "0"};
        QTest::newRow("slave vacuum in its units")
            << true << QStringLiteral("\"Slave Vacuum [mm,wc]\"") << QStringList{"-3", "", ""};
    }
    void csvRows() {
        QFETCH(bool, withSlave);
        QFETCH(QString, column);
        QFETCH(QStringList, cells);
        TrendSeries series;
        TrendVacuum vacuum = Vacuum(1500.5);
        vacuum.slaveUnits = QStringLiteral("mm,wc");
        if (withSlave) {
            vacuum.reading.slave.emplace().value = -3;
            UnitStatus slave;
            slave.odd.current = 167;
            series.AddSlaveStatus(slave);
        }
        series.AddStatus(kStartMs, Shown(30, 334, 2), vacuum);
        vacuum.reading.master.value.reset();
        vacuum.reading.slave.reset();
        series.AddStatus(kStartMs + 250, Shown(0, 0, 0), vacuum);
        if (withSlave)
            series.AddSlaveStatus(UnitStatus{});
        vacuum.reading.master.value = 1500.5;
        series.AddStatus(kStartMs + 500, Shown(100, 0, 24), vacuum);

        // A unit typed with a comma is quoted, and no cell carries one.
        const QStringList lines = QString::fromUtf8(series.Csv()).split(u'\n', Qt::SkipEmptyParts);
        QList<QStringList> rows;
        for (const QString& line : lines)
            rows << line.split(kOutsideQuotes);
        QCOMPARE(rows.size(), 4);
        for (int row = 1; row <= 3; ++row) {
            QCOMPARE(rows[row].size(), rows[0].size());
            QCOMPARE(Cell(rows, row, column), cells[row - 1]);
            const QDateTime time = QDateTime::fromString(rows[row][0], Qt::ISODateWithMs);
            QCOMPARE(time.toMSecsSinceEpoch(), kStartMs + (row - 1) * 250);
        }
    }

    void saveWritesTheFileOrNothing() {
        QTemporaryDir dir;
        TrendSeries series;
        series.AddStatus(kStartMs, Shown(30), std::nullopt);
        const QString good = dir.filePath(QStringLiteral("trends.csv"));
        QCOMPARE(SaveTrendCsv(series, good), std::nullopt);
        QFile written(good);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), series.Csv());

        const QString bad = dir.filePath(QStringLiteral("missing/trends.csv"));
        const std::optional<QString> error = SaveTrendCsv(series, bad);
        QVERIFY(error && !error->isEmpty());
        QVERIFY(!QFile::exists(bad));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"trends.csv"});
    }
};

VT12_TEST(TestTrendSeries, TestApplication::Core)
#include "tst_trend_series.moc"
