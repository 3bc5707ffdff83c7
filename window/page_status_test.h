#pragma once
// The page "STATUS && TEST": gate overview, indicators, bars, drive and test mode.

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTabWidget;
class QWidget;
class TInfoBubble;
class TInfoShape;
class TLedBits;
class TLevelBar;
class TShape;
class TUpDown;

struct StatusTestPageUi {
    QWidget* tsManual = nullptr;

    // STATUS && TEST: gate overview
    QFrame* Panel20 = nullptr;
    QFrame* pFirst12 = nullptr;
    QFrame* pOther24 = nullptr;
    QFrame* pNotifyPanel = nullptr;
    QFrame* pNotifyLabel = nullptr;
    TInfoShape* InfoShape2 = nullptr;
    QLabel* lNotifyLabel = nullptr;
    QPushButton* bTrends = nullptr;

    // STATUS && TEST: indicators
    QFrame* pTest = nullptr;
    QFrame* pIndicators = nullptr;
    QLabel* lActiveSns = nullptr;
    QLabel* lActiveSnsCaption = nullptr;
    QLabel* lOpnGates = nullptr;
    QLabel* lOpnGatesCaption = nullptr;
    TShape* shSecurityInput = nullptr;
    QLabel* lSecurityInput = nullptr;
    TShape* shBypassInput = nullptr;
    QLabel* lBypassInput = nullptr;
    QLabel* lCleaningCaption = nullptr;
    TShape* shCleaning = nullptr;
    QLabel* lCleanLabel = nullptr;
    QLabel* lCASE = nullptr;
    QLabel* lCleanAfter = nullptr;
    TShape* sDustOn = nullptr;
    QLabel* lFanRunCaption = nullptr;
    QLabel* lDelay = nullptr;
    TLevelBar* lbDelay = nullptr;

    // STATUS && TEST: fan and gate current bars
    QFrame* pBars = nullptr;
    QFrame* pFanOutput = nullptr;
    QLabel* lFanCaption = nullptr;
    TLevelBar* lbFanOut = nullptr;
    QLabel* lFanScale100 = nullptr;
    QLabel* lFanScale50 = nullptr;
    QLabel* lFanScale0 = nullptr;
    QLabel* lRpmCaption = nullptr;
    QLabel* lVsdPowerProc = nullptr;
    QFrame* pGateCurrent = nullptr;
    QLabel* lGateCurrentCaption = nullptr;
    TLevelBar* lbDrvOdd = nullptr;
    TLevelBar* lbDrvEven = nullptr;
    QLabel* lOddCurr = nullptr;
    QLabel* lEvenCurr = nullptr;
    QLabel* lOddGateCurrent = nullptr;
    QLabel* lEvenGateCurrent = nullptr;
    QFrame* pGateCurrent24 = nullptr;
    QLabel* lGateCurrentCaption24 = nullptr;
    TLevelBar* lbDrvOdd24 = nullptr;
    TLevelBar* lbDrvEven24 = nullptr;
    QLabel* lOddCurr24 = nullptr;
    QLabel* lEvenCurr24 = nullptr;
    QLabel* lOddGateCurrent24 = nullptr;
    QLabel* lEvenGateCurrent24 = nullptr;

    // STATUS && TEST: pressure readings and drive
    QFrame* pCurrentInputValue = nullptr;
    QLabel* lCurrInpLabel = nullptr;
    QLabel* lCurrInpLabelMaster = nullptr;
    QFrame* pCurrInpValueBg = nullptr;
    QLabel* lCurrentInputValue = nullptr;
    QLabel* lCurrentInputUnits = nullptr;
    QLabel* imPressureError = nullptr;
    QFrame* pCurrentInputValueS = nullptr;
    QLabel* lCurrInpLabelS = nullptr;
    QLabel* lCurrInpLabelSlave = nullptr;
    QFrame* pCurrInpValueBgS = nullptr;
    QLabel* lCurrentInputValueS = nullptr;
    QLabel* lCurrentInputUnitsS = nullptr;
    QFrame* pVFD_Status = nullptr;
    QLabel* lVFD_StatusCaption = nullptr;
    TShape* sVFD_StatusLED = nullptr;
    QLabel* lVFD_StatusText = nullptr;
    QLabel* lVFD_Frequency = nullptr;
    QLabel* lVFD_FrequencyUnits = nullptr;
    QLabel* lVfdPower = nullptr;
    QLabel* lVfdPowerUnits = nullptr;
    QLabel* lVfdBits_Manual = nullptr;
    QLabel* lVfdBits_Auto = nullptr;
    QLabel* lVfdBits_OK1 = nullptr;
    QLabel* lVfdBits_OK2 = nullptr;
    QLabel* lVfdBits_Security = nullptr;
    QLabel* lVfdBits_Enable = nullptr;
    QLabel* lMoreAboutVFD = nullptr;
    QFrame* pMoreAboutVfd = nullptr;
    TInfoBubble* ibAboutVfd = nullptr;
    QLabel* lVfdFrequencyRef = nullptr;
    QLabel* lVfdOutputCurrent = nullptr;
    QLabel* lVfdOutputVoltage = nullptr;
    QLabel* lVfdFanPressureRaw = nullptr;
    QLabel* lVfdFilterPressureRaw = nullptr;
    QLabel* lVfdMaxFrequency = nullptr;
    QFrame* pRawVfdData = nullptr;
    QLabel* lRawVfdData = nullptr;
    QLabel* lControlWordCaption = nullptr;
    QLabel* lStatusWordCaption = nullptr;
    TLedBits* lbCW = nullptr;
    TLedBits* lbSW = nullptr;

    // STATUS && TEST: test mode
    QFrame* pTestMode = nullptr;
    QLabel* lTestModeCaption = nullptr;
    QPushButton* bTestOn = nullptr;
    QPushButton* bTestOff = nullptr;
    QPushButton* bOpenAll = nullptr;
    QPushButton* bCloseAll = nullptr;
    QPushButton* bFanRun = nullptr;
    QPushButton* bFanStop = nullptr;
    QFrame* pRpmCtrl = nullptr;
    QLabel* lRpmCtrlCaption = nullptr;
    QSlider* tbPower = nullptr;
    QLabel* lPowerScale100 = nullptr;
    QLabel* lPowerScale50 = nullptr;
    QLabel* lPowerScale0 = nullptr;
    QLineEdit* eFanPwr = nullptr;
    TUpDown* udFanPwr = nullptr;
    QLabel* lFanPwrPercent = nullptr;
};

void SetupStatusTestPage(QTabWidget* pages, StatusTestPageUi& ui);
