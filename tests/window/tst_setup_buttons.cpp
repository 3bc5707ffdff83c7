// The buttons around the settings: the log panel brought onto SETUP by a save, the counters and
// restart buttons, and the settings file through its dialogs.

#include "core/uncaught_error.h"
#include "data/settings_file.h"
#include "data/system_settings_controls.h"
#include "tests/support/file_dialog_answer.h"
#include "tests/support/offline_window.h"
#include "tests/support/test_registry.h"
#include "window/gate_grid.h"
#include "window/main_window.h"

#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

QByteArray bytesOf(std::span<const uint8_t> image) {
    return QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size()));
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSetupButtons : public QObject {
    Q_OBJECT
    OfflineWindow offline;
    QTemporaryDir files;
    QStringList errors;

    ControllerSession& session() { return offline.Session(); }
    MainWindowUi& ui() { return offline.Ui(); }

private Q_SLOTS:
    void init() {
        errors.clear();
        SetUncaughtErrorHandler([this](const QString& text) { errors << text; });
        offline.Open();
        session().Scheduler().ClearJob(~0u);
    }
    void cleanup() {
        offline.Close();
        SetUncaughtErrorHandler(nullptr);
    }

    void saveBringsTheLogOntoSetupForThreeSeconds() {
        QFrame* panel = ui().pKomStatus;
        const QRect onService = panel->geometry();
        Q_EMIT ui().bSave->clicked(); // disabled while no controller answers
        QCOMPARE(panel->parentWidget(), ui().tsSettings);
        QCOMPARE(panel->pos(), QPoint(280, 130));
        QCOMPARE(ui().tsSettings->children().last(), panel); // in front
        QVERIFY(!panel->isHidden());
        QVERIFY(ui().tHidePanelKom->isActive());
        QCOMPARE(ui().tHidePanelKom->interval(), 3000);

        // A second save within the time keeps the panel's place on SERVICE.
        Q_EMIT ui().bSave2->clicked();
        ui().tHidePanelKom->setInterval(1);
        QTRY_COMPARE(panel->parentWidget(), ui().tsDetail);
        QVERIFY(!ui().tHidePanelKom->isActive());
        QCOMPARE(panel->geometry(), onService);
        QVERIFY(!panel->isHidden());
    }

    void serviceButtonsSetTheirJobs_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<uint32_t>("jobs");
        QTest::newRow("Refresh Counters")
            << "bRefreshCounters" << uint32_t(JOB_READ_COUNTERS | JOB_READ_SLAVE_COUNTERS);
        QTest::newRow("Restart") << "bResetUnit" << uint32_t(JOB_RESET_UNIT);
    }
    void serviceButtonsSetTheirJobs() {
        QFETCH(QString, button);
        QFETCH(uint32_t, jobs);
        offline.Window().findChild<QPushButton*>(button)->click();
        QCOMPARE(session().Scheduler().JobMask(), jobs);
    }

    void warningFitsItsPanel() {
        const QLabel* label = ui().lAtLeastOneGate;
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <=
                label->contentsRect().width());
        QVERIFY(ui().pFanDelays->rect().contains(label->geometry()));
    }

    void savedFileLoadsBack() {
        const QString path = files.filePath("unit.vt12");
        ui().eOnDelay->setText("7");
        ui().eCleanHowLong->setText("9");
        ui().mCtcs->setPlainText("Runs: 12\nHours: 3");
        const ControllerImages saved = session().Images();
        AnswerFileDialog(ui().dSave, path);
        ui().bSaveToFile->click();
        QCOMPARE(fileBytes(path).size(), 2600);
        QCOMPARE(fileBytes(path).left(2), QByteArray("\x00\x46", 2));

        ui().eOnDelay->setText("1");
        ui().eCleanHowLong->setText("4");
        ui().mCtcs->clear();
        session().Images().GateNames.Edited.Names[3].SetName("Other");
        session().ShowGateTables();
        // The firmware selection left its filter in the shared dialog.
        ui().dOpen->setNameFilters({"Vantor 12 Firmware (*.vtfw)"});
        QStringList offered;
        AnswerFileDialog(ui().dOpen, path, &offered);
        ui().bLoadFromFile->click();

        QCOMPARE(offered, SettingsFileFilters());
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
        QCOMPARE(ui().eOnDelay->text(), QStringLiteral("7"));
        QCOMPARE(ui().eCleanHowLong->text(), QStringLiteral("9"));
        QCOMPARE(ui().mCtcs->toPlainText(), QStringLiteral("Runs: 12\nHours: 3"));
        QCOMPARE(session().Images().SystemSettings.Edited.Bytes, saved.SystemSettings.Edited.Bytes);
        QCOMPARE(bytesOf(session().Images().EditedImage(BlockId::GateNames)),
                 bytesOf(saved.EditedImage(BlockId::GateNames)));
        QCOMPARE(session().Images().SystemSettings.Read.Bytes, saved.SystemSettings.Read.Bytes);
        QCOMPARE(ui().gData->model()->index(3, 1).data().toString(),
                 saved.GateNames.Edited.Names[3].Name());
    }

    void masterFileShowsTheMasterMode() {
        const QString path = files.filePath("master.vt12");
        QByteArray bytes(2600, '\0');
        bytes[20] = 2;
        bytes.replace(1200, 6, "Shaper");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        AnswerFileDialog(ui().dOpen, path);
        ui().bLoadFromFile->click();
        QCOMPARE(session().InstallationMode(), 2);
        QVERIFY(ui().rbSlaveOnPort2->isChecked());
        QCOMPARE(session().Images().SystemSettings.Edited.Bytes[20], uint8_t(2));
        QCOMPARE(ui().gData->model()->rowCount(), 24);
        QCOMPARE(ui().gData->model()->index(12, 1).data().toString(), QStringLiteral("Shaper"));
        QVERIFY(ui().bSave->font().bold()); // differs from what was read
    }

    void minAirVolumeFollowsTheLoadedGates() {
        ControllerImages file = session().Images();
        QVERIFY(file.SystemSettings.Edited.SmartMinAirflowEnabled());
        for (size_t gate = 1; gate < 12; ++gate)
            file.GateSettings.Edited.Gates[gate].SetEnabled(0);
        const QString path = files.filePath("one gate.vt12");
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(SettingsFileBytes(file, {}));
        out.close();
        const int totalBefore = session().GateTable().TotalAirVolume();

        AnswerFileDialog(ui().dOpen, path);
        ui().bLoadFromFile->click();
        const int total = session().GateTable().TotalAirVolume();
        QVERIFY(total < totalBefore);
        QCOMPARE(ui().lIniOpCfm->text(), QString::number(MinAirVolume(25, total)));
    }

    void defaultsShowThemUnsaved() {
        QVERIFY(!ui().bSave->font().bold());
        ui().bDefault->click();
        QVERIFY(ui().bSave->font().bold());
    }

    // Any file is taken as images: the screens show whatever its bytes say.
    void noiseLoadsWithoutHarm() {
        QByteArray noise(3 * 1024 * 1024, Qt::Uninitialized);
        QRandomGenerator random(7);
        for (char& byte : noise)
            byte = char(random.bounded(256));
        const QString path = files.filePath("noise.vt12");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(noise);
        file.close();
        const ControllerImages before = session().Images();
        AnswerFileDialog(ui().dOpen, path);
        ui().bLoadFromFile->click();
        QVERIFY(errors.isEmpty());
        QCOMPARE(session().Images().VacuumSettings.Edited.Bytes,
                 before.VacuumSettings.Edited.Bytes);
        QVERIFY(session().InstallationMode() >= 0 && session().InstallationMode() <= 3);
    }

#ifdef Q_OS_UNIX
    void fileThatCannotBeReadIsReported() {
        const QString path = files.filePath("pipe.vt12");
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        const ControllerImages before = session().Images();
        AnswerFileDialog(ui().dOpen, path);
        ui().bLoadFromFile->click();
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors.first().startsWith(path + ": "), qPrintable(errors.first()));
        QCOMPARE(session().Images().SystemSettings.Edited.Bytes,
                 before.SystemSettings.Edited.Bytes);
    }
#endif

    void fileThatCannotBeWrittenIsReported() {
        const QString path = files.filePath("no/such/folder.vt12");
        AnswerFileDialog(ui().dSave, path);
        ui().bSaveToFile->click();
        QCOMPARE(errors.size(), 1);
        QVERIFY(!QFileInfo::exists(path));
    }
};

VT12_TEST(TestSetupButtons, TestApplication::Window)
#include "tst_setup_buttons.moc"
