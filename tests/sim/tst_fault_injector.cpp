// The faults --faults asks for: the list's syntax, the draws from the seed, and the bytes that
// go on the line in place of each answer.

#include "sim/fault_injector.h"
#include "sim/modbus_crc.h"
#include "tests/sim/sim_requests.h"

#include "tests/support/test_registry.h"

#include <QTest>

using namespace vt12sim;
using simtest::blockRequest;
using simtest::wordsRequest;

Q_DECLARE_METATYPE(vt12sim::FaultKind)

class TstFaultInjector : public QObject {
    Q_OBJECT

private slots:
    void acceptedSpecs_data();
    void acceptedSpecs();
    void rejectedSpecs_data();
    void rejectedSpecs();
    void drawsFollowTheRates_data();
    void drawsFollowTheRates();
    void sameSeedSameFaults();
    void storeFaultOnlyForWrites();
    void storedWriteHasOneByteHigher();
    void answerOnTheLine_data();
    void answerOnTheLine();
    void tallyCountsWhatWasDrawn();
};

namespace {

FaultRates onlyKind(FaultKind kind, int hundredths = 10000) {
    FaultRates rates;
    if (kind != FaultKind::None)
        rates.hundredths[static_cast<std::size_t>(kind) - 1] = hundredths;
    return rates;
}

// A status answer: 16 registers whose bytes count up.
QByteArray statusAnswer() {
    QByteArray frame("\x05\x04\x20", 3);
    for (int i = 0; i < 32; ++i) {
        frame.append(static_cast<char>(i + 1));
    }
    return withCrc(frame);
}

QByteArray joined(const QList<AnswerPiece>& pieces) {
    QByteArray bytes;
    for (const AnswerPiece& piece : pieces) {
        bytes += piece.bytes;
    }
    return bytes;
}

int differingBits(const QByteArray& a, const QByteArray& b) {
    int bits = 0;
    for (qsizetype i = 0; i < a.size(); ++i) {
        bits += __builtin_popcount(static_cast<uint8_t>(a[i] ^ b[i]));
    }
    return bits;
}

} // namespace

void TstFaultInjector::acceptedSpecs_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<FaultKind>("kind");
    QTest::addColumn<int>("hundredths");
    QTest::addColumn<int>("total");

    QTest::newRow("one kind") << "crc=5" << FaultKind::BadCrc << 500 << 500;
    QTest::newRow("decimals") << "late=2.5,timeout=0.25" << FaultKind::Late << 250 << 275;
    QTest::newRow("blanks around") << " split = 10 , noise=1" << FaultKind::Split << 1000 << 1100;
    QTest::newRow("all, then one overridden")
        << "all=5,store=0" << FaultKind::Duplicated << 500 << 4500;
    QTest::newRow("later entry wins")
        << "address=50,address=1" << FaultKind::OtherAddress << 100 << 100;
    QTest::newRow("exactly 100") << "exception=60,truncate=40" << FaultKind::Exception << 6000
                                 << 10000;
    QTest::newRow("all=10 fills 100") << "all=10" << FaultKind::StoredDifferently << 1000 << 10000;
}

void TstFaultInjector::acceptedSpecs() {
    QFETCH(QString, list);
    QFETCH(FaultKind, kind);
    QFETCH(int, hundredths);
    QFETCH(int, total);

    const ParsedFaults parsed = parseFaultRates(list);
    QVERIFY2(parsed.rates.has_value(), qPrintable(parsed.error));
    QCOMPARE(parsed.rates->rate(kind), hundredths);
    QCOMPARE(parsed.rates->total(), total);
}

void TstFaultInjector::rejectedSpecs_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("complaint");

    QTest::newRow("empty") << ""
                           << "KIND=PERCENT";
    QTest::newRow("no rate") << "crc"
                             << "'crc' is not KIND=PERCENT";
    QTest::newRow("two equals") << "crc=5=6"
                                << "'crc=5=6' is not KIND=PERCENT";
    QTest::newRow("unknown kind") << "crc=5,bogus=1"
                                  << "unknown kind 'bogus'";
    QTest::newRow("not a number") << "late=five"
                                  << "not 'five'";
    QTest::newRow("negative") << "late=-1"
                              << "not '-1'";
    QTest::newRow("above 100") << "late=101"
                               << "not '101'";
    QTest::newRow("three decimals") << "late=1.125"
                                    << "not '1.125'";
    QTest::newRow("trailing comma") << "crc=5,"
                                    << "'' is not KIND=PERCENT";
    QTest::newRow("sum above 100") << "all=11"
                                   << "add up to 110";
}

