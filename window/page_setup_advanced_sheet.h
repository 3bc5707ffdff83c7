#pragma once
// The sheet "Advanced" of the Additional Settings: button, gate and other settings.

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;
class QWidget;
class TInfoShape;

struct SetupAdvancedSheetUi {
    QWidget* TabSheet2 = nullptr;
    QFrame* pAdvPanel2 = nullptr;
    QFrame* pButtonFunction = nullptr;
    QLabel* lButtonFunctionCaption = nullptr;
    QRadioButton* rbOpenRequest = nullptr;
    QRadioButton* rbSignalSimul = nullptr;
    QLabel* lButtonCancelCaption = nullptr;
    QLineEdit* eButtonCancel = nullptr;
    QFrame* pGateFunction = nullptr;
    QLabel* lGateFunctionCaption = nullptr;
    QLabel* lMinCurrentCaption = nullptr;
    QLineEdit* eMinCurrent = nullptr;
    QLabel* lMaxCurrentCaption = nullptr;
    QLineEdit* eMaxCurrent = nullptr;
    QFrame* pMaxCurrentInfo = nullptr;
    TInfoShape* InfoShape1 = nullptr;
    QLabel* lMaxCurrentInfo = nullptr;
    QLabel* lReverseDelayCaption = nullptr;
    QLineEdit* eReverseDelay = nullptr;
    QCheckBox* cbStopOnCurrDecay = nullptr;
    QFrame* pOtherSettings = nullptr;
    QLabel* lOtherSettingsCaption = nullptr;
    QFrame* pActiveAfterStart = nullptr;
    QLabel* lActiveAfterStartCaption = nullptr;
    QLabel* lInactiveAfterStartCaption = nullptr;
    QLineEdit* eInactiveAfterStart = nullptr;
    QLabel* lIniAirVelocityCaption = nullptr;
    QLineEdit* eIniAirVelocity = nullptr;
};

void SetupAdvancedSheet(QTabWidget* sheets, SetupAdvancedSheetUi& ui);
