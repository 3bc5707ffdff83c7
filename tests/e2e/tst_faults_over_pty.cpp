// The session core against simulators that spoil answers of one kind, over pseudo-terminals:
// a short soak, whose checks after every result (one result per request, reads that show what
// the controller holds, verifications that tell the truth) find nothing.

#include "tests/e2e/simulator_process.h"

#include "tests/support/test_registry.h"

#include <QProcess>
#include <QRegularExpression>

class TestFaultsOverPty : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void soakFindsNothing_data() {
        QTest::addColumn<QString>("faults");
        QTest::newRow("late answers") << QStringLiteral("late=15");
        QTest::newRow("duplicated answers") << QStringLiteral("duplicate=15");
        QTest::newRow("noise before or after answers") << QStringLiteral("noise=15");
    }
    void soakFindsNothing() {
        QFETCH(QString, faults);
        QProcess soak;
        soak.setProcessChannelMode(QProcess::MergedChannels);
        soak.start(SimulatorProcess::BinDir() + "/vt12bench_soak",
                   {"--transactions", "800", "--lines", "4", "--faults", faults});
        QVERIFY(soak.waitForFinished(180000));
        const QString report = QString::fromLocal8Bit(soak.readAll());
        QVERIFY2(QRegularExpression(QStringLiteral("faults drawn: [1-9]")).match(report).hasMatch(),
                 qPrintable(report));
        // Memory is the long soak's matter; a sanitizer build holds on to freed blocks.
        QVERIFY2(report.contains(QLatin1String("\nviolations: 0\n")), qPrintable(report));
    }
};

VT12_TEST(TestFaultsOverPty, TestApplication::Core)
#include "tst_faults_over_pty.moc"
