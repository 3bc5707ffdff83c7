// The firmware update panel of the window: the verdict on the label, the upload button, and
// what starting an upload does to the log and the progress bar.

#include "tests/firmware/srecord_text.h"
#include "tests/support/offline_window.h"
#include "tests/support/register_replies.h"
#include "tests/support/test_registry.h"
#include "window/main_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

class TestFirmwareUpdateView : public QObject {
    Q_OBJECT
    OfflineWindow offline;
    QTemporaryDir files;

    MainWindowUi& ui() { return offline.Ui(); }

    QString write(const QString& name, const QByteArray& content) {
        QFile file(files.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(file.fileName()));
        file.write(content);
        return file.fileName();
    }

    QColor labelColour() { return ui().lFirmwareFileError->palette().color(QPalette::WindowText); }

private Q_SLOTS:
    void init() { offline.Open(false); }
    void cleanup() { offline.Close(); }

    void verdictOnTheLabel_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("valid") << srec::Text(srec::FirmwareLines()) << "Firmware version: VT12F05A"
                               << QColor(0, 128, 0);
        QTest::newRow("corrupted") << QByteArray("S1") << "File is corrupted" << QColor(255, 0, 0);
        QTest::newRow("markup as the version")
            << srec::Text(srec::FirmwareLines(srec::FirmwareWindow("<h1>X</h")))
            << "Firmware version: <h1>X</h" << QColor(0, 128, 0);
    }
    void verdictOnTheLabel() {
        QFETCH(QByteArray, content);
        QFETCH(QString, text);
        QFETCH(QColor, colour);
        offline.Window().Session().SetLinkState(false);
        ui().pbKomSts->setValue(7);
        ui().eFirmwareFile->setText(write("fw.vtfw", content));
        QCOMPARE(ui().lFirmwareFileError->text(), text);
        QCOMPARE(labelColour(), colour);
        QVERIFY(ui().lFirmwareFileError->sizeHint().width() >=
                ui().lFirmwareFileError->fontMetrics().horizontalAdvance(text));
        QCOMPARE(ui().pbKomSts->value(), 0);
        // No controller answers.
        QVERIFY(!ui().bUploadFirmware->isEnabled());

        ui().eFirmwareFile->setText(QString());
        QCOMPARE(ui().lFirmwareFileError->text(), QStringLiteral("The firmware file not selected"));
        QCOMPARE(labelColour(), QColor(255, 0, 0));
    }

    // Every label of the window may come to show a text of the unit or of a file.
    void everyLabelShowsPlainText() {
        for (const QLabel* label : offline.Window().findChildren<QLabel*>()) {
            // The file dialogs are Qt's own; a picture has no text.
            if (label->window() != &offline.Window() || !label->pixmap().isNull())
                continue;
            QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));
        }
    }

    void uploadStartsFromTheButton() {
        ui().eFirmwareFile->setText(write("fw.vtfw", srec::Text(srec::FirmwareLines())));
        offline.Window().Session().SetLinkState(true);
        QVERIFY(ui().bUploadFirmware->isEnabled());
        ui().mKomSts->setPlainText(QStringLiteral("Checking gate settings...OK"));

        ui().bUploadFirmware->click();
        QVERIFY(ui().mKomSts->toPlainText().isEmpty());
        QCOMPARE(ui().pbKomSts->maximum(), 320);
        QCOMPARE(ui().pbKomSts->value(), 0);
        QVERIFY(!ui().pbKomSts->isHidden());
        QVERIFY(!ui().bUploadFirmware->isEnabled());
        QVERIFY(offline.Window().Session().Scheduler().HasJob(JOB_WRITE_FIRMWARE_CHUNK));
        // Typing a path during the upload does not free the button.
        ui().eFirmwareFile->setText(ui().eFirmwareFile->text());
        ui().eFirmwareFile->setText(ui().eFirmwareFile->text() + u' ');
        ui().eFirmwareFile->setText(ui().eFirmwareFile->text().trimmed());
        QCOMPARE(ui().lFirmwareFileError->text(), QStringLiteral("Firmware version: VT12F05A"));
        QVERIFY(!ui().bUploadFirmware->isEnabled());
        QVERIFY(ui().eFirmwareFile->isReadOnly());
        QVERIFY(!ui().bFirmwareFileOpen->isEnabled());

        // Detection replaces the jobs and shows the link down: the upload is over.
        offline.Window().Session().Scheduler().ReplaceJobs(JOB_READ_FIRMWARE_INFO);
        offline.Window().Session().SetLinkState(false);
        QVERIFY(!ui().eFirmwareFile->isReadOnly());
        QVERIFY(ui().bFirmwareFileOpen->isEnabled());
    }

    void bootloaderModeAllowsTheUpload() {
        ui().eFirmwareFile->setText(write("fw.vtfw", srec::Text(srec::FirmwareLines())));
        offline.Window().Session().SetLinkState(true);
        offline.Window().Session().OnFirmwareInfo(ControllerSession::FirmwarePart::First,
                                                  replyOf(textReply("VT12B03C")));
        QVERIFY(!ui().lBootloaderCommunication->isHidden());
        QVERIFY(ui().bUploadFirmware->isEnabled());
    }
};

VT12_TEST(TestFirmwareUpdateView, TestApplication::Window)
#include "tst_firmware_update_view.moc"
