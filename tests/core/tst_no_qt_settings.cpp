// Qt keeps its own settings file (the file dialogs' history) unless the program stops it.

#include "core/no_qt_settings.h"

#include "tests/support/test_registry.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>

namespace {
QStringList qtFilesIn(const QString& dir) {
    return QDir(dir).entryList({"QtProject*"}, QDir::Files);
}

void useAFileDialog() {
    QFileDialog dialog(nullptr, "Open");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDirectory(QDir::tempPath());
}
} // namespace

class TestNoQtSettings : public QObject {
    Q_OBJECT
    QTemporaryDir config;

private Q_SLOTS:
    void fileDialogLeavesNoSettingsBehind() {
        QVERIFY(config.isValid());
        // Without the measure Qt writes its file where this test looks.
        useAFileDialog();
        QVERIFY2(!qtFilesIn(config.path()).isEmpty(), "Qt's settings file went elsewhere");
        for (const QString& name : qtFilesIn(config.path()))
            QVERIFY(QFile::remove(config.filePath(name)));

        KeepNoQtSettings();
        useAFileDialog();
        QCOMPARE(qtFilesIn(config.path()).join(","), QString());
    }

public:
    TestNoQtSettings() { qputenv("XDG_CONFIG_HOME", config.path().toUtf8()); }
};

VT12_TEST(TestNoQtSettings, TestApplication::Widgets)
#include "tst_no_qt_settings.moc"
