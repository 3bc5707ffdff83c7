// The program against a controller that answers after the response timeout, once or always,
// or that freezes for a while: the link comes back by itself, and no answer is ever taken for
// another request.

#include "tests/e2e/simulator_process.h"
#include "tests/e2e/trace_file.h"

#include "tests/support/test_registry.h"

#include <QProcess>
#include <csignal>

namespace {
constexpr int kLateCom = 3;
constexpr int kStableRun = 3;

// One request and what the client collected for it until its result.
struct Exchange {
    QByteArray request;
    QByteArray answer;
    QString result;
    double resultMs = 0;
};

QByteArray bytesOf(const QString& hex) {
    return QByteArray::fromHex(hex.toLatin1());
}

QList<Exchange> ExchangesOf(const TraceFile& trace) {
    QList<Exchange> exchanges;
    bool open = false;
    for (const QString& line : trace.lines) {
        const QStringList words = line.split(u' ', Qt::SkipEmptyParts);
        if (words.size() < 3)
            continue;
        const QString body = words.mid(2).join(QString());
        if (words[1] == QLatin1String("TX")) {
            exchanges.append({bytesOf(body), {}, {}, 0});
            open = true;
        } else if (words[1] == QLatin1String("RX") && open) {
            exchanges.last().answer += bytesOf(body);
        } else if (words[1] == QLatin1String("RESULT") && open) {
            exchanges.last().result = words[2];
            exchanges.last().resultMs = words[0].toDouble();
            open = false;
        }
    }
    return exchanges;
}

bool IsStatusPoll(const Exchange& exchange) {
    return exchange.request.startsWith(QByteArray::fromHex("050400000010"));
}

// The answer's function and byte count are those of the request.
QString MismatchIn(const Exchange& exchange) {
    const QByteArray& q = exchange.request;
    const QByteArray& a = exchange.answer;
    const auto function = static_cast<uint8_t>(q[1]);
    const bool read = function == 3 || function == 4;
    const int bytes = 2 * static_cast<uint8_t>(q[5]);
    if (a.size() < 3 || static_cast<uint8_t>(a[1]) != function ||
        (read && static_cast<uint8_t>(a[2]) != bytes))
        return QStringLiteral("request %1 answered by %2")
            .arg(QString::fromLatin1(q.toHex(' ')), QString::fromLatin1(a.left(3).toHex(' ')));
    return {};
}

class ToolProcess {
public:
    ToolProcess(const QString& portDir, const QString& tracePath) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("VT12_PORT_DIR", portDir);
        environment.insert("VT12_PROGRAM_DIR", programDir_.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(SimulatorProcess::BinDir() + "/vt12set",
                       {QStringLiteral("PORT=%1").arg(kLateCom), "--trace=" + tracePath});
    }
    ~ToolProcess() { Stop(); }

    bool Started() { return process_.waitForStarted(10000); }

    // Closes the window the normal way, which writes the trace out.
    void Stop() {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.terminate();
        if (!process_.waitForFinished(10000))
            process_.kill();
        process_.waitForFinished(2000);
    }

private:
    QTemporaryDir programDir_;
    QProcess process_;
};
} // namespace

