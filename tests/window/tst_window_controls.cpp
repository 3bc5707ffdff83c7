#include "tests/window/bare_window.h"
#include "widgets/info_bubble.h"
#include "widgets/info_shape.h"
#include "widgets/led_bits.h"
#include "widgets/level_bar.h"
#include "window/gate_grid.h"
#include "window/page_controls.h"
#include "window/window_fit.h"
#include "window/window_resize.h"

#include "tests/support/test_registry.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {
QString CaptionOf(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return label->text();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        return button->text();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        return edit->text();
    }
    auto* pages = qobject_cast<QTabWidget*>(
        control->parentWidget() ? control->parentWidget()->parentWidget() : nullptr);
    if (pages != nullptr && pages->indexOf(control) >= 0) {
        return pages->tabText(pages->indexOf(control));
    }
    return QString();
}

} // namespace

class TestWindowControls : public QObject {
    Q_OBJECT
    std::unique_ptr<BareWindow> asBuilt_;

    // The window as built, for the checks that only look: one for all their rows.
    BareWindow& asBuilt() {
        if (!asBuilt_)
            asBuilt_ = std::make_unique<BareWindow>();
        return *asBuilt_;
    }

private Q_SLOTS:
    void window() {
        BareWindow w;
        QCOMPARE(w.widget.windowTitle(),
                 QStringLiteral("Durvik Vantor 12 \"Tarnwick\" Setup and Monitoring"));
        QCOMPARE(w.widget.size(), QSize(1002, 634));
        QCOMPARE(w.widget.minimumSize(), kMinimumClientSize);
        QCOMPARE(w.widget.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
        // The title bar is never above or left of the screen; with room to spare the frame (a
        // usual title bar and border allowed for) is centred.
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(w.widget.x() >= available.left() && w.widget.y() >= available.top());
        const QRect frame(w.widget.pos(), w.widget.size() + kUsualFrame);
        if (available.width() > frame.width() && available.height() > frame.height())
            QVERIFY((frame.center() - available.center()).manhattanLength() <= 2);
        QCOMPARE(w.widget.font().family(), QStringLiteral("Arial"));
        QCOMPARE(w.widget.font().pixelSize(), 11);
        QCOMPARE(w.ui.Panel1->geometry(), QRect(0, 0, 1002, 55));
        QCOMPARE(w.ui.Panel4->geometry(), QRect(0, 55, 1002, 3));
        QCOMPARE(w.ui.pcPages->geometry(), QRect(0, 58, 1002, 576));
        QCOMPARE(w.ui.Panel1->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(w.ui.Shape5->BrushColor(), QColor(32, 160, 32));
        QCOMPARE(w.ui.Shape5->geometry(), QRect(0, 53, 1002, 2));
    }

    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        const auto row = [](const char* name, const QString& caption) {
            QTest::newRow(name) << QString::fromLatin1(name) << caption;
        };
        row("iLogoDurvik", QString());
        row("lWarningVacuum",
            QStringLiteral("Warning: Gates must be open before starting the fan in the test mode; "
                           "otherwise the duct system can be destroyed by high vacuum level!"));
        row("lBootloaderCommunication",
            QStringLiteral("FIRMWARE IS DAMAGED! PLEASE UPDATE FIRMWARE."));
        row("lAppVer", QStringLiteral("Software Version:"));
        row("lFwVersion", QStringLiteral("Firmware Version:"));
        row("lHwVersion", QStringLiteral("Hardware Version:"));
        row("Vantor12", QStringLiteral(" Vantor 12"));
        row("pVTDetected", QStringLiteral("not Detected"));
        row("tsManual", QStringLiteral("STATUS && TEST"));
        row("tsSettings", QStringLiteral("SETUP"));
        row("tsDetail", QStringLiteral("SERVICE"));
        row("tsMasterSlave", QStringLiteral("RS485, MASTER/SLAVE MODE"));
        row("tsHelp", QStringLiteral("HELP"));
        row("TabSheet1", QStringLiteral("Main"));
        row("TabSheet2", QStringLiteral("Advanced"));
        row("tsVacuum", QStringLiteral("Pressure"));
        row("bTestOn", QStringLiteral("Test Mode On"));
        row("bTestOff", QStringLiteral("Test Mode Off"));
        row("bOpenAll", QStringLiteral("Open All Gates"));
        row("bCloseAll", QStringLiteral("Close All Gates"));
        row("bFanRun", QStringLiteral("Fan Run"));
        row("bFanStop", QStringLiteral("Fan Stop"));
        row("bReload", QStringLiteral("Reload from Vantor"));
        row("bDefault", QStringLiteral("Default Settings"));
        row("bSave", QStringLiteral("Save to Vantor"));
        row("bLoadFromFile", QStringLiteral("Load from File"));
        row("bSaveToFile", QStringLiteral("Save to File"));
        row("bPageUp", QStringLiteral("Show first workstation"));
        row("bPageDn", QStringLiteral("Show last workstation"));
        row("cbAdvancedSettings", QStringLiteral("Additional Settings"));
        row("lSlaveIsNotConnected",
            QStringLiteral("The Slave Vantor Unit is not Conneted to Master"));
        row("cbSmartMinimumAiflowEnabled", QStringLiteral("Smart Minimum Airflow Enabled"));
        row("lSmartMinimumAirflowEnabled", QString());
        row("eOnDelay", QString());
        row("eOffDelay", QStringLiteral("0"));
        row("eOpRangeMin", QStringLiteral("50"));
        row("eOpRangeMax", QStringLiteral("100"));
        row("lActiveSns", QStringLiteral("0"));
        row("lOpnGates", QStringLiteral("0"));
        row("bRefreshCounters", QStringLiteral("Refresh Counters"));
        row("bResetUnit", QStringLiteral("Restart Vantor Unit(s)"));
        row("bFirmwareFileOpen", QStringLiteral("..."));
        row("lFirmwareFileError", QStringLiteral("The firmware file not selected"));
        row("bUploadFirmware", QStringLiteral("Update Vantor Firmware"));
        row("eFirmwareFile", QString());
        row("rbSlaveOnPort0", QStringLiteral("SLAVE Vantor in MASTER/SLAVE Installation"));
        row("rbSlaveOnPort1", QStringLiteral("Slave Connected to RS-232 Port"));
        row("rbSlaveOnPort2", QStringLiteral("MASTER Vantor in the MASTER/SLAVE Installation"));
        row("rbVFD_OnPort2", QStringLiteral("Vantor 12 connected to Torvex via Modbus"));
        row("BitBtn1", QStringLiteral("Reload from Vantor"));
        row("bSave2", QStringLiteral("Save to Vantor"));
        row("lLegendDA", QStringLiteral("Sensor & ON/ OFF DELAY"));
        row("cbCleanEnabled", QStringLiteral("Regular Cleaning Enabled"));
        row("cbCleaningBeforeStop", QStringLiteral("Enabled"));
        row("cbOpenAtStop", QStringLiteral("Open Gates at Fan Stop"));
        row("cbOpenAtError", QStringLiteral("Security Input - Open Gates"));
        row("cbRunAtError", QStringLiteral("Security Input - Run Fan"));
        row("cbKeepLastUsedOpen", QStringLiteral("Keep Last Used Gates Open"));
        row("rbOpenRequest", QStringLiteral("Open / Close Gate Mode"));
        row("rbSignalSimul", QStringLiteral("Simulate Sensor"));
        row("cbStopOnCurrDecay", QStringLiteral("Stop At Current Decay"));
        row("lMaxCurrentInfo", QStringLiteral("Maximal current was corrected"));
        row("eIniAirVelocity", QStringLiteral("4500"));
        row("eCurrInpStopAtError", QStringLiteral("Stop at Error"));
        row("cbPressureFromVFD", QStringLiteral("Pressure from VFD"));
        row("lSlaveFirmwareVersion", QStringLiteral("Slave Firmware Version: ???"));
        for (const char* panel : {"Panel1",
                                  "Panel4",
                                  "Shape5",
                                  "pcPages",
                                  "Panel20",
                                  "pFirst12",
                                  "pOther24",
                                  "pNotifyPanel",
                                  "pNotifyLabel",
                                  "pTest",
                                  "pRpmCtrl",
                                  "pMoreAboutVfd",
                                  "pRawVfdData",
                                  "sDustOn",
                                  "pLeft",
                                  "pVariable",
                                  "pOvladani",
                                  "pAdvanced",
                                  "pcAdvanced",
                                  "pAdvPanel",
                                  "pAdvPanel2",
                                  "gData",
                                  "udDelay",
                                  "udOpRangeMin",
                                  "udOpRangeMax",
                                  "pCounters",
                                  "mCtcs",
                                  "pSlaveAppSavings",
                                  "mCtcs24",
                                  "pKomStatus",
                                  "mKomSts",
                                  "pbKomSts",
                                  "pFirmwareUpdatePanel",
                                  "mFwData",
                                  "mFWBLData",
                                  "pMSMode",
                                  "Panel25",
                                  "imMasterSlave",
                                  "pLegend",
                                  "sSignal_Legend_NA",
                                  "sSignalDelay_Legend_NA",
                                  "sSignal_Legend_SA",
                                  "sSignalDelay_Legend_SA",
                                  "sSignal_Legend_AA",
                                  "sSignalDelay_Legend_AA",
                                  "sSignal_Legend_DA",
                                  "sSignalDelay_Legend_DA"}) {
            row(panel, QString());
        }
    }
    void controls() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        BareWindow& w = asBuilt();
        QWidget* control = w.widget.findChild<QWidget*>(name);
        QVERIFY2(control != nullptr, qPrintable(name));
        QCOMPARE(CaptionOf(control), caption);
    }

