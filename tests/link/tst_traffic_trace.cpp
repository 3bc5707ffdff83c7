// The traffic trace keeps what a file already holds, reaches the disk within a second, and
// stops on a full disk without losing what was written; it stays within its size limit.

#include "link/traffic_trace.h"

#include "tests/support/test_registry.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {
const uint8_t kTracedPoll[] = {0x05, 0x04, 0x00, 0x00, 0x00, 0x10, 0xF1, 0x82};

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
        trace.Tx(kTracedPoll, int(sizeof kTracedPoll));
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
        trace.Tx(kTracedPoll, int(sizeof kTracedPoll));
        QTest::qWait(1100);
        trace.PortClose(3);
        QVERIFY(contentOf(path).contains(" TX "));
    }

    // Rotation renames the file: a device node or a link is never taken as a trace file.
    void onlyARegularFileIsTraced() {
        QTemporaryDir dir;
        const QString link = dir.filePath("trace.log");
        QVERIFY(QFile::link(dir.filePath("elsewhere.log"), link));
        for (const QString& path : {QStringLiteral("/dev/full"), link}) {
            TrafficTrace trace;
            QVERIFY(!trace.Open(path));
            QVERIFY(!trace.ErrorString().isEmpty());
            QVERIFY(!trace.IsOpen());
        }
        QVERIFY(!QFileInfo::exists(dir.filePath("elsewhere.log")));
    }

    // However many runs add to it, the trace and its one older file stay within the limit, and
    // the newest lines are in the trace itself.
    void sizeLimitKeepsOneOlderFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("trace.log");
        constexpr qint64 kLimit = 2000;
        QRandomGenerator random(24);
        for (int run = 0; run < 60; ++run) {
            TrafficTrace trace;
            QVERIFY(trace.Open(path, kLimit));
            const int lines = 1 + int(random.bounded(12));
            for (int i = 0; i < lines; ++i)
                trace.PortOpen(run);
            trace.Close();
            QVERIFY(QFileInfo(path).size() <= kLimit);
            QVERIFY(QFileInfo(path + ".1").size() <= kLimit);
            const QList<QByteArray> last = contentOf(path).trimmed().split('\n');
            QVERIFY(last.size() >= lines);
            QVERIFY(last.constLast().endsWith(" OPEN " + QByteArray::number(run)));
        }
        QVERIFY(QFileInfo::exists(path + ".1"));
        QVERIFY(!QFileInfo::exists(path + ".2"));
    }

    void unwritablePathSaysWhy() {
        QTemporaryDir dir;
        TrafficTrace trace;
        QVERIFY(!trace.Open(dir.filePath("no such folder/trace.log")));
        QVERIFY(!trace.ErrorString().isEmpty());
        QVERIFY(!trace.IsOpen());
    }
};

VT12_TEST(TestTrafficTrace, TestApplication::Core)
#include "tst_traffic_trace.moc"
