// The real vt12sim binary on its pseudo-terminal, reached through its COM link with plain
// POSIX calls, as the tool's serial port reaches it.

#include "tests/sim/sim_requests.h"

#include "tests/support/test_registry.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

using namespace simtest;

class TstVt12simProcess : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void answersAndLeavesOnSigterm_data();
    void answersAndLeavesOnSigterm();
    void runningSimulatorKeepsItsName();
    void staleLinkIsReplaced_data();
    void staleLinkIsReplaced();
    void silenceTogglesWithSigusr2();
    void slaveTogglesWithSigusr1();
    void securityAndBypassToggleWithSignals();
    void liveUnitMovesOnItsOwn();
    void faultShowsOnTheWire_data();
    void faultShowsOnTheWire();
    void commandLineOutcome_data();
    void commandLineOutcome();
};

namespace {

constexpr int kProcessPatience = 10000;

QString binary() {
    return qEnvironmentVariable("VT12_BIN_DIR") + QStringLiteral("/bin/vt12sim");
}

// A running simulator; asked to stop with SIGTERM when it goes out of scope.
class Simulator {
public:
    explicit Simulator(const QStringList& arguments) {
        process_.setProgram(binary());
        process_.setArguments(arguments);
        process_.start();
    }
    ~Simulator() {
        if (process_.state() != QProcess::NotRunning) {
            stop();
        }
    }
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    void signal(int number) const { ::kill(static_cast<pid_t>(process_.processId()), number); }
    bool stop() {
        signal(SIGTERM);
        return process_.waitForFinished(kProcessPatience);
    }
    // Waits until the simulator has said a line containing text.
    bool says(const QString& text) {
        return QTest::qWaitFor(
            [&] {
                output_ += QString::fromLocal8Bit(process_.readAllStandardOutput());
                return output_.contains(text);
            },
            kProcessPatience);
    }
    QProcess& process() { return process_; }

private:
    QProcess process_;
    QString output_;
};

// The tool's end of the line, raw.
class Line {
public:
    explicit Line(const QString& path)
        : fd_(::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK)) {
        termios settings{};
        if (fd_ >= 0 && ::tcgetattr(fd_, &settings) == 0) {
            ::cfmakeraw(&settings);
            ::tcsetattr(fd_, TCSANOW, &settings);
        }
    }
    ~Line() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Line(const Line&) = delete;
    Line& operator=(const Line&) = delete;

    bool isOpen() const { return fd_ >= 0; }

    // Sends the request and collects bytes until length have come or patience runs out.
    QByteArray exchange(const QByteArray& request, qsizetype length,
                        int patienceMs = kProcessPatience) {
        if (::write(fd_, request.constData(), request.size()) != request.size()) {
            return {};
        }
        QByteArray answer;
        [[maybe_unused]] const bool complete = QTest::qWaitFor(
            [&] {
                char buffer[512];
                for (ssize_t count; (count = ::read(fd_, buffer, sizeof buffer)) > 0;) {
                    answer.append(buffer, count);
                }
                return answer.size() >= length;
            },
            patienceMs);
        return answer;
    }

private:
    int fd_;
};

bool linkAppears(const QString& path) {
    return QTest::qWaitFor([&] { return QFileInfo(path).isSymLink(); }, kProcessPatience);
}

void expectStatusAnswer(const QByteArray& answer) {
    QCOMPARE(answer.size(), 37);
    QCOMPARE(answer.left(3), QByteArray("\x05\x04\x20", 3));
    QVERIFY(vt12sim::crcMatches(answer));
    QCOMPARE(static_cast<int>(answer[3 + 25]), 4);
}

} // namespace

void TstVt12simProcess::initTestCase() {
    QVERIFY2(QFileInfo(binary()).isExecutable(), qPrintable(binary()));
}

