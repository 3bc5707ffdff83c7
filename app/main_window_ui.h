#pragma once
// Every control of the main window, created once by SetupMainWindowUi with fixed 96 dpi geometry.

#include <QRect>
#include <QSize>

class QCheckBox;
class QFileDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
class QTableWidget;
class QTimer;
class QWebEngineView;
class QWidget;
class TShape;
class TUpDown;

struct MainWindowUi {
    // Header
    QFrame* Panel1 = nullptr;
    QLabel* iLogoDurvik = nullptr;
    QFrame* pHeaderCentre = nullptr;
    QLabel* lWarningVacuum = nullptr;
    QLabel* lBootloaderCommunication = nullptr;
    QLabel* lAppVer = nullptr;
    QLabel* lFwVersion = nullptr;
    QLabel* lHwVersion = nullptr;
    QFrame* pHeaderRight = nullptr;
    QLabel* Vantor12 = nullptr;
    QFrame* pVTDetectedBorder = nullptr;
    QLabel* pVTDetected = nullptr;
    TShape* Shape5 = nullptr;
    QFrame* Panel4 = nullptr;

    QTabWidget* pcPages = nullptr;
    QWidget* tsManual = nullptr;
    QWidget* tsSettings = nullptr;
    QWidget* tsDetail = nullptr;
    QWidget* tsMasterSlave = nullptr;
    QWidget* tsHelp = nullptr;

    // STATUS && TEST: gate overview
    QFrame* Panel20 = nullptr;
    QFrame* pFirst12 = nullptr;
    QFrame* pOther24 = nullptr;
    QFrame* pNotifyPanel = nullptr;
    QFrame* pNotifyLabel = nullptr;
    QLabel* lNotifyLabel = nullptr;

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

    // STATUS && TEST: fan and gate current bars
    QFrame* pBars = nullptr;
    QFrame* pFanOutput = nullptr;
    QLabel* lFanCaption = nullptr;
    QLabel* lFanScale100 = nullptr;
    QLabel* lFanScale50 = nullptr;
    QLabel* lFanScale0 = nullptr;
    QLabel* lRpmCaption = nullptr;
    QLabel* lVsdPowerProc = nullptr;
    QFrame* pGateCurrent = nullptr;
    QLabel* lGateCurrentCaption = nullptr;
    QLabel* lOddCurr = nullptr;
    QLabel* lEvenCurr = nullptr;
    QLabel* lOddGateCurrent = nullptr;
    QLabel* lEvenGateCurrent = nullptr;
    QFrame* pGateCurrent24 = nullptr;
    QLabel* lGateCurrentCaption24 = nullptr;
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
    QFrame* pRawVfdData = nullptr;
    QLabel* lRawVfdData = nullptr;
    QLabel* lControlWordCaption = nullptr;
    QLabel* lStatusWordCaption = nullptr;

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

    // SETUP
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
    QTableWidget* gData = nullptr;
    QLabel* lGateTableNote = nullptr;
    QLabel* lGateNameNote = nullptr;
    QLabel* lTooBig = nullptr;
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
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QWidget* tsVacuum = nullptr;
    QFrame* pAdvPanel = nullptr;
    QFrame* pAdvPanel2 = nullptr;

    // SERVICE
    QLabel* lCountersCaption = nullptr;
    QFrame* pCounters = nullptr;
    QPlainTextEdit* mCtcs = nullptr;
    QFrame* pSlaveAppSavings = nullptr;
    QPlainTextEdit* mCtcs24 = nullptr;
    QPushButton* bRefreshCounters = nullptr;
    QLabel* lSavingProgressCaption = nullptr;
    QFrame* pKomStatus = nullptr;
    QPlainTextEdit* mKomSts = nullptr;
    QProgressBar* pbKomSts = nullptr;
    QPushButton* bResetUnit = nullptr;
    QLabel* lFirmwareDataCaption = nullptr;
    QPlainTextEdit* mFwData = nullptr;
    QLabel* lSlaveFirmwareVersion = nullptr;
    QLabel* lBootloaderDataCaption = nullptr;
    QPlainTextEdit* mFWBLData = nullptr;
    QFrame* pFirmwareUpdatePanel = nullptr;
    QLabel* lFirmwareUpdateCaption = nullptr;
    QLabel* lFirmwareFileCaption = nullptr;
    QLineEdit* eFirmwareFile = nullptr;
    QPushButton* bFirmwareFileOpen = nullptr;
    QLabel* lFirmwareFileError = nullptr;
    QPushButton* bUploadFirmware = nullptr;
    TShape* shFirmwareHintBullet1 = nullptr;
    TShape* shFirmwareHintBullet2 = nullptr;
    TShape* shFirmwareHintBullet3 = nullptr;
    QLabel* lFirmwareHint1 = nullptr;
    QLabel* lFirmwareHint2 = nullptr;
    QLabel* lFirmwareHint3 = nullptr;

