#pragma once
// The page "SERVICE": counters, communication log, restart, firmware update and data.

class QFileDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QWidget;
class TShape;

struct ServicePageUi {
    QWidget* tsDetail = nullptr;

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
    QPushButton* bTrafficMonitor = nullptr;
    QLabel* lBackupInfo = nullptr;
    QPushButton* bRestoreBackup = nullptr;
    QPushButton* bExportCounters = nullptr;
    QPushButton* bServiceReport = nullptr;
    QFileDialog* dExportCounters = nullptr;
    QFileDialog* dServiceReport = nullptr;
    TShape* shFirmwareHintBullet1 = nullptr;
    TShape* shFirmwareHintBullet2 = nullptr;
    TShape* shFirmwareHintBullet3 = nullptr;
    QLabel* lFirmwareHint1 = nullptr;
    QLabel* lFirmwareHint2 = nullptr;
    QLabel* lFirmwareHint3 = nullptr;
};

void SetupServicePage(QTabWidget* pages, ServicePageUi& ui);
