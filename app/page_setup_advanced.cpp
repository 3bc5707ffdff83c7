#include "app/page_align.h"
#include "app/page_builders.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

namespace {

constexpr int kAdvancedHeight = 154;
constexpr int kGroupTop = 4;
constexpr int kGroupHeight = 116;
constexpr int kRowHeight = 20;
constexpr int kFirstRow = 24;
constexpr int kRowPitch = 24;

int Row(int index) {
    return kFirstRow + index * kRowPitch;
}

QWidget* AddSheet(QTabWidget* pages, const char* name, const char* caption) {
    auto* sheet = new QWidget();
    sheet->setObjectName(QString::fromLatin1(name));
    pages->addTab(sheet, QString::fromLatin1(caption));
    return sheet;
}

QFrame* MakeGroup(QWidget* parent, const char* name, const char* captionName, QLabel*& caption,
                  const char* text, int left, int width) {
    QFrame* group = MakeGroupPanel(parent, name, QRect(left, kGroupTop, width, kGroupHeight));
    caption =
        MakeCaption(group, captionName, QString::fromLatin1(text), QRect(8, 4, width - 16, 14));
    return group;
}

// A caption with its entry at the right end of the same row.
QLineEdit* MakeLabelledEntry(QWidget* parent, const char* captionName, QLabel*& caption,
                             const char* text, const char* entryName, int row, int entryLeft,
                             int entryWidth = 60) {
    caption = Make<QLabel>(parent, captionName, QRect(8, Row(row), entryLeft - 12, kRowHeight),
                           QString::fromLatin1(text));
    auto* entry =
        Make<QLineEdit>(parent, entryName, QRect(entryLeft, Row(row), entryWidth, kRowHeight));
    entry->setAlignment(Qt::AlignRight);
    return entry;
}

QCheckBox* MakeOption(QWidget* parent, const char* name, const char* text, int row, int width) {
    return Make<QCheckBox>(parent, name, QRect(8, Row(row) - 2, width, 18),
                           QString::fromLatin1(text));
}

void SetupMainSheet(MainWindowUi& ui) {
    QWidget* p = ui.pAdvPanel;
    ui.pRegularCleaning = MakeGroup(p, "pRegularCleaning", "lRegularCleaningCaption",
                                    ui.lRegularCleaningCaption, "REGULAR CLEANING", 4, 280);
    QWidget* regular = ui.pRegularCleaning;
    ui.cbCleanEnabled = MakeOption(regular, "cbCleanEnabled", "Regular Cleaning Enabled", 0, 264);
    ui.eCleanHowOften =
        MakeLabelledEntry(regular, "lCleanHowOftenCaption", ui.lCleanHowOftenCaption,
                          "How Often [min.]", "eCleanHowOften", 1, 208);
    ui.eCleanHowLong = MakeLabelledEntry(regular, "lCleanHowLongCaption", ui.lCleanHowLongCaption,
                                         "How Long [min.]", "eCleanHowLong", 2, 208);
    ui.eMBA = Make<QLineEdit>(regular, "eMBA", QRect(160, Row(0), 40, kRowHeight));
    ui.eMBA->hide();

    ui.pCleaningAtStop =
        MakeGroup(p, "pCleaningAtStop", "lCleaningAtStopCaption", ui.lCleaningAtStopCaption,
                  "CLEANING WHEN SYSTEM STOPS", 288, 400);
    QWidget* atStop = ui.pCleaningAtStop;
    ui.cbCleaningBeforeStop = MakeOption(atStop, "cbCleaningBeforeStop", "Enabled", 0, 200);
    ui.eCleanAtStopHowLong =
        MakeLabelledEntry(atStop, "lCleanAtStopHowLongCaption", ui.lCleanAtStopHowLongCaption,
                          "How Long [min.]", "eCleanAtStopHowLong", 1, 320);
    ui.eCleanAtStopRunMin = MakeLabelledEntry(
        atStop, "lCleanAtStopRunMinCaption", ui.lCleanAtStopRunMinCaption,
        "Do Not Start Cleaning if System Runs Under [min.]", "eCleanAtStopRunMin", 2, 320);

    ui.pSafety =
        MakeGroup(p, "pSafety", "lSafetyCaption", ui.lSafetyCaption, "SAFETY SETTINGS", 692, 284);
    QWidget* safety = ui.pSafety;
    ui.cbOpenAtStop = MakeOption(safety, "cbOpenAtStop", "Open Gates at Fan Stop", 0, 268);
    ui.cbOpenAtError = MakeOption(safety, "cbOpenAtError", "Security Input - Open Gates", 1, 268);
    ui.cbRunAtError = MakeOption(safety, "cbRunAtError", "Security Input - Run Fan", 2, 268);
    ui.cbKeepLastUsedOpen =
        MakeOption(safety, "cbKeepLastUsedOpen", "Keep Last Used Gates Open", 3, 268);
}

void SetupAdvancedSheet(MainWindowUi& ui) {
    QWidget* p = ui.pAdvPanel2;
    ui.pButtonFunction = MakeGroup(p, "pButtonFunction", "lButtonFunctionCaption",
                                   ui.lButtonFunctionCaption, "BUTTON FUNCTION", 4, 280);
    QWidget* button = ui.pButtonFunction;
    ui.rbOpenRequest = Make<QRadioButton>(button, "rbOpenRequest", QRect(8, Row(0) - 2, 264, 18),
                                          QStringLiteral("Open / Close Gate Mode"));
    ui.rbSignalSimul = Make<QRadioButton>(button, "rbSignalSimul", QRect(8, Row(1) - 2, 264, 18),
                                          QStringLiteral("Simulate Sensor"));
    ui.rbOpenRequest->setChecked(true);
    ui.eButtonCancel = MakeLabelledEntry(button, "lButtonCancelCaption", ui.lButtonCancelCaption,
                                         "Cancel After [30..6000 sec.]", "eButtonCancel", 2, 208);

    ui.pGateFunction = MakeGroup(p, "pGateFunction", "lGateFunctionCaption",
                                 ui.lGateFunctionCaption, "GATE FUNCTION", 288, 400);
    QWidget* gate = ui.pGateFunction;
    ui.eMinCurrent = MakeLabelledEntry(gate, "lMinCurrentCaption", ui.lMinCurrentCaption,
                                       "Min. Current [50..500 mA]", "eMinCurrent", 0, 200);
    ui.eMaxCurrent = MakeLabelledEntry(gate, "lMaxCurrentCaption", ui.lMaxCurrentCaption,
                                       "Max. Current [200..2100 mA]", "eMaxCurrent", 1, 200);
    ui.eReverseDelay = MakeLabelledEntry(gate, "lReverseDelayCaption", ui.lReverseDelayCaption,
                                         "Reverse Delay [100..2000 ms]", "eReverseDelay", 2, 200);
    ui.cbStopOnCurrDecay = MakeOption(gate, "cbStopOnCurrDecay", "Stop At Current Decay", 3, 260);
    ui.pMaxCurrentInfo = Make<QFrame>(gate, "pMaxCurrentInfo", QRect(264, Row(1) - 5, 125, 30));
    ui.lMaxCurrentInfo = Make<QLabel>(ui.pMaxCurrentInfo, "lMaxCurrentInfo", QRect(12, 0, 112, 30),
                                      QStringLiteral("Maximal current was corrected"));
    ui.lMaxCurrentInfo->setWordWrap(true);
    ui.lMaxCurrentInfo->setAlignment(Qt::AlignCenter);
    ui.pMaxCurrentInfo->hide();

    ui.pOtherSettings = MakeGroup(p, "pOtherSettings", "lOtherSettingsCaption",
                                  ui.lOtherSettingsCaption, "OTHER SETTINGS", 692, 284);
    QWidget* other = ui.pOtherSettings;
    ui.pActiveAfterStart = Make<QFrame>(other, "pActiveAfterStart", QRect(0, Row(0), 284, 44));
    ui.lActiveAfterStartCaption =
        Make<QLabel>(ui.pActiveAfterStart, "lActiveAfterStartCaption", QRect(8, 0, 268, 16),
                     QStringLiteral("Inactivity After Power Up"));
    SetBold(ui.lActiveAfterStartCaption);
    ui.lInactiveAfterStartCaption = Make<QLabel>(ui.pActiveAfterStart, "lInactiveAfterStartCaption",
                                                 QRect(8, 18, 196, kRowHeight),
                                                 QStringLiteral("Vantor is inactive for [sec.]"));
    ui.eInactiveAfterStart = Make<QLineEdit>(ui.pActiveAfterStart, "eInactiveAfterStart",
                                             QRect(208, 18, 60, kRowHeight));
    ui.eInactiveAfterStart->setAlignment(Qt::AlignRight);
    ui.lIniAirVelocityCaption =
        Make<QLabel>(other, "lIniAirVelocityCaption", QRect(8, Row(2) - 2, 196, 30),
                     QStringLiteral("Air Velocity for Air Volume Calculations [2,000..6,000 FPM]"));
    ui.lIniAirVelocityCaption->setWordWrap(true);
    ui.eIniAirVelocity = Make<QLineEdit>(
        other, "eIniAirVelocity", QRect(208, Row(2) + 4, 60, kRowHeight), QStringLiteral("4500"));
    ui.eIniAirVelocity->setAlignment(Qt::AlignRight);
}

QLineEdit* MakePressureEntry(QWidget* parent, const char* name, int left, int width, int top) {
    auto* entry = Make<QLineEdit>(parent, name, QRect(left, top, width, kRowHeight));
    return entry;
}

void SetupPressureSheet(MainWindowUi& ui) {
    QWidget* p = ui.tsVacuum;
    const struct {
        const char* name;
        QLabel* MainWindowUi::*label;
        const char* text;
        int left;
        int width;
    } columns[] = {
        {"lCurrInpCaptionColumn", &MainWindowUi::lCurrInpCaptionColumn, "Caption", 96, 150},
        {"lCurrInpRngColumn", &MainWindowUi::lCurrInpRngColumn, "Sensor Range", 252, 90},
        {"lCurrInpWarningColumn", &MainWindowUi::lCurrInpWarningColumn, "Warning at", 348, 90},
        {"lCurrInpUnitsColumn", &MainWindowUi::lCurrInpUnitsColumn, "Sensor Units", 444, 80}};
    for (const auto& column : columns) {
        ui.*column.label = MakeCaption(p, column.name, QString::fromLatin1(column.text),
                                       QRect(column.left, 8, column.width, 14));
    }
    ui.imCurrentInputSettingsLabel_MASTER =
        Make<QLabel>(p, "imCurrentInputSettingsLabel_MASTER", QRect(8, 28, 80, kRowHeight),
                     QStringLiteral("Master"));
    SetBold(ui.imCurrentInputSettingsLabel_MASTER);
    ui.imCurrentInputSettingsLabel_MASTER->hide();
    ui.eCurrInpCaption = MakePressureEntry(p, "eCurrInpCaption", 96, 150, 28);
    ui.eCurrInpRng = MakePressureEntry(p, "eCurrInpRng", 252, 90, 28);
    ui.eCurrInpWarning = MakePressureEntry(p, "eCurrInpWarning", 348, 90, 28);
    ui.eCurrInpUnits = MakePressureEntry(p, "eCurrInpUnits", 444, 80, 28);

    ui.pCurrentInputSettingsSlave =
        Make<QFrame>(p, "pCurrentInputSettingsSlave", QRect(0, 54, 530, 24));
    QWidget* slave = ui.pCurrentInputSettingsSlave;
    ui.lCurrentInputSettingsSlave = Make<QLabel>(
        slave, "lCurrentInputSettingsSlave", QRect(8, 2, 80, kRowHeight), QStringLiteral("Slave"));
    SetBold(ui.lCurrentInputSettingsSlave);
    ui.eCurrInpCaptionS = MakePressureEntry(slave, "eCurrInpCaptionS", 96, 150, 2);
    ui.eCurrInpRngS = MakePressureEntry(slave, "eCurrInpRngS", 252, 90, 2);
    ui.eCurrInpWarningS = MakePressureEntry(slave, "eCurrInpWarningS", 348, 90, 2);
    ui.eCurrInpUnitsS = MakePressureEntry(slave, "eCurrInpUnitsS", 444, 80, 2);
    ui.pCurrentInputSettingsSlave->hide();

    ui.pVacuumError = MakeGroupPanel(p, "pVacuumError", QRect(548, 4, 200, 74));
    ui.lCurrInpErrorCaption =
        Make<QLabel>(ui.pVacuumError, "lCurrInpErrorCaption", QRect(8, 12, 70, kRowHeight),
                     QStringLiteral("Error at"));
    ui.eCurrInpError = MakePressureEntry(ui.pVacuumError, "eCurrInpError", 84, 90, 12);
    ui.eCurrInpStopAtError =
        Make<QCheckBox>(ui.pVacuumError, "eCurrInpStopAtError", QRect(8, 42, 180, 18),
                        QStringLiteral("Stop at Error"));

    ui.cbPressureFromVFD = Make<QCheckBox>(p, "cbPressureFromVFD", QRect(768, 14, 200, 18),
                                           QStringLiteral("Pressure from VFD"));
    ui.cbPressureFromVFD->setEnabled(false);
    ui.cbPressureFromVFD->hide();
}

} // namespace

