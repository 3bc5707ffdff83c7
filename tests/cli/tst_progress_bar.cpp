#include "cli/progress_bar.h"

#include "tests/support/test_registry.h"

#include <QTest>

class TestProgressBar : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void drawn_data() {
        QTest::addColumn<int>("done");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QString>("text");
        QTest::newRow("start") << 0 << 322 << "[..........]   0 %";
        QTest::newRow("rounded down") << 161 << 322 << "[#####.....]  50 %";
        QTest::newRow("one short of the end") << 321 << 322 << "[#########.]  99 %";
        QTest::newRow("end") << 322 << 322 << "[##########] 100 %";
        QTest::newRow("beyond the end") << 400 << 322 << "[##########] 100 %";
        QTest::newRow("no maximum") << 5 << 0 << "[..........]   0 %";
    }
    void drawn() {
        QFETCH(int, done);
        QFETCH(int, maximum);
        QFETCH(QString, text);
        QCOMPARE(ProgressBarText(done, maximum, 10), text);
    }
};

VT12_TEST(TestProgressBar, TestApplication::Core)
#include "tst_progress_bar.moc"
