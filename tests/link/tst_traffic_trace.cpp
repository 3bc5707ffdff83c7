// The traffic trace keeps what a file already holds, reaches the disk within a second, and
// stops on a full disk without losing what was written.

#include "link/traffic_trace.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
const uint8_t kPoll[] = {0x05, 0x04, 0x00, 0x00, 0x00, 0x10, 0xF1, 0x82};

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestTrafficTrace : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void earlierTraceIsKept() {
        QTemporaryDir dir;
        const QString path = dir.filePath("trace.log");
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("1.000 OPEN 3\n");
        earlier.close();

        TrafficTrace trace;
        QVERIFY(trace.Open(path));
        trace.Tx(kPoll, int(sizeof kPoll));
        trace.Close();
        const QList<QByteArray> lines = contentOf(path).split('\n');
        QCOMPARE(lines[0], QByteArray("1.000 OPEN 3"));
        QVERIFY(lines[1].endsWith(" TX 05 04 00 00 00 10 F1 82"));
    }

    // What a crash would lose: nothing older than a second.
    void linesReachTheFileWithinASecond() {
        QTemporaryDir dir;
        const QString path = dir.filePath("trace.log");
        TrafficTrace trace;
        QVERIFY(trace.Open(path));
        trace.Tx(kPoll, int(sizeof kPoll));
        QTest::qWait(1100);
        trace.PortClose(3);
        QVERIFY(contentOf(path).contains(" TX "));
    }

    void fullDiskEndsTheTrace() {
        TrafficTrace trace;
        QVERIFY(trace.Open(QStringLiteral("/dev/full")));
        trace.Tx(kPoll, int(sizeof kPoll));
        QTest::ignoreMessage(
            QtWarningMsg, QRegularExpression("The trace file /dev/full is no longer written: .+"));
        trace.Close();
        QVERIFY(!trace.IsOpen());
    }

    void unwritablePathSaysWhy() {
        QTemporaryDir dir;
        TrafficTrace trace;
        QVERIFY(!trace.Open(dir.filePath("no such folder/trace.log")));
        QVERIFY(!trace.ErrorString().isEmpty());
        QVERIFY(!trace.IsOpen());
    }
};

QTEST_GUILESS_MAIN(TestTrafficTrace)
#include "tst_traffic_trace.moc"
