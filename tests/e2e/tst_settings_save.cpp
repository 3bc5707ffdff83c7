// Saving settings to the simulator with read-back verification, and a settings file between
// two saves.

#include "tests/e2e/window_session.h"
#include "tests/support/file_dialog_answer.h"
#include "tests/support/test_registry.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
constexpr uint8_t kSimulatorReservedByte = 0x3C;

bool ShownUnsaved(const QPushButton* button) {
    return button->font().bold() &&
           button->palette().color(QPalette::Active, QPalette::ButtonText) == QColor(255, 0, 0);
}

// Every read of the start done, the controls showing what the simulator holds.
void WaitForSettingsRead(TfVT12SetAppMain& window) {
    QTRY_VERIFY_WITH_TIMEOUT(window.Session().Scheduler().AnswerCount() >= 12, kTimeoutMs);
    QVERIFY(window.ui.eOnDelay->isEnabled());
}

// Saves and waits until the scheduler has nothing left of it.
void Save(TfVT12SetAppMain& window) {
    window.ui.bSave->click();
    QVERIFY(window.Session().Scheduler().VerifyLog());
    QTRY_VERIFY_WITH_TIMEOUT(!window.Session().Scheduler().VerifyLog(), kTimeoutMs);
}

// The data bytes of every write of the system settings in the trace.
QList<QByteArray> SystemWrites(const TraceFile& trace) {
    QList<QByteArray> writes;
    for (const QString& frame : trace.Events(QStringLiteral("TX"))) {
        const QByteArray bytes = QByteArray::fromHex(frame.toLatin1());
        if (bytes.size() == 9 + 28 && bytes.startsWith(QByteArray("\x05\x10\x00\x80\x00\x0E", 6)))
            writes << bytes.mid(7, 28);
    }
    return writes;
}
} // namespace

class TestSettingsSave : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void oneChangedSystemSetting() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(2));
        session.StorePort(2);
        TfVT12SetAppMain& window = session.Open();
        WaitForSettingsRead(window);

        window.ui.eOnDelay->setText(QStringLiteral("3"));
        QVERIFY(ShownUnsaved(window.ui.bSave));
        Save(window);
        QCOMPARE(LogLines(window),
                 QStringList({"Checking gate settings...OK", "Checking gate names...OK",
                              "Writing system settings...OK", "Verifying...OK",
                              "Checking Vacuum settings...OK"}));
        QVERIFY(!ShownUnsaved(window.ui.bSave));
        QVERIFY(!ShownUnsaved(window.ui.bSave2));

        const TraceFile trace = session.CloseAndReadTrace();
        QCOMPARE(trace.Requests().filter(QStringLiteral("16:")),
                 QStringList{QStringLiteral("16:128,14")});
        const QList<QByteArray> writes = SystemWrites(trace);
        QCOMPARE(writes.size(), 1);
        QCOMPARE(uint8_t(writes[0][1]), uint8_t(30));
        QCOMPARE(uint8_t(writes[0][27]), kSimulatorReservedByte);
    }

    void valueStoredDifferently() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(2, {"--store-differently"}));
        session.StorePort(2);
        TfVT12SetAppMain& window = session.Open();
        WaitForSettingsRead(window);

        window.ui.eReverseDelay->setText(QStringLiteral("1100"));
        Save(window);
        QVERIFY2(LogLines(window).contains(QStringLiteral("Verifying...FALSE!")),
                 qPrintable(window.ui.mKomSts->toPlainText()));
        QCOMPARE(window.ui.eReverseDelay->text(), QStringLiteral("1100"));
        QVERIFY(ShownUnsaved(window.ui.bSave));
        QVERIFY(ShownUnsaved(window.ui.bSave2));
        // It stays said beside the buttons, not only in a log that hides itself.
        QVERIFY(!window.ui.lVerifyFailed->isHidden());
        QVERIFY(window.ui.lVerifyFailed->text().contains(QStringLiteral("system settings")));
    }

    void fileBetweenTwoSavesWritesNothingNew() {
        WindowSession session;
        SimulatorProcess sim(session.PortDir());
        QVERIFY(sim.Start(2));
        session.StorePort(2);
        TfVT12SetAppMain& window = session.Open();
        WaitForSettingsRead(window);
        window.ui.eCleanHowLong->setText(QStringLiteral("7"));
        Save(window);

        const QString path = QDir(session.ProgramDir()).filePath(QStringLiteral("unit.vt12"));
        AnswerFileDialog(window.ui.dSave, path);
        window.ui.bSaveToFile->click();
        AnswerFileDialog(window.ui.dOpen, path);
        window.ui.bLoadFromFile->click();
        QCOMPARE(window.ui.eCleanHowLong->text(), QStringLiteral("7"));
        Save(window);
        QCOMPARE(LogLines(window).filter(QStringLiteral("Writing")), QStringList());

        QCOMPARE(session.CloseAndReadTrace().Requests().filter(QStringLiteral("16:")).size(), 1);
    }
};

VT12_TEST(TestSettingsSave, TestApplication::Window)
#include "tst_settings_save.moc"
