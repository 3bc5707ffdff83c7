// The window from creation to close: Settings.ini, the switches, and what start-up shows.

#include "core/application_title.h"
#include "tests/support/test_registry.h"
#include "window/main_window.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {
QString iniText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
} // namespace

class TestStartup : public QObject {
    Q_OBJECT
    QTemporaryDir programDir;
    QTemporaryDir noPorts;

    QString ini() const { return programDir.filePath("Settings.ini"); }

private Q_SLOTS:
    void init() {
        qputenv("VT12_PROGRAM_DIR", programDir.path().toUtf8());
        qputenv("VT12_PORT_DIR", noPorts.path().toUtf8());
        QFile::remove(ini());
    }

    void storedPort_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("comNumber");
        QTest::addColumn<QString>("firstTried");
        QTest::newRow("no Settings.ini") << QByteArray() << 0 << "... trying detect on COM1";
        QTest::newRow("port 4") << QByteArray("[Last]\nPort=4\n") << 3
                                << "... trying detect on COM4";
    }
    void storedPort() {
        QFETCH(QByteArray, content);
        QFETCH(int, comNumber);
        QFETCH(QString, firstTried);
        if (!content.isEmpty()) {
            QFile file(ini());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        TfVT12SetAppMain window({});
        QCOMPARE(window.ComPort.ComNumber(), comNumber);
        window.show();
        QTRY_COMPARE_WITH_TIMEOUT(window.ui.pVTDetected->text(), firstTried, 3000);
        window.close();
        QVERIFY(iniText(ini()).contains("Port="));
        QVERIFY(iniText(ini()).contains("Dir=" + programDir.path()));
    }

    void closingBeforeTheFirstStepKeepsThePort() {
        QFile file(ini());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Last]\nPort=4\nDir=/data\n");
        file.close();
        {
            TfVT12SetAppMain window({});
            window.close();
        }
        QCOMPARE(iniText(ini()), QStringLiteral("[Last]\nPort=4\nDir=/data\n"));
    }

    void switches() {
        TfVT12SetAppMain window({"expert", "KORVANTE", "Port=7"});
        QVERIFY(window.ExpertMode);
        QVERIFY(
            window.ui.pcPages->isTabVisible(window.ui.pcPages->indexOf(window.ui.tsMasterSlave)));
        QVERIFY(window.ui.cbAdvancedSettings->isChecked());
        QVERIFY(!window.ui.pAdvanced->isHidden());
        QCOMPARE(window.FixedPort, 7);
        QVERIFY(window.windowTitle().endsWith(" [COM7]"));
        QCOMPARE(ApplicationTitle(), window.windowTitle());
        QCOMPARE(window.ui.lAppVer->palette().color(QPalette::WindowText), QColor(88, 152, 240));
    }

    void withoutSwitches() {
        TfVT12SetAppMain window({});
        QVERIFY(!window.ExpertMode);
        QVERIFY(
            !window.ui.pcPages->isTabVisible(window.ui.pcPages->indexOf(window.ui.tsMasterSlave)));
        QVERIFY(window.ui.pAdvanced->isHidden());
        QCOMPARE(window.FixedPort, 0);
        QCOMPARE(window.ui.lAppVer->text(), QStringLiteral("Software Version: 5001"));
        QCOMPARE(window.ui.pcPages->currentWidget(), window.ui.tsSettings);
        QVERIFY(!window.ui.pcPages->isTabVisible(window.ui.pcPages->indexOf(window.ui.tsHelp)));
        QVERIFY(window.ControlsLocked);
    }

    void installedHelpPageShowsHelp() {
        QTemporaryDir prefix;
        QVERIFY(QDir().mkpath(prefix.filePath("bin")));
        QVERIFY(QDir().mkpath(prefix.filePath("share/vt12set")));
        QFile help(prefix.filePath("share/vt12set/Vantor 12 Help.mht"));
        QVERIFY(help.open(QIODevice::WriteOnly));
        help.close();
        qputenv("VT12_PROGRAM_DIR", prefix.filePath("bin").toUtf8());
        TfVT12SetAppMain window({});
        QVERIFY(window.ui.pcPages->isTabVisible(window.ui.pcPages->indexOf(window.ui.tsHelp)));
    }
};

VT12_TEST(TestStartup, TestApplication::Window)
#include "tst_startup.moc"