void TstFaultInjector::rejectedSpecs() {
    QFETCH(QString, list);
    QFETCH(QString, complaint);

    const ParsedFaults parsed = parseFaultRates(list);
    QVERIFY(!parsed.rates.has_value());
    QVERIFY2(parsed.error.contains(complaint), qPrintable(parsed.error));
    QVERIFY2(parsed.error.contains(QLatin1String("Kinds: timeout")), qPrintable(parsed.error));
}

void TstFaultInjector::drawsFollowTheRates_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<FaultKind>("kind");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");

    // 10,000 draws; the bounds are far from the expected count, and the seed is fixed anyway.
    QTest::newRow("no faults") << "crc=0" << FaultKind::None << 10000 << 10000;
    QTest::newRow("5 % crc") << "crc=5" << FaultKind::BadCrc << 400 << 600;
    QTest::newRow("5 % crc, of 5 % each") << "all=5" << FaultKind::BadCrc << 400 << 600;
    QTest::newRow("none beside 5 % each") << "all=5" << FaultKind::None << 4600 << 5400;
    QTest::newRow("0.5 % late") << "late=0.5" << FaultKind::Late << 25 << 80;
    QTest::newRow("always a timeout") << "timeout=100" << FaultKind::NoAnswer << 10000 << 10000;
}

void TstFaultInjector::drawsFollowTheRates() {
    QFETCH(QString, list);
    QFETCH(FaultKind, kind);
    QFETCH(int, lowest);
    QFETCH(int, highest);

    FaultInjector injector(*parseFaultRates(list).rates, 1);
    const QByteArray write = blockRequest(16, 0x0800, QByteArray(28, '\x01'));
    int count = 0;
    for (int i = 0; i < 10000; ++i) {
        count += injector.draw(write) == kind ? 1 : 0;
    }
    QVERIFY2(count >= lowest && count <= highest, qPrintable(QString::number(count)));
}

void TstFaultInjector::sameSeedSameFaults() {
    const FaultRates rates = *parseFaultRates(QStringLiteral("all=8")).rates;
    const QByteArray request = wordsRequest(4, 0, 16);
    const auto run = [&](uint32_t seed) {
        FaultInjector injector(rates, seed);
        QByteArray line;
        for (int i = 0; i < 200; ++i) {
            const FaultKind kind = injector.draw(request);
            line.append(static_cast<char>(kind));
            for (const AnswerPiece& piece : injector.shape(kind, request, statusAnswer())) {
                line += QByteArray::number(piece.delayMs) + piece.bytes;
            }
        }
        return line;
    };
    QCOMPARE(run(7), run(7));
    QVERIFY(run(7) != run(8));
}

void TstFaultInjector::storeFaultOnlyForWrites() {
    FaultInjector injector(onlyKind(FaultKind::StoredDifferently), 3);
    QCOMPARE(injector.draw(wordsRequest(3, 0x0800, 97)), FaultKind::None);
    QCOMPARE(injector.draw(simtest::commandRequest(0x8000, 0, 0)), FaultKind::None);
    QCOMPARE(injector.draw(blockRequest(110, 0x5000, QByteArray(128, '\0'))), FaultKind::None);
    QCOMPARE(injector.draw(blockRequest(16, 0x0800, QByteArray(28, '\0'))),
             FaultKind::StoredDifferently);
}

void TstFaultInjector::storedWriteHasOneByteHigher() {
    for (uint32_t seed = 0; seed < 50; ++seed) {
        FaultInjector injector(onlyKind(FaultKind::StoredDifferently), seed);
        const QByteArray write = blockRequest(16, 0x0800, QByteArray(28, '\xFF'));
        const QByteArray taken = injector.asTaken(FaultKind::StoredDifferently, write);
        QCOMPARE(taken.size(), write.size());
        QVERIFY(crcMatches(taken));
        // Header and byte count unchanged; one data byte differs, 0xFF wrapping to 0.
        QCOMPARE(taken.left(7), write.left(7));
        const QByteArray data = taken.mid(7, 28);
        QCOMPARE(data.count('\0'), 1);
        QCOMPARE(data.count('\xFF'), 27);
        QCOMPARE(injector.asTaken(FaultKind::None, write), write);
    }
}

void TstFaultInjector::answerOnTheLine_data() {
    QTest::addColumn<FaultKind>("kind");

    QTest::newRow("none") << FaultKind::None;
    QTest::newRow("timeout") << FaultKind::NoAnswer;
    QTest::newRow("crc") << FaultKind::BadCrc;
    QTest::newRow("truncate") << FaultKind::Truncated;
    QTest::newRow("split") << FaultKind::Split;
    QTest::newRow("noise") << FaultKind::Noise;
    QTest::newRow("exception") << FaultKind::Exception;
    QTest::newRow("late") << FaultKind::Late;
    QTest::newRow("duplicate") << FaultKind::Duplicated;
    QTest::newRow("address") << FaultKind::OtherAddress;
    QTest::newRow("store") << FaultKind::StoredDifferently;
}