    // The names of the controls are unique, so that looking one up finds that control.
    void namesAreUnique() {
        BareWindow w;
        WindowResizer resizer(&w.widget, w.ui);
        resizer.FormActivate();
        resizer.FormResize();
        QVERIFY(resizer.LayoutCount() > 200);
        QSet<QString> names;
        for (int i = 0; i < resizer.LayoutCount(); ++i) {
            const QString name =
                resizer.LayoutTable()[static_cast<size_t>(i)].control->objectName();
            QVERIFY2(!names.contains(name), qPrintable(QStringLiteral("twice: ") + name));
            names.insert(name);
        }
        QCOMPARE(w.widget.findChild<GateGrid*>(QStringLiteral("gData")), w.ui.gData);
        QCOMPARE(w.widget.findChild<QPlainTextEdit*>(QStringLiteral("mKomSts")), w.ui.mKomSts);
    }

    // Nothing falls back to the platform's default font: a style sheet on a container, for one,
    // would make its children lose the font they inherit.
    void everyControlUsesTheDesignFonts() {
        BareWindow w;
        WindowResizer resizer(&w.widget, w.ui);
        resizer.FormActivate();
        resizer.FormResize();
        w.widget.ensurePolished();
        for (int i = 0; i < resizer.LayoutCount(); ++i) {
            QWidget* control = resizer.LayoutTable()[static_cast<size_t>(i)].control;
            const QString family = control->font().family();
            QVERIFY2(family == QLatin1String("Arial") || family == QLatin1String("Courier New"),
                     qPrintable(control->objectName() + QLatin1Char(' ') + family));
            QVERIFY2(control->font().pixelSize() > 0, qPrintable(control->objectName()));
        }
    }

