#pragma once
// The page "SETUP": command buttons, gate table, airflow and fan settings, and the
// Additional Settings with their three sheets.

#include "window/page_setup_advanced_sheet.h"
#include "window/page_setup_main_sheet.h"
#include "window/page_setup_pressure_sheet.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class GateGrid;
class QWidget;
class TUpDown;

struct SetupPageUi : SetupMainSheetUi, SetupAdvancedSheetUi, SetupPressureSheetUi {
    QWidget* tsSettings = nullptr;
    QFrame* pLeft = nullptr;
    QPushButton* bReload = nullptr;
    QPushButton* bDefault = nullptr;
    QPushButton* bSave = nullptr;
    QPushButton* bLoadFromFile = nullptr;
    QPushButton* bSaveToFile = nullptr;
    QLabel* lViewWorkstations = nullptr;
    QPushButton* bPageUp = nullptr;
    QPushButton* bPageDn = nullptr;
    QCheckBox* cbAdvancedSettings = nullptr;
    QLabel* lSlaveIsNotConnected = nullptr;
    QFrame* pVariable = nullptr;
    GateGrid* gData = nullptr;
    QLabel* lGateTableNote = nullptr;
    QLabel* lGateNameNote = nullptr;
    QLabel* lTooBig = nullptr;
    QPushButton* bShowChanges = nullptr;
    QLabel* lVerifyFailed = nullptr;
    QFrame* pOvladani = nullptr;
    QFrame* pSmartMinAirflow = nullptr;
    QLabel* lSmartMinAirflowCaption = nullptr;
    QCheckBox* cbSmartMinimumAiflowEnabled = nullptr;
    QLabel* lSmartMinAiflowPercent = nullptr;
    QLineEdit* eSmartMinAiflowPercent = nullptr;
    QLabel* lSmartMinimumAirflowEnabled = nullptr;
    QLabel* lTotalAreaCaption = nullptr;
    QLabel* lTotalArea = nullptr;
    QLabel* lIniOpenAreaCaption = nullptr;
    QLabel* lIniOpenArea = nullptr;
    QLabel* lIniOpCfmCaption = nullptr;
    QLabel* lIniOpCfm = nullptr;
    QLabel* pManualMinAirflow = nullptr;
    QFrame* pFanDelays = nullptr;
    QLabel* lFanDelaysCaption = nullptr;
    QLabel* lOnDelayCaption = nullptr;
    QLineEdit* eOnDelay = nullptr;
    QLabel* lOffDelayCaption = nullptr;
    QLineEdit* eOffDelay = nullptr;
    TUpDown* udDelay = nullptr;
    QLabel* lAtLeastOneGate = nullptr;
    QFrame* pOpRange = nullptr;
    QLabel* lOpRangeCaption = nullptr;
    QLabel* lOpRangeMinCaption = nullptr;
    QLineEdit* eOpRangeMin = nullptr;
    TUpDown* udOpRangeMin = nullptr;
    QLabel* lOpRangeMaxCaption = nullptr;
    QLineEdit* eOpRangeMax = nullptr;
    TUpDown* udOpRangeMax = nullptr;
    QFrame* pAdvanced = nullptr;
    QTabWidget* pcAdvanced = nullptr;
};

void SetupSetupPage(QTabWidget* pages, SetupPageUi& ui);