void TstVt12simProcess::answersAndLeavesOnSigterm_data() {
    QTest::addColumn<QStringList>("extraArguments");

    QTest::newRow("as fast as it can") << QStringList{};
    QTest::newRow("paced") << QStringList{"--pace"};
    QTest::newRow("paced, with latency, master")
        << QStringList{"--pace", "--latency", "20", "--master"};
}

void TstVt12simProcess::answersAndLeavesOnSigterm() {
    QFETCH(QStringList, extraArguments);

    QTemporaryDir ports;
    const QString link = ports.filePath(QStringLiteral("COM3"));
    Simulator simulator(QStringList{"--port-dir", ports.path(), "--com", "3"} + extraArguments);
    QVERIFY(linkAppears(link));
    {
        Line line(link);
        QVERIFY(line.isOpen());
        expectStatusAnswer(line.exchange(wordsRequest(4, 0, 16), 37));
        // Closing and reopening the port, as port detection does, keeps the line working.
    }
    Line again(link);
    expectStatusAnswer(again.exchange(wordsRequest(4, 0, 16), 37));

    QVERIFY(simulator.stop());
    QCOMPARE(simulator.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(simulator.process().exitCode(), 0);
    QVERIFY(!QFileInfo(link).isSymLink());
}

void TstVt12simProcess::runningSimulatorKeepsItsName() {
    QTemporaryDir ports;
    const QString com5 = ports.filePath(QStringLiteral("COM5"));
    const QString com6 = ports.filePath(QStringLiteral("COM6"));
    Simulator first({"--port-dir", ports.path(), "--com", "5"});
    QVERIFY(linkAppears(com5));
    const QString target = QFileInfo(com5).symLinkTarget();

    Simulator intruder({"--port-dir", ports.path(), "--com", "5"});
    QVERIFY(intruder.process().waitForFinished(kProcessPatience));
    QVERIFY(intruder.process().exitCode() != 0);
    QVERIFY(intruder.process().readAllStandardError().contains("running simulator"));
    QCOMPARE(QFileInfo(com5).symLinkTarget(), target);

    Simulator second({"--port-dir", ports.path(), "--com", "6", "--master"});
    QVERIFY(linkAppears(com6));
    Line line5(com5);
    Line line6(com6);
    expectStatusAnswer(line5.exchange(wordsRequest(4, 0, 16), 37));
    const QByteArray masterStatus = line6.exchange(wordsRequest(4, 0, 16), 37);
    expectStatusAnswer(masterStatus);
    QVERIFY(static_cast<uint8_t>(masterStatus[3 + 15]) >= 15);
}

void TstVt12simProcess::staleLinkIsReplaced_data() {
    QTest::addColumn<bool>("leftByAKilledSimulator");

    QTest::newRow("dangling link") << false;
    // The new simulator's pseudo-terminal usually gets the dead one's number.
    QTest::newRow("link of a killed simulator") << true;
}

void TstVt12simProcess::staleLinkIsReplaced() {
    QFETCH(bool, leftByAKilledSimulator);

    QTemporaryDir ports;
    const QString link = ports.filePath(QStringLiteral("COM7"));
    if (leftByAKilledSimulator) {
        Simulator killed({"--port-dir", ports.path(), "--com", "7"});
        QVERIFY(linkAppears(link));
        killed.process().kill();
        QVERIFY(killed.process().waitForFinished(kProcessPatience));
    } else {
        QVERIFY(QFile::link(QStringLiteral("/dev/pts/987654"), link));
    }
    QVERIFY(QFileInfo(link).isSymLink());
    Simulator simulator({"--port-dir", ports.path(), "--com", "7"});
    QVERIFY(simulator.says(QStringLiteral("COM7 ->")));
    Line line(link);
    expectStatusAnswer(line.exchange(wordsRequest(4, 0, 16), 37));
}

void TstVt12simProcess::silenceTogglesWithSigusr2() {
    QTemporaryDir ports;
    const QString link = ports.filePath(QStringLiteral("COM2"));
    Simulator simulator({"--port-dir", ports.path(), "--com", "2", "--silent"});
    QVERIFY(simulator.says(QStringLiteral("COM2 ->")));
    Line line(link);
    QVERIFY(line.exchange(wordsRequest(4, 0, 16), 37, 300).isEmpty());

    simulator.signal(SIGUSR2);
    QVERIFY(simulator.says(QStringLiteral("answering")));
    expectStatusAnswer(line.exchange(wordsRequest(4, 0, 16), 37));
}

void TstVt12simProcess::slaveTogglesWithSigusr1() {
    QTemporaryDir ports;
    const QString link = ports.filePath(QStringLiteral("COM4"));
    Simulator simulator({"--port-dir", ports.path(), "--com", "4", "--master"});
    QVERIFY(simulator.says(QStringLiteral("COM4 ->")));
    Line line(link);
    const auto slaveLink = [&] {
        const QByteArray answer = line.exchange(wordsRequest(4, 0, 16), 37);
        return answer.size() == 37 ? static_cast<uint8_t>(answer[3 + 15]) : uint8_t{0xFF};
    };
    QVERIFY(slaveLink() >= 15);
    simulator.signal(SIGUSR1);
    QVERIFY(simulator.says(QStringLiteral("slave lost")));
    QVERIFY(slaveLink() < 15);
    simulator.signal(SIGUSR1);
    QVERIFY(simulator.says(QStringLiteral("slave linked")));
    const uint8_t regained = slaveLink();
    QVERIFY(regained >= 15 && regained != 0xFF);
}

void TstVt12simProcess::securityAndBypassToggleWithSignals() {
    QTemporaryDir ports;
    const QString link = ports.filePath(QStringLiteral("COM8"));
    Simulator simulator({"--port-dir", ports.path(), "--com", "8", "--bypass"});
    QVERIFY(simulator.says(QStringLiteral("COM8 ->")));
    Line line(link);
    const auto inputFlags = [&] {
        const QByteArray answer = line.exchange(wordsRequest(4, 0, 16), 37);
        return answer.size() == 37 ? static_cast<uint8_t>(answer[3 + 2]) & 0x70 : 0xFF;
    };
    QCOMPARE(inputFlags(), 0x30);
    simulator.signal(SIGRTMIN + 1);
    QVERIFY(simulator.says(QStringLiteral("security input out of order")));
    QCOMPARE(inputFlags(), 0x50);
    simulator.signal(SIGRTMIN + 2);
    QVERIFY(simulator.says(QStringLiteral("bypass off")));
    QCOMPARE(inputFlags(), 0x00);
    simulator.signal(SIGRTMIN + 1);
    QVERIFY(simulator.says(QStringLiteral("security input in order")));
    QCOMPARE(inputFlags(), 0x20);
}

void TstVt12simProcess::liveUnitMovesOnItsOwn() {
    QTemporaryDir ports;
    const QString link = ports.filePath(QStringLiteral("COM9"));
    // With seed 7 the first machine starts within the first few seconds.
    Simulator simulator({"--port-dir", ports.path(), "--com", "9", "--live", "--seed", "7"});
    QVERIFY(simulator.says(QStringLiteral("live (seed 7)")));
    Line line(link);
    const QByteArray first = line.exchange(wordsRequest(4, 0, 16), 37);
    expectStatusAnswer(first);
    QVERIFY(QTest::qWaitFor(
        [&] {
            const QByteArray now = line.exchange(wordsRequest(4, 0, 16), 37);
            return now.size() == 37 && now.mid(3, 2) != first.mid(3, 2);
        },
        kProcessPatience));
}

void TstVt12simProcess::faultShowsOnTheWire_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("tally");

    QTest::newRow("no answer") << "timeout=100"
                               << "timeout 2";
    QTest::newRow("bad CRC") << "crc=100"
                             << "crc 2";
    QTest::newRow("exception") << "exception=100"
                               << "exception 2";
    QTest::newRow("duplicated") << "duplicate=100"
                                << "duplicate 2";
    QTest::newRow("other address") << "address=100"
                                   << "address 2";
    QTest::newRow("truncated") << "truncate=100"
                               << "truncate 2";
    QTest::newRow("late") << "late=100"
                          << "late 2";
}