class TestLateAnswers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void linkRecoversAndNoAnswerIsTakenForAnother_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("freezeAtMs");
        QTest::addColumn<int>("freezeMs");
        QTest::addColumn<int>("runMs");
        QTest::addColumn<bool>("alwaysLate");
        // The 20th request is a status poll, after the read set of the detection; its answer
        // comes later than any timeout the client may have learned from a slow start. The runs
        // leave seconds of room after the disturbance, for a loaded machine or a sanitizer build.
        QTest::newRow("one late answer")
            << QStringList{"--pace", "--late-answer", "20", "--late-by", "4500"} << 0 << 0 << 24000
            << false;
        // Answers of one kind are told apart by nothing: polls go on, with a bad frame whenever
        // another request comes between them, so only the polls since the first failure count.
        QTest::newRow("every answer late")
            << QStringList{"--pace", "--latency", "510"} << 0 << 0 << 24000 << true;
        QTest::newRow("frozen for 3 s") << QStringList{"--pace"} << 2500 << 3000 << 24000 << false;
        QTest::newRow("frozen until detection")
            << QStringList{"--pace"} << 2500 << 6000 << 24000 << false;
    }
    void linkRecoversAndNoAnswerIsTakenForAnother() {
        QFETCH(QStringList, options);
        QFETCH(int, freezeAtMs);
        QFETCH(int, freezeMs);
        QFETCH(int, runMs);
        QFETCH(bool, alwaysLate);

        SimulatorProcess sim;
        QVERIFY(sim.Start(kLateCom, options));
        QTemporaryDir traceDir;
        const QString tracePath = traceDir.filePath("trace.log");
        ToolProcess tool(sim.PortDir(), tracePath);
        QVERIFY(tool.Started());
        if (freezeMs > 0) {
            QTest::qWait(freezeAtMs);
            sim.Signal(SIGSTOP);
            QTest::qWait(freezeMs);
            sim.Signal(SIGCONT);
            QTest::qWait(runMs - freezeAtMs - freezeMs);
        } else {
            QTest::qWait(runMs);
        }
        tool.Stop();
        const TraceFile trace = TraceFile::Read(tracePath);
        const QList<Exchange> exchanges = ExchangesOf(trace);
        QVERIFY(!exchanges.isEmpty());

        qsizetype firstFailure = -1;
        for (qsizetype i = 0; i < exchanges.size(); ++i) {
            if (exchanges[i].result == QLatin1String("OK")) {
                const QString mismatch = MismatchIn(exchanges[i]);
                QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
            } else if (firstFailure < 0 && !exchanges[i].result.isEmpty()) {
                firstFailure = i;
            }
        }
        // A unit late every time teaches the client its pace: from its first answer on, the
        // timeout follows it and nothing fails; polling goes on.
        if (alwaysLate && firstFailure < 0) {
            int polls = 0;
            for (const Exchange& exchange : exchanges)
                polls += IsStatusPoll(exchange) && exchange.result == QLatin1String("OK");
            QVERIFY(polls >= kStableRun);
            return;
        }
        QVERIFY2(firstFailure >= 0, "the controller was never late");

        // Polling again: a run of answered status polls after the last failure.
        qsizetype lastFailure = firstFailure;
        for (qsizetype i = firstFailure; i < exchanges.size() && !alwaysLate; ++i)
            if (!exchanges[i].result.isEmpty() && exchanges[i].result != QLatin1String("OK"))
                lastFailure = i;
        int polls = 0;
        for (qsizetype i = lastFailure + 1; i < exchanges.size() && polls < kStableRun; ++i)
            polls += IsStatusPoll(exchanges[i]) && exchanges[i].result == QLatin1String("OK");
        QStringList results;
        for (const Exchange& exchange : exchanges)
            results << exchange.result;
        QVERIFY2(polls >= kStableRun,
                 qPrintable("status polling did not resume: " + results.join(u' ')));

        // Measured from the first bytes the controller sends after the first failure.
        const double lost = exchanges[firstFailure].resultMs;
        double spoke = lost;
        for (const QString& line : trace.lines) {
            const QStringList words = line.split(u' ');
            if (words.size() > 1 && words[1] == QLatin1String("RX") && words[0].toDouble() > lost) {
                spoke = words[0].toDouble();
                break;
            }
        }
        const double back = exchanges[lastFailure + 1].resultMs;
        qInfo("first failure at %.0f ms, controller heard again at %.0f ms, answers taken again "
              "for good from %.0f ms: %.0f ms later",
              lost, spoke, back, back - spoke);
    }
};

VT12_TEST(TestLateAnswers, TestApplication::Core)
#include "tst_late_answers.moc"