void TstFaultInjector::answerOnTheLine() {
    QFETCH(FaultKind, kind);

    const QByteArray request = wordsRequest(4, 0, 16);
    const QByteArray answer = statusAnswer();
    for (uint32_t seed = 0; seed < 100; ++seed) {
        FaultInjector injector(onlyKind(kind), seed);
        const QList<AnswerPiece> pieces = injector.shape(kind, request, answer);
        const QByteArray line = joined(pieces);
        QVERIFY(injector.shape(kind, request, std::nullopt).isEmpty() ||
                kind == FaultKind::Exception);
        if (kind != FaultKind::NoAnswer) {
            QVERIFY(!pieces.isEmpty());
            QVERIFY(pieces.first().delayMs >= 0);
        }
        switch (kind) {
        case FaultKind::None:
        case FaultKind::StoredDifferently:
            QCOMPARE(pieces, (QList<AnswerPiece>{{0, answer}}));
            break;
        case FaultKind::NoAnswer:
            QVERIFY(pieces.isEmpty());
            break;
        case FaultKind::BadCrc:
            QCOMPARE(pieces.size(), 1);
            QCOMPARE(line.size(), answer.size());
            QCOMPARE(differingBits(line, answer), 1);
            QVERIFY(!crcMatches(line));
            break;
        case FaultKind::Truncated:
            QCOMPARE(pieces.size(), 1);
            QVERIFY(!line.isEmpty() && line.size() < answer.size());
            QVERIFY(answer.startsWith(line));
            break;
        case FaultKind::Split:
            QVERIFY(pieces.size() >= 2 && pieces.size() <= 4);
            QCOMPARE(line, answer);
            QCOMPARE(pieces.first().delayMs, 0);
            for (qsizetype i = 1; i < pieces.size(); ++i) {
                QVERIFY(!pieces[i].bytes.isEmpty());
                QVERIFY(pieces[i].delayMs >= 1 &&
                        pieces[i].delayMs <= FaultInjector::kLongestPauseMs);
            }
            break;
        case FaultKind::Noise: {
            QVERIFY(line.size() > answer.size() && line.size() <= answer.size() + 8);
            const bool before = pieces.size() == 1 && line.endsWith(answer);
            const bool after =
                pieces.size() == 2 && pieces[0].bytes == answer && pieces[1].delayMs <= 20;
            QVERIFY(before || after);
            break;
        }
        case FaultKind::Exception:
            QCOMPARE(pieces.size(), 1);
            QCOMPARE(line.size(), 5);
            QCOMPARE(line.left(2), QByteArray("\x05\x84", 2));
            QVERIFY(line[2] >= 1 && line[2] <= 4);
            QVERIFY(crcMatches(line));
            break;
        case FaultKind::Late:
            QCOMPARE(pieces.size(), 1);
            QCOMPARE(line, answer);
            QVERIFY(pieces.first().delayMs >= FaultInjector::kLateFromMs &&
                    pieces.first().delayMs <= FaultInjector::kLateToMs);
            break;
        case FaultKind::Duplicated:
            QCOMPARE(pieces.size(), 2);
            QCOMPARE(line, answer + answer);
            QVERIFY(pieces[1].delayMs <= 50);
            break;
        case FaultKind::OtherAddress:
            QCOMPARE(pieces.size(), 1);
            QVERIFY(line[0] != answer[0]);
            QCOMPARE(line.mid(1, answer.size() - 3), answer.mid(1, answer.size() - 3));
            QVERIFY(crcMatches(line));
            break;
        }
    }
}

void TstFaultInjector::tallyCountsWhatWasDrawn() {
    FaultInjector injector(*parseFaultRates(QStringLiteral("crc=50,late=50")).rates, 5);
    for (int i = 0; i < 100; ++i) {
        injector.draw(wordsRequest(4, 0, 16));
    }
    const int crc = injector.tally()[static_cast<std::size_t>(FaultKind::BadCrc) - 1];
    const int late = injector.tally()[static_cast<std::size_t>(FaultKind::Late) - 1];
    QCOMPARE(crc + late, 100);
    QCOMPARE(injector.tallyText(), QStringLiteral("crc %1, late %2").arg(crc).arg(late));
}

VT12_TEST(TstFaultInjector, TestApplication::Core)
#include "tst_fault_injector.moc"
