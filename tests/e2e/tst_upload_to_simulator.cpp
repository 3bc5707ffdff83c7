// A firmware upload from the SERVICE page to the simulator: the settings backup first, the
// chunks on the line, the log and the progress bar, the new version reported, the backup
// restored, a lost answer and a lost link mid-upload.

#include "tests/e2e/window_session.h"
#include "tests/firmware/srecord_text.h"
#include "tests/support/test_registry.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>

namespace {
constexpr int kUploadCom = 4;
// Ten timeouts of 700 ms, detection and the restart after the end chunk.
constexpr int kRecoveryTimeoutMs = 30000;

QStringList CompleteLog() {
    QStringList log{QStringLiteral("Start writing to 40 pages")};
    for (int page = 1; page <= 40; ++page)
        log << QStringLiteral("Page %1").arg(page) + QString(page < 40 ? 8 : 7, u'.');
    log << QStringLiteral("Finished - OK");
    return log;
}

QStringList ChunkSequence() {
    QStringList chunks;
    for (int at = 0x4F80; at <= 0xF000; at += 128)
        chunks << QStringLiteral("110:%1,64").arg(at);
    return chunks;
}

QStringList ChunksSent(const TraceFile& trace) {
    return trace.Requests().filter(QRegularExpression(QStringLiteral("^110:")));
}

QStringList NonEmptyLogLines(TfVT12SetAppMain& window) {
    return window.ui.mKomSts->toPlainText().split(u'\n', Qt::SkipEmptyParts);
}
} // namespace

class TestUploadToSimulator : public QObject {
    Q_OBJECT

    // The program linked to a unit running F05A, with the F06A file chosen; null when the
    // unit is not found.
    TfVT12SetAppMain* OpenLinkedWithFile(WindowSession& session) {
        session.StorePort(kUploadCom);
        TfVT12SetAppMain& window = session.Open({QStringLiteral("PORT=%1").arg(kUploadCom)});
        const QString path = session.ProgramDir() + "/VT12F06A_20240315.vtfw";
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(srec::Text(srec::FirmwareLines(srec::FirmwareWindow("VT12F06A"))));
        file.close();
        window.ui.eFirmwareFile->setText(path);
        const bool linked = QTest::qWaitFor(
            [&] { return window.ui.lFwVersion->text() == "Firmware Version: F05A"; }, kTimeoutMs);
        return linked ? &window : nullptr;
    }

private Q_SLOTS:
    void uploadReportsTheNewVersion_data() {
        QTest::addColumn<QStringList>("simulator");
        QTest::addColumn<QStringList>("chunks");

        QTest::newRow("every answer") << QStringList{} << ChunkSequence();
        QStringList again = ChunkSequence();
        again.insert(again.indexOf("110:24576,64"), "110:24576,64");
        QTest::newRow("answer to 0x6000 lost") << QStringList{"--drop-chunk", "0x6000"} << again;
    }

    void uploadReportsTheNewVersion() {
        QFETCH(QStringList, simulator);
        QFETCH(QStringList, chunks);
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(kUploadCom, simulator));
        TfVT12SetAppMain* linked = OpenLinkedWithFile(session);
        QVERIFY(linked);
        TfVT12SetAppMain& window = *linked;
        QCOMPARE(window.ui.lFirmwareFileError->text(),
                 QStringLiteral("Firmware version: VT12F06A"));
        QTRY_VERIFY(window.ui.bUploadFirmware->isEnabled());
        // Everything read on connecting is in.
        QTRY_COMPARE_WITH_TIMEOUT(window.Session().Scheduler().JobMask(), 0u, kTimeoutMs);
        QCOMPARE(window.ui.lBackupInfo->text(), QStringLiteral("No settings backup yet"));
        QVERIFY(!window.ui.bRestoreBackup->isEnabled());

        window.ui.bUploadFirmware->click();
        // No turn of the scheduler has run, so no chunk has gone out yet.
        const QString backup = LatestSettingsBackup(SettingsBackupFolder());
        QVERIFY(QRegularExpression("-F05A-[a-z0-9]{8}\\.vt12$")
                    .match(QFileInfo(backup).fileName())
                    .hasMatch());
        QCOMPARE(QFileInfo(backup).size(), 2600);
        QCOMPARE(window.ui.lBackupInfo->text(),
                 "Settings backed up before the update: " + QFileInfo(backup).fileName());
        QVERIFY(!window.ui.bUploadFirmware->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(window.ui.lFwVersion->text(),
                                  QStringLiteral("Firmware Version: F06A"), kTimeoutMs);
        QCOMPARE(NonEmptyLogLines(window), CompleteLog());
        QCOMPARE(window.ui.pbKomSts->value(), 1);
        QCOMPARE(window.ui.pbKomSts->maximum(), 320);
        QVERIFY(window.ui.bUploadFirmware->isEnabled());
        QVERIFY(!window.ui.eFirmwareFile->isReadOnly());

        // The backup comes back over the unit's settings read again: a first gate name that the
        // unit does not hold shows it.
        QFile file(backup);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek(900) && file.write("X", 1) == 1);
        file.close();
        window.ui.bRestoreBackup->click();
        QTRY_VERIFY_WITH_TIMEOUT(
            window.ui.lBackupInfo->text().startsWith("Loaded " + QFileInfo(backup).fileName()),
            kTimeoutMs);
        const ControllerImages& images = window.Session().Images();
        QCOMPARE(images.EditedImage(BlockId::GateNames)[0], uint8_t('X'));
        QVERIFY(images.ReadImage(BlockId::GateNames)[0] != uint8_t('X'));
        QCOMPARE(ChunksSent(session.CloseAndReadTrace()), chunks);
    }

    void linkLostMidUploadLeavesTheBootloaderThatTheSameUploadRecovers() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(kUploadCom, {"--drop-chunk", "0x6000,10"}));
        TfVT12SetAppMain* linked = OpenLinkedWithFile(session);
        QVERIFY(linked);
        TfVT12SetAppMain& window = *linked;
        QTRY_VERIFY(window.ui.bUploadFirmware->isEnabled());
        window.ui.bUploadFirmware->click();

        QTRY_VERIFY_WITH_TIMEOUT(!window.ui.lBootloaderCommunication->isHidden(),
                                 kRecoveryTimeoutMs);
        // The pages reached stay in the log; chunk 0x6000 would have begun page 5.
        QCOMPARE(NonEmptyLogLines(window), CompleteLog().mid(0, 5));
        QTRY_VERIFY(window.ui.bUploadFirmware->isEnabled());

        window.ui.bUploadFirmware->click();
        QTRY_COMPARE_WITH_TIMEOUT(window.ui.lFwVersion->text(),
                                  QStringLiteral("Firmware Version: F06A"), kRecoveryTimeoutMs);
        QVERIFY(window.ui.lBootloaderCommunication->isHidden());
        QCOMPARE(NonEmptyLogLines(window), CompleteLog());
        const QStringList sent = ChunksSent(session.CloseAndReadTrace());
        QCOMPARE(sent.mid(sent.size() - 322), ChunkSequence());
    }
};

VT12_TEST(TestUploadToSimulator, TestApplication::Window)
#include "tst_upload_to_simulator.moc"
