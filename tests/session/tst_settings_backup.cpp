// Whether a settings backup is due before an upload, what it is named, and which of a folder's
// backups is the newest.

#include "data/identification.h"
#include "data/job_bits.h"
#include "firmware/firmware_stamp.h"
#include "session/settings_backup.h"

#include "tests/session/backup_skip.h"
#include "tests/support/test_registry.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <bit>

namespace {
const QDateTime kEvening(QDate(2026, 12, 9), QTime(19, 30, 12, 345));
const QDateTime kMorning(QDate(2027, 1, 2), QTime(7, 5, 9));
constexpr uint32_t kUnitReads =
    JOB_READ_SYSTEM_SETTINGS | JOB_READ_GATE_SETTINGS | JOB_READ_GATE_NAMES;
} // namespace

class TestSettingsBackup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void decision_data() {
        QTest::addColumn<bool>("bootloader");
        QTest::addColumn<uint32_t>("reads");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QDateTime>("time");
        QTest::addColumn<Skip>("skip");
        QTest::addColumn<QString>("name");

        QTest::newRow("read from a running unit")
            << false << kUnitReads << "F05A" << kEvening << Skip::None
            << "vt12-2026-12-09_193012-F05A.vt12";
        QTest::newRow("with the slave's blocks")
            << false << (kUnitReads | JOB_READ_SLAVE_GATE_SETTINGS | JOB_READ_SLAVE_GATE_NAMES)
            << "F04B" << kMorning << Skip::None << "vt12-2027-01-02_070509-F04B.vt12";
        QTest::newRow("old firmware's code with a blank")
            << false << kUnitReads << " 205" << kEvening << Skip::None
            << "vt12-2026-12-09_193012--205.vt12";
        QTest::newRow("code that would leave the folder")
            << false << kUnitReads << "F/.." << kEvening << Skip::None
            << "vt12-2026-12-09_193012-F---.vt12";
        QTest::newRow("bootloader, settings read before")
            << true << kUnitReads << "B03C" << kEvening << Skip::BootloaderMode << "";
        QTest::newRow("nothing read")
            << false << 0u << "F05A" << kEvening << Skip::SettingsNotRead << "";
        QTest::newRow("names not read yet")
            << false << (JOB_READ_SYSTEM_SETTINGS | JOB_READ_GATE_SETTINGS) << "F05A" << kEvening
            << Skip::SettingsNotRead << "";
        QTest::newRow("only the slave's blocks")
            << false << (JOB_READ_SLAVE_GATE_SETTINGS | JOB_READ_SLAVE_GATE_NAMES) << "F05A"
            << kEvening << Skip::SettingsNotRead << "";
    }

    void decision() {
        QFETCH(bool, bootloader);
        QFETCH(uint32_t, reads);
        QFETCH(QString, code);
        QFETCH(QDateTime, time);
        QFETCH(Skip, skip);
        QFETCH(QString, name);
        const SettingsBackupDecision decision =
            DecideSettingsBackup(bootloader, reads, FirmwareCode::FromText(code), time);
        QCOMPARE(decision.skip, skip);
        QCOMPARE(decision.fileName, name);
    }

    void latestIsTheNewestBackupOfTheFolder_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("latest");

        QTest::newRow("empty") << QStringList{} << "";
        QTest::newRow("others only") << QStringList{"unit.vt12", "vt12-notes.txt"} << "";
        QTest::newRow("written out of order")
            << QStringList{"vt12-2027-01-02_070509-F05A.vt12", "vt12-2026-12-09_193012-F06A.vt12",
                           "zz.vt12"}
            << "vt12-2027-01-02_070509-F05A.vt12";
    }

    void latestIsTheNewestBackupOfTheFolder() {
        QFETCH(QStringList, files);
        QFETCH(QString, latest);
        QTemporaryDir dir;
        for (const QString& name : files) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(LatestSettingsBackup(dir.path()), latest.isEmpty() ? "" : dir.filePath(latest));
        QCOMPARE(LatestSettingsBackup(dir.filePath("missing")), QString());
    }

    // The unit reports the stamp its update wrote; the backup taken for that update is found
    // by it, whatever the milliseconds, and another second's backup never is.
    void backupFoundByTheUpdateTimeItsUnitReports() {
        QRandomGenerator random(21);
        for (int run = 0; run < 200; ++run) {
            const int ms = run % 3 == 0 ? 999 * (run % 2) : int(random.bounded(1000));
            const QDateTime began(
                QDate(2026, 1, 1).addDays(random.bounded(3650)),
                QTime::fromMSecsSinceStartOfDay(int(random.bounded(86400)) * 1000 + ms));
            QTemporaryDir dir;
            const QString ours = dir.filePath(
                SettingsBackupFileName(began, FirmwareCode::FromText("F03K")).chopped(5) +
                "-abcdefgh.vt12");
            const QString other = dir.filePath(
                SettingsBackupFileName(began.addSecs(1), FirmwareCode::FromText("F03K")));
            for (const QString& path : {ours, other}) {
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly));
            }
            std::array<uint8_t, 248> reply{};
            const auto days = std::bit_cast<uint64_t>(DaysSinceDayZero(began));
            for (int i = 0; i < 8; ++i)
                reply[size_t(64 + i)] = uint8_t(days >> (8 * i));
            const std::optional<QDateTime> reported = UpdateTimeOf(reply.data(), int(reply.size()));
            QVERIFY(reported);
            QCOMPARE(*reported, began);
            QCOMPARE(SettingsBackupForUpdate(dir.path(), *reported), ours);
            QCOMPARE(SettingsBackupForUpdate(dir.path(), began.addSecs(-1)), QString());
        }
        // An unset stamp is no update time.
        const std::array<uint8_t, 248> unset{};
        QVERIFY(!UpdateTimeOf(unset.data(), int(unset.size())));
    }

    // Offered newest first, each by its date, firmware and first gate names.
    void backupsToChooseFrom() {
        QTemporaryDir dir;
        for (const auto& [name, gates] :
             {std::pair{"vt12-2026-12-09_193012-F03K.vt12", QByteArray("Saw")},
              {"vt12-2027-01-02_070509-F05A.vt12", QByteArray("Planer")}}) {
            QByteArray bytes(2600, '\0');
            bytes.replace(900, gates.size(), gates);
            bytes.replace(920, 6, "Sander");
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        const QList<SettingsBackupEntry> backups = SettingsBackups(dir.path());
        QCOMPARE(backups.size(), 2);
        QCOMPARE(backups[0].description, "2027-01-02 07:05:09, F05A: Planer, Sander");
        QCOMPARE(backups[1].path, dir.filePath("vt12-2026-12-09_193012-F03K.vt12"));
        QCOMPARE(backups[1].description, "2026-12-09 19:30:12, F03K: Saw, Sander");
        // A unit last updated in between never had the later update: that backup is another's.
        for (const auto& [updated, offered] :
             {std::pair{QDateTime(QDate(2026, 12, 9), QTime(19, 30, 12, 999)), 1},
              {QDateTime(QDate(2027, 1, 2), QTime(7, 5, 8, 999)), 1},
              {QDateTime(QDate(2027, 1, 2), QTime(7, 5, 9, 1)), 2}})
            QCOMPARE(SettingsBackups(dir.path(), updated).size(), offered);
    }
};

VT12_TEST(TestSettingsBackup, TestApplication::Core)
#include "tst_settings_backup.moc"
