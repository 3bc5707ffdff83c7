#pragma once
// The page "RS485, MASTER/SLAVE MODE": installation mode and its picture.

// The mode frame is this much higher than the picture panel inside it.
inline constexpr int kPictureHeightAllowance = 22;

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;
class TShape;

struct MasterSlavePageUi {
    QWidget* tsMasterSlave = nullptr;

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
};

void SetupMasterSlavePage(QTabWidget* pages, MasterSlavePageUi& ui);
