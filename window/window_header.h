#pragma once
// The window's header: logo, notices, version line and the link state panel.

class QFrame;
class QLabel;
class QWidget;
class TShape;

struct HeaderUi {
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
};

void SetupWindowHeader(QWidget* window, HeaderUi& ui);
