// The session host on a real port, mapped to a network address where a small unit answers:
// its answers come in pieces and reach the session once, its log lines carry their verdicts,
// and a save reports which blocks were written and verified.

#include "session/session_host.h"

#include "tests/support/test_registry.h"
#include "tests/support/with_crc.h"

#include <QHash>
#include <QSet>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <random>

namespace {
constexpr int kTimeoutMs = 20000;
constexpr int kCom = 3;
constexpr BlockId kMasterBlocks[] = {BlockId::GateSettings, BlockId::SystemSettings,
                                     BlockId::GateNames, BlockId::VacuumSettings};

uint16_t Word(const QByteArray& bytes, int at) {
    return uint16_t(uint8_t(bytes[at]) << 8 | uint8_t(bytes[at + 1]));
}

// A unit behind a serial server: function 3 and 4 reads answer with what it holds (its
// identification, the blocks written; zeros and a serial number in the last two bytes for the
// rest, so that no answer repeats the one before), function 16 writes are kept, spoiled for
// the addresses it refuses. Each answer leaves in two pieces.
class FakeUnit : public QObject {
public:
    FakeUnit() {
        server_.listen(QHostAddress::LocalHost);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            socket_ = server_.nextPendingConnection();
            connect(socket_, &QTcpSocket::readyRead, this, [this] { Take(); });
        });
        QByteArray identification(248, '\0');
        identification.replace(0, 8, "VT12F05A");
        held_.insert(2048, identification);
    }
    QString Url() const { return QStringLiteral("tcp://127.0.0.1:%1").arg(server_.serverPort()); }

    QSet<uint16_t> refused;
    bool silent = false;
    int answers = 0;

private:
    void Take() {
        pending_ += socket_->readAll();
        while (pending_.size() >= 8) {
            const uint8_t function = uint8_t(pending_[1]);
            const int length = function == 16 ? 9 + uint8_t(pending_[6]) : 8;
            if (pending_.size() < length)
                return;
            Answer(pending_.left(length));
            pending_.remove(0, length);
        }
    }

    void Answer(const QByteArray& request) {
        if (silent)
            return;
        const uint16_t start = Word(request, 2);
        const uint16_t count = Word(request, 4);
        QByteArray answer = request.left(2);
        if (request[1] == 16) {
            QByteArray data = request.mid(7, 2 * count);
            if (refused.contains(start))
                data[1] = char(data[1] ^ 0x40);
            held_.insert(start, data);
            answer += request.mid(2, 4);
        } else if (held_.contains(start)) {
            answer += char(2 * count) + held_.value(start).leftJustified(2 * count, '\0', true);
        } else {
            QByteArray data(2 * count - 2, '\0');
            data.append(char(answers >> 8)).append(char(answers));
            answer += char(2 * count) + data;
        }
        const QByteArray wire = WithCrc(answer);
        ++answers;
        socket_->write(wire.left(3));
        socket_->flush();
        socket_->write(wire.mid(3));
    }

    QTcpServer server_;
    QTcpSocket* socket_ = nullptr;
    QByteArray pending_;
    QHash<uint16_t, QByteArray> held_;
};

// The log as a memo holds it, with the verdict each line was given.
struct LogRecord {
    QStringList lines;
    QList<std::pair<QString, bool>> judged;
};
class TestSessionHost : public QObject {
    Q_OBJECT
    std::unique_ptr<FakeUnit> unit;
    std::unique_ptr<SessionHost> host;
    LogRecord log;
    int taken = 0;
    int failed = 0;

    ControllerSession& session() { return host->Session(); }

    // Found on its port and read as on connecting: polling has begun. The "no data" shown when
    // detection starts is not yet a poll.
    void connectUnit() {
        bool identified = false;
        bool polled = false;
        QObject watching;
        connect(&session(), &ControllerSession::FirmwareTextRead, &watching,
                [&](ControllerSession::FirmwarePart part) {
                    identified |= part == ControllerSession::FirmwarePart::First;
                });
        connect(&session(), &ControllerSession::StatusPolled, &watching,
                [&] { polled |= identified; });
        host->StartDetection();
        QTRY_VERIFY_WITH_TIMEOUT(polled && session().Scheduler().JobMask() == 0, kTimeoutMs);
    }