    void hiddenAtStart_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"lWarningVacuum",
                                 "lBootloaderCommunication",
                                 "pOther24",
                                 "pNotifyLabel",
                                 "pRpmCtrl",
                                 "pMoreAboutVfd",
                                 "pRawVfdData",
                                 "pGateCurrent24",
                                 "pVFD_Status",
                                 "pCurrentInputValueS",
                                 "lDelay",
                                 "lbDelay",
                                 "pAdvanced",
                                 "lSlaveIsNotConnected",
                                 "lTooBig",
                                 "lAtLeastOneGate",
                                 "mCtcs24",
                                 "pbKomSts",
                                 "lSlaveFirmwareVersion",
                                 "rbSlaveOnPort1",
                                 "rbVFD_OnPort2",
                                 "lSingleWithVFDonRS485"}) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
    }
    void hiddenAtStart() {
        QFETCH(QString, name);
        BareWindow& w = asBuilt();
        QVERIFY(w.widget.findChild<QWidget*>(name)->isHidden());
    }

    // The bars, LED rows and callouts sit wholly inside the panel that shows them.
    void displayComponents_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("geometry");
        const auto row = [](const char* name, const char* parent, const QRect& geometry) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(parent)
                                << geometry;
        };
        row("lbFanOut", "pFanOutput", QRect(44, 20, 25, 146));
        row("lbDrvOdd", "pGateCurrent", QRect(20, 20, 17, 146));
        row("lbDrvEven", "pGateCurrent", QRect(69, 20, 17, 146));
        row("lbDrvOdd24", "pGateCurrent24", QRect(20, 20, 17, 146));
        row("lbDrvEven24", "pGateCurrent24", QRect(69, 20, 17, 146));
        row("lbDelay", "pIndicators", QRect(28, 208, 118, 4));
        row("ibAboutVfd", "pMoreAboutVfd", QRect(0, 0, 215, 125));
        row("lbCW", "pRawVfdData", QRect(8, 62, 92, 175));
        row("lbSW", "pRawVfdData", QRect(112, 62, 83, 175));
        row("InfoShape2", "pNotifyLabel", QRect(0, 0, 307, 20));
        row("InfoShape1", "pMaxCurrentInfo", QRect(0, 0, 125, 30));
    }
    void displayComponents() {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, geometry);
        BareWindow& w = asBuilt();
        QWidget* component = w.widget.findChild<QWidget*>(name);
        QVERIFY(component != nullptr);
        QVERIFY(qobject_cast<TLevelBar*>(component) || qobject_cast<TLedBits*>(component) ||
                qobject_cast<TInfoShape*>(component) || qobject_cast<TInfoBubble*>(component));
        QCOMPARE(component->parentWidget()->objectName(), parent);
        QCOMPARE(component->geometry(), geometry);
        QVERIFY(component->parentWidget()->rect().contains(component->geometry()));
    }

    // A backdrop lies behind its note, which stays readable and takes the clicks.
    void backdropsBehindTheirNotes_data() {
        QTest::addColumn<QString>("note");
        QTest::newRow("notice strip") << "lNotifyLabel";
        QTest::newRow("corrected current") << "lMaxCurrentInfo";
    }
    void backdropsBehindTheirNotes() {
        QFETCH(QString, note);
        BareWindow& w = asBuilt();
        auto* label = w.widget.findChild<QLabel*>(note);
        QWidget* panel = label->parentWidget();
        QCOMPARE(panel->childAt(label->geometry().center()), label);
        QVERIFY(!label->autoFillBackground());
    }

    // The legend shows the gate pictures as the frames do: white is transparent.
    void legendPicturesOnTheLegendsColour_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"imLegendGateOpen", "imLegendGateClose", "imLegendGateOpening",
                                 "imLegendGateClosing", "imLegendGateDisabled"}) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
    }
    void legendPicturesOnTheLegendsColour() {
        QFETCH(QString, name);
        BareWindow& w = asBuilt();
        const QImage picture = w.widget.findChild<QLabel*>(name)->pixmap().toImage();
        QCOMPARE(picture.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(picture.pixelColor(picture.width() - 1, picture.height() - 1).alpha(), 0);
    }

    void pageTabs() {
        BareWindow w;
        QCOMPARE(w.ui.pcPages->count(), 5);
        QCOMPARE(w.ui.pcPages->tabBar()->tabRect(0).size(), QSize(200, 25));
        QCOMPARE(w.ui.pcPages->tabBar()->tabRect(3).size(), QSize(200, 25));
        QCOMPARE(w.ui.pcPages->indexOf(w.ui.tsSettings), 1);
        QVERIFY(w.ui.pcAdvanced->tabBar()->tabRect(0).width() < 200);
    }

    void gateTable() {
        BareWindow w;
        QCOMPARE(w.ui.gData->model()->columnCount(), 11);
        QCOMPARE(w.ui.gData->model()->rowCount(), 12);
        // The design widths, each with its grid line, fill the client width.
        const int widths[11] = {27, 124, 41, 39, 46, 44, 44, 43, 40, 60, 48};
        for (int column = 0; column < 11; ++column) {
            QCOMPARE(w.ui.gData->columnWidth(column), widths[column] + 1);
        }
        QCOMPARE(w.ui.gData->horizontalHeader()->length(), 567);
        QCOMPARE(w.ui.gData->verticalHeader()->defaultSectionSize(), 19);
        QCOMPARE(w.ui.gData->model()->headerData(3, Qt::Horizontal).toString(),
                 QStringLiteral("Min. Airflow"));
        QCOMPARE(w.ui.gData->width() - 2 * w.ui.gData->frameWidth(), 567);
    }

    void logAndLinkPanel() {
        BareWindow w;
        QVERIFY(w.ui.mKomSts->isReadOnly());
        QVERIFY(w.ui.mKomSts->font().bold());
        QCOMPARE(w.ui.mKomSts->palette().color(QPalette::Text), QColor(255, 0, 0));
        QVERIFY(w.ui.pVTDetected->font().bold());
        QCOMPARE(w.ui.pVTDetected->palette().color(QPalette::Window), QColor(0, 224, 0));
        QCOMPARE(w.ui.pVTDetected->size(), QSize(175, 21));
        QCOMPARE(w.ui.pRpmCtrl->palette().color(QPalette::Window), QColor(223, 121, 121));
        QVERIFY(w.ui.bFanRun->isChecked());
        QVERIFY(w.ui.bTestOff->isChecked());
        QVERIFY(w.ui.bTestOn->isCheckable() && w.ui.bFanStop->isCheckable());
        QCOMPARE(w.ui.rbSlaveOnPort2->property("Tag").toInt(), 2);
        QCOMPARE(w.ui.rbVFD_OnPort2->property("Tag").toInt(), 3);
    }

    void fanButtonsExcludeEachOtherOnly() {
        BareWindow w;
        w.ui.bFanStop->setEnabled(true);
        w.ui.bTestOn->setEnabled(true);
        QTest::mouseClick(w.ui.bFanStop, Qt::LeftButton);
        QVERIFY(w.ui.bFanStop->isChecked());
        QVERIFY(!w.ui.bFanRun->isChecked());
        QVERIFY(w.ui.bTestOff->isChecked());
        QTest::mouseClick(w.ui.bTestOn, Qt::LeftButton);
        QVERIFY(w.ui.bTestOn->isChecked());
        QVERIFY(!w.ui.bTestOff->isChecked());
        QVERIFY(w.ui.bFanStop->isChecked());
    }

    void timers_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("interval");
        QTest::newRow("tDelay") << "tDelay" << 200;
        QTest::newRow("tHidePanelKom") << "tHidePanelKom" << 3000;
        QTest::newRow("tSecurityBlinkTimer") << "tSecurityBlinkTimer" << 333;
        QTest::newRow("tBypassBlinkTimer") << "tBypassBlinkTimer" << 333;
        QTest::newRow("tMaxCurrectCorrection") << "tMaxCurrectCorrection" << 5000;
    }
    void timers() {
        QFETCH(QString, name);
        QFETCH(int, interval);
        BareWindow& w = asBuilt();
        auto* timer = w.widget.findChild<QTimer*>(name);
        QVERIFY(timer != nullptr);
        QCOMPARE(timer->interval(), interval);
        QVERIFY(!timer->isActive());
    }

    void dialogs_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("fileMode");
        QTest::addColumn<int>("acceptMode");
        QTest::newRow("dOpen") << "dOpen"
                               << QStringLiteral("Select file with Vantor Settings (*.vt12)")
                               << int(QFileDialog::ExistingFile) << int(QFileDialog::AcceptOpen);
        QTest::newRow("dSave") << "dSave" << QStringLiteral("Select destination and filename")
                               << int(QFileDialog::AnyFile) << int(QFileDialog::AcceptSave);
    }
    void dialogs() {
        QFETCH(QString, name);
        QFETCH(QString, title);
        QFETCH(int, fileMode);
        QFETCH(int, acceptMode);
        BareWindow& w = asBuilt();
        auto* dialog = w.widget.findChild<QFileDialog*>(name);
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->windowTitle(), title);
        QCOMPARE(dialog->defaultSuffix(), QStringLiteral("vt12"));
        QCOMPARE(dialog->nameFilters(), QStringList({QStringLiteral("Vantor 12 Data (*.vt12)"),
                                                     QStringLiteral("All Files (*.*)")}));
        QCOMPARE(int(dialog->fileMode()), fileMode);
        QCOMPARE(int(dialog->acceptMode()), acceptMode);
        QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
        QVERIFY(!dialog->isVisible());
    }

    void upDownStepsFromTheShownNumber_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("text");
        QTest::newRow("up from typed number") << "40" << 1 << 41 << "41";
        QTest::newRow("down stops at the minimum") << "25" << -1 << 25 << "25";
        QTest::newRow("typed above the range") << "150" << 1 << 99 << "99";
        QTest::newRow("not a number: from the last position") << "abc" << 1 << 51 << "51";
    }
    void upDownStepsFromTheShownNumber() {
        QFETCH(QString, shown);
        QFETCH(int, direction);
        QFETCH(int, position);
        QFETCH(QString, text);
        QWidget parent;
        QLineEdit buddy(&parent);
        TUpDown upDown(&parent);
        upDown.SetRange(25, 99);
        upDown.SetPosition(50);
        upDown.SetBuddy(&buddy);
        QCOMPARE(buddy.text(), QStringLiteral("50"));
        QSignalSpy changing(&upDown, &TUpDown::changing);
        buddy.setText(shown);
        upDown.Step(direction);
        QCOMPARE(upDown.Position(), position);
        QCOMPARE(buddy.text(), text);
        QCOMPARE(changing.count(), 1);
        QCOMPARE(changing.first().first().toInt(), position);
    }

    void upDownClickHalves() {
        QWidget parent;
        QLineEdit buddy(&parent);
        TUpDown upDown(&parent);
        upDown.resize(16, 22);
        upDown.SetRange(0, 480);
        upDown.SetBuddy(&buddy);
        QTest::mouseClick(&upDown, Qt::LeftButton, {}, QPoint(8, 3));
        QCOMPARE(upDown.Position(), 1);
        QTest::mouseClick(&upDown, Qt::LeftButton, {}, QPoint(8, 19));
        QTest::mouseClick(&upDown, Qt::LeftButton, {}, QPoint(8, 19));
        QCOMPARE(upDown.Position(), 0);
        upDown.setEnabled(false);
        QTest::mouseClick(&upDown, Qt::LeftButton, {}, QPoint(8, 3));
        QCOMPARE(upDown.Position(), 0);
    }

    void helpFileBesideTheProgram() {
        const QString binDir = qEnvironmentVariable("VT12_BIN_DIR") + QStringLiteral("/bin");
        const QStringList found =
            QDir(binDir).entryList({QStringLiteral("Vantor 12*.mht")}, QDir::Files);
        QCOMPARE(found, QStringList{QStringLiteral("Vantor 12 Help.mht")});
        QFile file(binDir + QStringLiteral("/Vantor 12 Help.mht"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray text = file.readAll();
        QVERIFY(text.startsWith("MIME-Version: 1.0"));
        QVERIFY(text.contains("Content-Type: multipart/related"));
        QVERIFY(text.contains("Content-Type: text/html"));
        text.replace("=\r\n", "").replace("=3D", "=");
        for (const char* topic : {"dialout", "COM1", "COM10", "EXPERT", "KORVANTE", "PORT=", "F5",
                                  "Ctrl+O", "Ctrl+S"}) {
            QVERIFY2(text.contains(topic), topic);
        }
    }
};

VT12_TEST(TestWindowControls, TestApplication::Window)

#include "tst_window_controls.moc"
