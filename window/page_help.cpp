#include "window/page_help.h"

#include "widgets/gate_pictures.h"
#include "window/page_align.h"
#include "window/page_builders.h"
#include "window/page_controls.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QWebEngineView>

namespace {

constexpr int kLegendHeight = 53;
constexpr int kSignalRow = 4;
constexpr int kPictureRow = 28;

struct SignalLegend {
    const char* outerName;
    const char* innerName;
    const char* labelName;
    const char* text;
    QColor outer;
    QColor innerFill;
    QColor innerOutline;
    int left;
    int textWidth;
};

void MakeSignalLegend(QWidget* legend, const SignalLegend& item, TShape*& outer, TShape*& inner,
                      QLabel*& label) {
    outer = Make<TShape>(legend, item.outerName, QRect(item.left + 2, kSignalRow, 21, 21),
                         TShape::TShapeKind::Circle);
    outer->SetBrushColor(item.outer);
    outer->SetPen(QColor(128, 128, 128));
    inner = Make<TShape>(legend, item.innerName, QRect(item.left + 8, kSignalRow + 6, 9, 9),
                         TShape::TShapeKind::Circle);
    inner->SetBrushColor(item.innerFill);
    inner->SetPen(item.innerOutline);
    label =
        Make<QLabel>(legend, item.labelName, QRect(item.left + 32, kSignalRow, item.textWidth, 21),
                     QString::fromLatin1(item.text));
}

void MakePictureLegend(QWidget* legend, const char* pictureName, QLabel*& picture,
                       const QPixmap& gate, const char* labelName, QLabel*& label, const char* text,
                       int left, int textWidth) {
    picture = Make<QLabel>(legend, pictureName, QRect(left, kPictureRow, 26, 22));
    picture->setScaledContents(true);
    picture->setPixmap(gate);
    label = Make<QLabel>(legend, labelName, QRect(left + 32, kPictureRow, textWidth, 22),
                         QString::fromLatin1(text));
}

void SetupLegend(HelpPageUi& ui) {
    ui.pLegend = MakeGroupPanel(ui.tsHelp, "pLegend", QRect(0, 490, 994, kLegendHeight));
    SetAlign(ui.pLegend, Align::Bottom);
    QWidget* p = ui.pLegend;
    const QColor delayOffFill(160, 160, 160);
    const QColor delayOffOutline(96, 96, 96);
    const QColor delayOnFill(255, 255, 0);
    const QColor delayOnOutline(255, 192, 0);
    MakeSignalLegend(p,
                     {"sSignal_Legend_NA", "sSignalDelay_Legend_NA", "lLegendNA",
                      "Sensor is NOT Active", QColor(176, 176, 176), delayOffFill, delayOffOutline,
                      8, 120},
                     ui.sSignal_Legend_NA, ui.sSignalDelay_Legend_NA, ui.lLegendNA);
    MakeSignalLegend(p,
                     {"sSignal_Legend_SA", "sSignalDelay_Legend_SA", "lLegendSA",
                      "Sensor is ACTIVE", QColor(255, 224, 0), delayOnFill, delayOnOutline, 160,
                      120},
                     ui.sSignal_Legend_SA, ui.sSignalDelay_Legend_SA, ui.lLegendSA);
    MakeSignalLegend(p,
                     {"sSignal_Legend_AA", "sSignalDelay_Legend_AA", "lLegendAA",
                      "Gate is open by MINIMUM AIRFLOW", QColor(128, 176, 255), delayOffFill,
                      delayOffOutline, 312, 190},
                     ui.sSignal_Legend_AA, ui.sSignalDelay_Legend_AA, ui.lLegendAA);
    MakeSignalLegend(p,
                     {"sSignal_Legend_DA", "sSignalDelay_Legend_DA", "lLegendDA",
                      "Sensor & ON/ OFF DELAY", QColor(176, 176, 176), delayOnFill, delayOnOutline,
                      560, 150},
                     ui.sSignal_Legend_DA, ui.sSignalDelay_Legend_DA, ui.lLegendDA);

    ui.bLegendMinAirflow = Make<QPushButton>(p, "bLegendMinAirflow", QRect(730, kSignalRow, 26, 21),
                                             QStringLiteral("1"));
    SetBold(ui.bLegendMinAirflow);
    SetTextColor(ui.bLegendMinAirflow, QColor(48, 96, 255));
    ui.bLegendMinAirflow->setFocusPolicy(Qt::NoFocus);
    ui.lLegendMinAirflow = Make<QLabel>(p, "lLegendMinAirflow", QRect(760, kSignalRow, 150, 21),
                                        QStringLiteral("Min. Airflow Gate"));

    // The pictures as the gate frames show them, white transparent.
    const GatePictures gates = GatePictures::FromResources();
    MakePictureLegend(p, "imLegendGateOpen", ui.imLegendGateOpen, gates.imGateOpen,
                      "lLegendGateOpen", ui.lLegendGateOpen, "Gate Open", 8, 110);
    MakePictureLegend(p, "imLegendGateClose", ui.imLegendGateClose, gates.imGateClose,
                      "lLegendGateClose", ui.lLegendGateClose, "Gate Closed", 160, 110);
    MakePictureLegend(p, "imLegendGateOpening", ui.imLegendGateOpening, gates.imGateOpening,
                      "lLegendGateOpening", ui.lLegendGateOpening, "Gate Opening", 312, 110);
    MakePictureLegend(p, "imLegendGateClosing", ui.imLegendGateClosing, gates.imGateClosing,
                      "lLegendGateClosing", ui.lLegendGateClosing, "Gate Closing", 536, 110);
    MakePictureLegend(p, "imLegendGateDisabled", ui.imLegendGateDisabled, gates.imGateND,
                      "lLegendGateDisabled", ui.lLegendGateDisabled,
                      "Gate is disabled or Vantor is not connected", 728, 226);
}

class HelpOnFirstShow : public QObject {
public:
    HelpOnFirstShow(HelpPageUi& ui, const QString& path)
        : QObject(ui.tsHelp), ui_(ui), url_(QUrl::fromLocalFile(path)) {
        ui.tsHelp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == ui_.tsHelp && event->type() == QEvent::Show) {
            ui_.tsHelp->removeEventFilter(this);
            CreateBrowser();
            deleteLater();
        }
        return false;
    }

private:
    void CreateBrowser() {
        ui_.wbHelp = Make<QWebEngineView>(ui_.tsHelp, "wbHelp", QRect(0, 0, 994, 490));
        SetAlign(ui_.wbHelp, Align::Client);
        ui_.wbHelp->load(url_);
        ui_.wbHelp->show();
    }

    HelpPageUi& ui_;
    QUrl url_;
};

} // namespace

void SetupHelpPage(QTabWidget* pages, HelpPageUi& ui) {
    ui.tsHelp = AddPage(pages, "tsHelp", QStringLiteral("HELP"));
    SetupLegend(ui);
}

void OpenHelpWhenShown(HelpPageUi& ui, const QString& path) {
    new HelpOnFirstShow(ui, path);
}