    SaveResult save() {
        QSignalSpy finished(&session(), &ControllerSession::SaveFinished);
        session().StartSave();
        [&] { QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, kTimeoutMs); }();
        return finished.isEmpty() ? SaveResult() : finished.first().first().value<SaveResult>();
    }

private Q_SLOTS:
    void init() {
        unit = std::make_unique<FakeUnit>();
        host = std::make_unique<SessionHost>();
        log = {};
        host->Port().PortPaths.insert(QStringLiteral("COM%1").arg(kCom), unit->Url());
        session().Detector().SetFixedPort(kCom);
        taken = failed = 0;
        TModbusClient& client = session().Client();
        client.OnResult = [this, take = client.OnResult](TModbusResult& result) {
            ++(result.Status == mrOK ? taken : failed);
            take(result);
        };
        connect(host.get(), &SessionHost::LogWritten, this,
                [this](const QString& text, bool append, bool replace) {
                    if ((!append && !replace) || log.lines.isEmpty())
                        log.lines << text;
                    else
                        log.lines.last() = replace ? text : log.lines.last() + text;
                });
        connect(host.get(), &SessionHost::LogLineJudged, this, [this](bool ok) {
            log.judged.append({log.lines.value(log.lines.size() - 1), ok});
        });
    }
    void cleanup() {
        host.reset();
        unit.reset();
    }

    void answersInPiecesReachTheSessionOnce() {
        QSignalSpy identified(&session(), &ControllerSession::FirmwareTextRead);
        QSignalSpy link(&session(), &ControllerSession::LinkChanged);
        connectUnit();
        QCOMPARE(session().Features().MasterCode().Text(), QStringLiteral("F05A"));
        QCOMPARE(identified.first().at(1).toString().left(8), QStringLiteral("VT12F05A"));
        QCOMPARE(link.last().at(0).toBool(), true);
        QCOMPARE(link.last().at(1).toInt(), kCom);
        // Every answer the unit sent was taken whole, none twice and none spoiled; the unit
        // falls silent so that the last one is not overtaken by the next.
        unit->silent = true;
        const int failedWhileAnswered = failed;
        QTRY_COMPARE_WITH_TIMEOUT(taken, unit->answers, kTimeoutMs);
        QCOMPARE(failedWhileAnswered, 0);
    }

    // Seeded saves of random edits to a unit that refuses random blocks: each save reports
    // as written exactly the blocks it changed, as verified those the unit holds as written,
    // and every log line it judged carries the verdict its text tells the technician.
    void savesReportTheirBlocks() {
        connectUnit();
        std::mt19937 random(22);
        for (int round = 0; round < 12; ++round) {
            uint32_t changed = 0;
            uint32_t refused = 0;
            unit->refused.clear();
            for (const BlockId block : kMasterBlocks) {
                if (random() % 2 == 0) {
                    std::span<uint8_t> edited = session().Images().EditedImage(block);
                    edited[1] = uint8_t(edited[1] ^ (1 + random() % 0x3F));
                }
                if (session().Images().IsChanged(block))
                    changed |= BlockBit(block);
                if (random() % 3 == 0) {
                    refused |= BlockBit(block);
                    unit->refused.insert(SpecOf(block).start);
                }
            }
            log = {};
            const SaveResult result = save();
            QCOMPARE(result.written, changed);
            QCOMPARE(result.verified, changed & ~refused);
            QCOMPARE(result.differing, changed & refused);
            QVERIFY(!result.interrupted);
            QCOMPARE(result.Ok(), (changed & refused) == 0);
            for (const BlockId block : kMasterBlocks)
                QCOMPARE(session().Images().IsChanged(block),
                         (changed & refused & BlockBit(block)) != 0);
            QCOMPARE(log.judged.size(), 4 + std::popcount(changed));
            for (const auto& [line, ok] : log.judged)
                QVERIFY2(line.endsWith(ok ? QStringLiteral("OK") : QStringLiteral("FALSE!")),
                         qPrintable(line));
        }
    }
};
} // namespace

VT12_TEST(TestSessionHost, TestApplication::Core)
#include "tst_session_host.moc"
