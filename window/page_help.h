#pragma once
// The page "HELP": the help browser, created when the page is first shown, over the legend.

class QFrame;
class QString;
class QLabel;
class QPushButton;
class QTabWidget;
class QWebEngineView;
class QWidget;
class TShape;

struct HelpPageUi {
    QWidget* tsHelp = nullptr;

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
};

void SetupHelpPage(QTabWidget* pages, HelpPageUi& ui);
// The help browser wbHelp opens the file when the page is shown for the first time; it is
// created only then, since the browser costs memory and processes of its own.
void OpenHelpWhenShown(HelpPageUi& ui, const QString& path);
