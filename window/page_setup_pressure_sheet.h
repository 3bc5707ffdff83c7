#pragma once
// The sheet "Pressure" of the Additional Settings: pressure inputs of master and slave.

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QTabWidget;
class QWidget;

struct SetupPressureSheetUi {
    QWidget* tsVacuum = nullptr;
    QLabel* lCurrInpCaptionColumn = nullptr;
    QLabel* lCurrInpRngColumn = nullptr;
    QLabel* lCurrInpWarningColumn = nullptr;
    QLabel* lCurrInpUnitsColumn = nullptr;
    QLabel* imCurrentInputSettingsLabel_MASTER = nullptr;
    QLineEdit* eCurrInpCaption = nullptr;
    QLineEdit* eCurrInpRng = nullptr;
    QLineEdit* eCurrInpWarning = nullptr;
    QLineEdit* eCurrInpUnits = nullptr;
    QFrame* pCurrentInputSettingsSlave = nullptr;
    QLabel* lCurrentInputSettingsSlave = nullptr;
    QLineEdit* eCurrInpCaptionS = nullptr;
    QLineEdit* eCurrInpRngS = nullptr;
    QLineEdit* eCurrInpWarningS = nullptr;
    QLineEdit* eCurrInpUnitsS = nullptr;
    QFrame* pVacuumError = nullptr;
    QLabel* lCurrInpErrorCaption = nullptr;
    QLineEdit* eCurrInpError = nullptr;
    QCheckBox* eCurrInpStopAtError = nullptr;
    QCheckBox* cbPressureFromVFD = nullptr;
};

void SetupPressureSheet(QTabWidget* sheets, SetupPressureSheetUi& ui);