void TstVt12simProcess::faultShowsOnTheWire() {
    QFETCH(QString, list);
    QFETCH(QString, tally);

    QTemporaryDir ports;
    const QString link = ports.filePath(QStringLiteral("COM10"));
    Simulator simulator({"--port-dir", ports.path(), "--com", "10", "--pace", "--faults", list});
    QVERIFY(simulator.says(QStringLiteral("faults (seed 1)")));
    Line line(link);
    // Two requests, and time enough for every kind to have shown all it sends.
    const QByteArray request = wordsRequest(4, 0, 16);
    const QByteArray early = line.exchange(request, 74, 400);
    const QByteArray first = early + line.exchange(QByteArray(), 74, 900);
    const QByteArray second = line.exchange(request, 74, 1300);
    for (const QByteArray& answer : {first, second}) {
        if (list.startsWith(QLatin1String("timeout"))) {
            QVERIFY(answer.isEmpty());
        } else if (list.startsWith(QLatin1String("crc"))) {
            QCOMPARE(answer.size(), 37);
            QVERIFY(!vt12sim::crcMatches(answer));
        } else if (list.startsWith(QLatin1String("exception"))) {
            QCOMPARE(answer.left(2), QByteArray("\x05\x84", 2));
            QVERIFY(vt12sim::crcMatches(answer));
        } else if (list.startsWith(QLatin1String("duplicate"))) {
            QCOMPARE(answer.size(), 74);
            QCOMPARE(answer.first(37), answer.last(37));
            expectStatusAnswer(answer.first(37));
        } else if (list.startsWith(QLatin1String("address"))) {
            QCOMPARE(answer.size(), 37);
            QVERIFY(answer[0] != '\x05');
            QVERIFY(vt12sim::crcMatches(answer));
        } else if (list.startsWith(QLatin1String("truncate"))) {
            QVERIFY(!answer.isEmpty() && answer.size() < 37);
        } else {
            QCOMPARE(answer.size(), 37);
            expectStatusAnswer(answer);
        }
    }
    QCOMPARE(early.isEmpty(),
             list.startsWith(QLatin1String("late")) || list.startsWith(QLatin1String("timeout")));
    QVERIFY(simulator.stop());
    QVERIFY(simulator.says(QStringLiteral("faults: ") + tally));
}

void TstVt12simProcess::commandLineOutcome_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("message");

    QTest::newRow("help") << QStringList{"--help"} << 0 << QByteArray("SIGUSR2");
    QTest::newRow("unknown option")
        << QStringList{"--port-dir", "/tmp", "--bogus"} << 2 << QByteArray("bogus");
    QTest::newRow("malformed faults") << QStringList{"--port-dir", "/tmp", "--faults", "crc=5,late"}
                                      << 2 << QByteArray("'late' is not KIND=PERCENT");
    QTest::newRow("missing directory")
        << QStringList{"--port-dir", "/nonexistent/vt12sim", "--com", "3"} << 1
        << QByteArray("does not exist");
}

void TstVt12simProcess::commandLineOutcome() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, message);

    QProcess process;
    process.start(binary(), arguments);
    QVERIFY(process.waitForFinished(kProcessPatience));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), exitCode);
    const QByteArray said = process.readAllStandardOutput() + process.readAllStandardError();
    QVERIFY2(said.contains(message), said.constData());
}

VT12_TEST(TstVt12simProcess, TestApplication::Core)
#include "tst_vt12sim_process.moc"
