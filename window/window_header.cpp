#include "window/window_header.h"

#include "widgets/program_bitmaps.h"
#include "window/page_align.h"
#include "window/page_builders.h"
#include "window/page_controls.h"

#include <QFrame>
#include <QLabel>

namespace {

QLabel* MakeVersionLabel(QWidget* parent, const char* name, const QString& text, int left) {
    auto* label = Make<QLabel>(parent, name, QRect(left, 38, 176, 13), text);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(kDesignFontPixels);
    label->setFont(font);
    SetTextColor(label, kVersionGreen);
    return label;
}

} // namespace

void SetupWindowHeader(QWidget* window, HeaderUi& ui) {
    ui.Panel1 = MakePanel(window, "Panel1", QRect(0, 0, 1002, 55));
    SetBackground(ui.Panel1, Qt::white);
    SetAlign(ui.Panel1, Align::Top);

    ui.Shape5 =
        Make<TShape>(ui.Panel1, "Shape5", QRect(0, 53, 1002, 2), TShape::TShapeKind::Rectangle);
    ui.Shape5->SetBrushColor(kVersionGreen);
    ui.Shape5->SetPen(QColor(), 0);
    SetAlign(ui.Shape5, Align::Bottom);

    ui.iLogoDurvik = Make<QLabel>(ui.Panel1, "iLogoDurvik", QRect(0, 0, 132, 53));
    ui.iLogoDurvik->setPixmap(ProgramBitmap(QStringLiteral("LOGODURVIK")));
    ui.iLogoDurvik->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui.iLogoDurvik->setToolTip(QStringLiteral("www.durvik.com"));
    SetAlign(ui.iLogoDurvik, Align::Left);

    ui.pHeaderRight = MakePanel(ui.Panel1, "pHeaderRight", QRect(819, 0, 183, 53));
    SetAlign(ui.pHeaderRight, Align::Right);
    ui.Vantor12 = Make<QLabel>(ui.pHeaderRight, "Vantor12", QRect(0, 3, 177, 24),
                               QStringLiteral(" Vantor 12"));
    ui.Vantor12->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ui.pVTDetectedBorder = MakePanel(ui.pHeaderRight, "pVTDetectedBorder", QRect(0, 28, 177, 23));
    SetBackground(ui.pVTDetectedBorder, kSilver);
    ui.pVTDetected = Make<QLabel>(ui.pVTDetectedBorder, "pVTDetected", QRect(1, 1, 175, 21),
                                  QStringLiteral("not Detected"));
    SetBold(ui.pVTDetected);
    SetBackground(ui.pVTDetected, kLampGreen);
    ui.pVTDetected->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ui.pVTDetected->setIndent(4);

    ui.pHeaderCentre = MakePanel(ui.Panel1, "pHeaderCentre", QRect(132, 0, 687, 53));
    SetAlign(ui.pHeaderCentre, Align::Client);
    ui.lWarningVacuum = Make<QLabel>(
        ui.pHeaderCentre, "lWarningVacuum", QRect(95, 1, 497, 35),
        QStringLiteral("Warning: Gates must be open before starting the fan in the test mode; "
                       "otherwise the duct system can be destroyed by high vacuum level!"));
    SetOwnFont(ui.lWarningVacuum, kDesignFontPixels, true);
    SetBackground(ui.lWarningVacuum, QColor(255, 0, 0));
    SetTextColor(ui.lWarningVacuum, Qt::black);
    ui.lWarningVacuum->setAlignment(Qt::AlignCenter);
    ui.lWarningVacuum->setWordWrap(true);
    ui.lWarningVacuum->hide();

    ui.lBootloaderCommunication =
        Make<QLabel>(ui.pHeaderCentre, "lBootloaderCommunication", QRect(95, 1, 497, 35),
                     QStringLiteral("FIRMWARE IS DAMAGED! PLEASE UPDATE FIRMWARE."));
    SetBold(ui.lBootloaderCommunication);
    SetBackground(ui.lBootloaderCommunication, QColor(255, 255, 0));
    SetTextColor(ui.lBootloaderCommunication, QColor(255, 0, 0));
    ui.lBootloaderCommunication->setAlignment(Qt::AlignCenter);
    ui.lBootloaderCommunication->hide();

    ui.lAppVer =
        MakeVersionLabel(ui.pHeaderCentre, "lAppVer", QStringLiteral("Software Version:"), 4);
    ui.lFwVersion =
        MakeVersionLabel(ui.pHeaderCentre, "lFwVersion", QStringLiteral("Firmware Version:"), 180);
    ui.lHwVersion =
        MakeVersionLabel(ui.pHeaderCentre, "lHwVersion", QStringLiteral("Hardware Version:"), 364);
}