void SetupAdditionalSettings(MainWindowUi& ui) {
    ui.pAdvanced = Make<QFrame>(ui.tsSettings, "pAdvanced", QRect(0, 389, 994, kAdvancedHeight));
    SetAlign(ui.pAdvanced, Align::Bottom);
    ui.pcAdvanced = Make<QTabWidget>(ui.pAdvanced, "pcAdvanced", QRect(4, 0, 986, 150));
    SetAlign(ui.pcAdvanced, Align::Client);
    ui.TabSheet1 = AddSheet(ui.pcAdvanced, "TabSheet1", "Main");
    ui.TabSheet2 = AddSheet(ui.pcAdvanced, "TabSheet2", "Advanced");
    ui.tsVacuum = AddSheet(ui.pcAdvanced, "tsVacuum", "Pressure");
    ui.pAdvPanel = Make<QFrame>(ui.TabSheet1, "pAdvPanel", QRect(0, 0, 980, 124));
    SetAlign(ui.pAdvPanel, Align::Client);
    ui.pAdvPanel2 = Make<QFrame>(ui.TabSheet2, "pAdvPanel2", QRect(0, 0, 980, 124));
    SetAlign(ui.pAdvPanel2, Align::Client);
    SetupMainSheet(ui);
    SetupAdvancedSheet(ui);
    SetupPressureSheet(ui);
    for (QFrame* panel : {ui.pAdvPanel, ui.pAdvPanel2}) {
        SetTextColor(panel, kFigureGrey);
        panel->setEnabled(false);
    }
    ui.pAdvanced->hide();
}
