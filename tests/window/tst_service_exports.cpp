// Export Counters and Service Report through their dialogs: each writes its file whole, also
// with no controller in reach, and a path that cannot be written leaves nothing behind.

#include "core/uncaught_error.h"
#include "tests/support/file_dialog_answer.h"
#include "tests/support/offline_window.h"
#include "tests/support/test_registry.h"
#include "window/main_window.h"

#include <QDir>
#include <QFileDialog>
#include <QPushButton>
#include <QTemporaryDir>

class TestServiceExports : public QObject {
    Q_OBJECT
    OfflineWindow offline;
    QTemporaryDir files;
    QStringList errors;

    void press(const QString& button, const QString& path) {
        const QString name = button;
        TfVT12SetAppMain& window = offline.Window();
        AnswerFileDialog(window.findChild<QFileDialog*>(name.sliced(1).prepend(u'd')), path);
        window.findChild<QPushButton*>(button)->click();
    }

private Q_SLOTS:
    void init() {
        errors.clear();
        SetUncaughtErrorHandler([this](const QString& text) { errors << text; });
        offline.Open();
    }
    void cleanup() {
        offline.Close();
        SetUncaughtErrorHandler(nullptr);
    }

    void exports_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("counters") << "bExportCounters"
                                  << ".csv" << QByteArray("date,firmware,unit,");
        QTest::newRow("report") << "bServiceReport"
                                << ".pdf" << QByteArray("%PDF");
    }

    void exports() {
        QFETCH(QString, button);
        QFETCH(QString, suffix);
        QFETCH(QByteArray, start);
        const QString path = files.filePath(button);
        press(button, path);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(u'\n')));
        QFile file(path + suffix);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith(start));
    }

    void badPathWritesNothing_data() { exports_data(); }

    void badPathWritesNothing() {
        QFETCH(QString, button);
        const QTemporaryDir empty;
        press(button, empty.filePath(QStringLiteral("no/such/folder/") + button));
        QCOMPARE(errors.size(), 1);
        QVERIFY(QDir(empty.path()).isEmpty());
    }
};

VT12_TEST(TestServiceExports, TestApplication::Window)
#include "tst_service_exports.moc"