    // RS485, MASTER/SLAVE MODE
    QFrame* pMSMode = nullptr;
    TShape* shMSModeFrame = nullptr;
    QRadioButton* rbSlaveOnPort0 = nullptr;
    QLabel* lSingleLabel = nullptr;
    QRadioButton* rbSlaveOnPort1 = nullptr;
    QRadioButton* rbSlaveOnPort2 = nullptr;
    QLabel* Label42 = nullptr;
    QRadioButton* rbVFD_OnPort2 = nullptr;
    QLabel* lSingleWithVFDonRS485 = nullptr;
    QLabel* lSaveReminder = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* bSave2 = nullptr;
    QFrame* Panel25 = nullptr;
    QLabel* imMasterSlave = nullptr;

    // HELP
    QWebEngineView* wbHelp = nullptr;
    QFrame* pLegend = nullptr;
    TShape* sSignal_Legend_NA = nullptr;
    TShape* sSignalDelay_Legend_NA = nullptr;
    TShape* sSignal_Legend_SA = nullptr;
    TShape* sSignalDelay_Legend_SA = nullptr;
    TShape* sSignal_Legend_AA = nullptr;
    TShape* sSignalDelay_Legend_AA = nullptr;
    TShape* sSignal_Legend_DA = nullptr;
    TShape* sSignalDelay_Legend_DA = nullptr;
    QLabel* lLegendNA = nullptr;
    QLabel* lLegendSA = nullptr;
    QLabel* lLegendAA = nullptr;
    QLabel* lLegendDA = nullptr;
    QLabel* imLegendGateOpen = nullptr;
    QLabel* imLegendGateClose = nullptr;
    QLabel* imLegendGateOpening = nullptr;
    QLabel* imLegendGateClosing = nullptr;
    QLabel* imLegendGateDisabled = nullptr;
    QLabel* lLegendGateOpen = nullptr;
    QLabel* lLegendGateClose = nullptr;
    QLabel* lLegendGateOpening = nullptr;
    QLabel* lLegendGateClosing = nullptr;
    QLabel* lLegendGateDisabled = nullptr;
    QPushButton* bLegendMinAirflow = nullptr;
    QLabel* lLegendMinAirflow = nullptr;

    // Non-visual
    QTimer* tDelay = nullptr;
    QTimer* tHidePanelKom = nullptr;
    QTimer* tSecurityBlinkTimer = nullptr;
    QTimer* tBypassBlinkTimer = nullptr;
    QTimer* tMaxCurrectCorrection = nullptr;
    QFileDialog* dOpen = nullptr;
    QFileDialog* dSave = nullptr;
};

// Places of the display components that are created elsewhere, relative to the named parent.
struct ComponentPlace {
    const char* parentName;
    QRect rect;
};

inline constexpr ComponentPlace kFanOutBarPlace{"pFanOutput", QRect(44, 20, 25, 146)};
inline constexpr ComponentPlace kDrvOddBarPlace{"pGateCurrent", QRect(20, 20, 17, 146)};
inline constexpr ComponentPlace kDrvEvenBarPlace{"pGateCurrent", QRect(69, 20, 17, 146)};
inline constexpr ComponentPlace kDrvOdd24BarPlace{"pGateCurrent24", QRect(20, 20, 17, 146)};
inline constexpr ComponentPlace kDrvEven24BarPlace{"pGateCurrent24", QRect(69, 20, 17, 146)};
inline constexpr ComponentPlace kDelayBarPlace{"pIndicators", QRect(28, 208, 118, 4)};
inline constexpr ComponentPlace kAboutVfdBubblePlace{"pMoreAboutVfd", QRect(0, 0, 215, 125)};
inline constexpr ComponentPlace kControlWordLedsPlace{"pRawVfdData", QRect(8, 62, 92, 175)};
inline constexpr ComponentPlace kStatusWordLedsPlace{"pRawVfdData", QRect(112, 62, 83, 175)};
inline constexpr ComponentPlace kNoticeBackdropPlace{"pNotifyLabel", QRect(0, 0, 307, 20)};

inline constexpr QSize kDesignClientSize{1002, 634};
inline constexpr QSize kMinimumOuterSize{1010, 606};
inline constexpr QSize kMinimumClientSize{1002, 575};

void SetupMainWindowUi(QWidget* window, MainWindowUi& ui);
