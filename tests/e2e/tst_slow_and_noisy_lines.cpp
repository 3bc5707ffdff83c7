// vt12cli and the window against lines that are slow, noisy or broken: a MASTER answering
// seconds late is backed up as it holds its blocks, a line of noise is given up after one
// round, and an update the unit did not take is no success.

#include "data/controller_images.h"
#include "data/identification.h"
#include "data/settings_file.h"
#include "tests/e2e/cli_process.h"
#include "tests/e2e/window_session.h"
#include "tests/firmware/srecord_text.h"
#include "tests/support/test_registry.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace {
constexpr int kNoisyCom = 6;

QHash<int, QByteArray> ReadStore(const QString& path) {
    QHash<int, QByteArray> store;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return store;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() == 2)
            store.insert(words[0].toInt(), QByteArray::fromHex(words[1]));
    }
    return store;
}

QString WriteFirmwareFile(const QString& dir, const char* version) {
    const QString path = QDir(dir).filePath(QStringLiteral("%1.vtfw").arg(version));
    QFile firmware(path);
    if (firmware.open(QIODevice::WriteOnly))
        firmware.write(srec::Text(srec::FirmwareLines(srec::FirmwareWindow(version))));
    return path;
}
} // namespace

class TestSlowAndNoisyLines : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Answers of the same length for the master and the slave blocks: none taken for another.
    void backupOfALateMasterIsWhatItHolds_data() {
        QTest::addColumn<QString>("latency");
        QTest::newRow("1 s late") << QStringLiteral("1000");
        QTest::newRow("2 s late") << QStringLiteral("2000");
    }
    void backupOfALateMasterIsWhatItHolds() {
        QFETCH(QString, latency);
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        const QString storePath = QDir(session.ProgramDir()).filePath("store");
        QVERIFY(
            sim.Start(kNoisyCom, {"--master", "--latency", latency, "--store-file", storePath}));
        const QString file = QDir(session.ProgramDir()).filePath("late.vt12");
        const CliResult backup = RunCli({"backup", file, "--port", QString::number(kNoisyCom)});
        QCOMPARE(backup.exitCode, 0);

        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        ControllerImages images;
        const SettingsFileLoaded loaded = TakeSettingsFile(saved.readAll(), images);
        QVERIFY(loaded.ok);
        const QHash<int, QByteArray> store = ReadStore(storePath);
        for (const BlockId block :
             {BlockId::GateSettings, BlockId::SlaveGateSettings, BlockId::SystemSettings,
              BlockId::GateNames, BlockId::SlaveGateNames}) {
            const std::span<const uint8_t> image = std::as_const(images).EditedImage(block);
            const QByteArray held = store.value(SpecOf(block).start);
            QVERIFY2(QByteArrayView(image.data(), qsizetype(image.size())) == held,
                     SpecOf(block).name);
        }
        // The identification memo: the first block's text once, then the second's.
        const QByteArray first = store.value(SpecOf(BlockId::FirmwareInfo).start);
        const QString firstText =
            IdentificationText(reinterpret_cast<const uint8_t*>(first.constData()),
                               int(first.size()))
                .left(24);
        QVERIFY(loaded.mFwData.has_value());
        QCOMPARE(loaded.mFwData->count(firstText), 1);
    }

    // The slave's version is read before the first status poll tells that the slave is there.
    void infoNamesTheSlavesVersion() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(kNoisyCom, {"--master"}));
        const CliResult info = RunCli({"info", "--json", "--port", QString::number(kNoisyCom)});
        QCOMPARE(info.exitCode, 0);
        const QJsonObject object = QJsonDocument::fromJson(info.out).object();
        QVERIFY(object.value("slaveConnected").toBool());
        QVERIFY2(object.value("slaveFirmwareCode").toString().contains("F05A"),
                 info.out.constData());
    }

    // Noise, an echoing adapter: no controller, and the command ends after one round.
    void noisyLineEndsWithTwo_data() {
        QTest::addColumn<QString>("noise");
        QTest::newRow("random bytes") << QStringLiteral("random");
        QTest::newRow("echo") << QStringLiteral("echo");
    }
    void noisyLineEndsWithTwo() {
        QFETCH(QString, noise);
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(kNoisyCom, {"--line-noise", noise}));
        const CliResult detect = RunCli({"detect", "--port", QString::number(kNoisyCom)});
        QCOMPARE(detect.exitCode, 2);
        QVERIFY(detect.out.isEmpty());
        const CliResult info = RunCli({"info"});
        QCOMPARE(info.exitCode, 2);
    }

    void windowPassesANoisyPortWithinOneScan() {
        WindowSession session;
        SimulatorProcess noisy(session.PortDir());
        SimulatorProcess controller(session.PortDir());
        QVERIFY(noisy.Start(1, {"--line-noise", "random"}));
        QVERIFY(controller.Start(3));
        session.StorePort(1);
        session.Open();
        QTRY_COMPARE_WITH_TIMEOUT(session.Caption(), QStringLiteral("Detected on COM3"),
                                  3 * WindowSession::kDetectTimeoutMs);
        const TraceFile trace = session.CloseAndReadTrace();
        const QStringList opened = trace.Events("OPEN");
        QVERIFY(!opened.isEmpty());
        QCOMPARE(opened.first(), QStringLiteral("1"));
        QCOMPARE(opened.count(QStringLiteral("3")), 1);
    }

    // Success only when the unit answers with the file's firmware; a slow restart is waited for.
    void firmwareOutcomeIsTheUnits_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("refused") << QStringList{"--refuse-firmware"} << 3;
        QTest::newRow("8 s to restart") << QStringList{"--restart-ms", "8000"} << 0;
    }
    void firmwareOutcomeIsTheUnits() {
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(kNoisyCom, options));
        const QString file = WriteFirmwareFile(session.ProgramDir(), "VT12F06A");
        const CliResult upload = RunCli({"firmware", file, "--port", QString::number(kNoisyCom)});
        QCOMPARE(upload.exitCode, exitCode);
        QVERIFY2(upload.out.contains("\nPage 40.......\nFinished - OK\n"), upload.out.constData());
        if (exitCode == 0)
            QVERIFY(upload.out.endsWith("Firmware code: F06A\n"));
        else
            QVERIFY2(upload.err.contains("F05A") && upload.err.contains("F06A"),
                     upload.err.constData());
    }
};

VT12_TEST(TestSlowAndNoisyLines, TestApplication::Window)
#include "tst_slow_and_noisy_lines.moc"
