#include "window/page_setup_advanced_sheet.h"

#include "data/settings_captions.h"
#include "widgets/callout_instances.h"
#include "window/page_builders.h"
#include "window/page_setup_sheet_parts.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

void SetupAdvancedSheet(QTabWidget* sheets, SetupAdvancedSheetUi& ui) {
    ui.TabSheet2 = AddSheet(sheets, "TabSheet2", "Advanced");
    ui.pAdvPanel2 = MakeSheetPanel(ui.TabSheet2, "pAdvPanel2");
    QWidget* p = ui.pAdvPanel2;
    ui.pButtonFunction = MakeSheetGroup(p, "pButtonFunction", "lButtonFunctionCaption",
                                        ui.lButtonFunctionCaption, Caption::ButtonFunction, 4, 280);
    QWidget* button = ui.pButtonFunction;
    ui.rbOpenRequest =
        Make<QRadioButton>(button, "rbOpenRequest", QRect(8, SheetRow(0) - 2, 264, 18),
                           QString::fromLatin1(Caption::OpenRequest));
    ui.rbSignalSimul =
        Make<QRadioButton>(button, "rbSignalSimul", QRect(8, SheetRow(1) - 2, 264, 18),
                           QString::fromLatin1(Caption::SignalSimul));
    ui.rbOpenRequest->setChecked(true);
    ui.eButtonCancel = MakeLabelledEntry(button, "lButtonCancelCaption", ui.lButtonCancelCaption,
                                         Caption::ButtonCancel, "eButtonCancel", 2, 208);

    ui.pGateFunction = MakeSheetGroup(p, "pGateFunction", "lGateFunctionCaption",
                                      ui.lGateFunctionCaption, Caption::GateFunction, 288, 400);
    QWidget* gate = ui.pGateFunction;
    ui.eMinCurrent = MakeLabelledEntry(gate, "lMinCurrentCaption", ui.lMinCurrentCaption,
                                       Caption::MinCurrent, "eMinCurrent", 0, 200);
    ui.eMaxCurrent = MakeLabelledEntry(gate, "lMaxCurrentCaption", ui.lMaxCurrentCaption,
                                       Caption::MaxCurrent, "eMaxCurrent", 1, 200);
    ui.eReverseDelay = MakeLabelledEntry(gate, "lReverseDelayCaption", ui.lReverseDelayCaption,
                                         Caption::ReverseDelay, "eReverseDelay", 2, 200);
    ui.cbStopOnCurrDecay = MakeOption(gate, "cbStopOnCurrDecay", Caption::StopOnCurrDecay, 3, 260);
    ui.pMaxCurrentInfo =
        Make<QFrame>(gate, "pMaxCurrentInfo", QRect(264, SheetRow(1) - 5, 125, 30));
    ui.InfoShape1 = CreateInfoShape(TInfoShapeInstance::InfoShape1, ui.pMaxCurrentInfo);
    ui.lMaxCurrentInfo = Make<QLabel>(ui.pMaxCurrentInfo, "lMaxCurrentInfo", QRect(12, 0, 112, 30),
                                      QStringLiteral("Maximal current was corrected"));
    ui.lMaxCurrentInfo->setWordWrap(true);
    ui.lMaxCurrentInfo->setAlignment(Qt::AlignCenter);
    ui.pMaxCurrentInfo->hide();

    ui.pOtherSettings = MakeSheetGroup(p, "pOtherSettings", "lOtherSettingsCaption",
                                       ui.lOtherSettingsCaption, "OTHER SETTINGS", 692, 284);
    QWidget* other = ui.pOtherSettings;
    ui.pActiveAfterStart = Make<QFrame>(other, "pActiveAfterStart", QRect(0, SheetRow(0), 284, 44));
    ui.lActiveAfterStartCaption =
        Make<QLabel>(ui.pActiveAfterStart, "lActiveAfterStartCaption", QRect(8, 0, 268, 16),
                     QString::fromLatin1(Caption::ActiveAfterStart));
    SetBold(ui.lActiveAfterStartCaption);
    ui.lInactiveAfterStartCaption = Make<QLabel>(ui.pActiveAfterStart, "lInactiveAfterStartCaption",
                                                 QRect(8, 18, 196, kSheetRowHeight),
                                                 QString::fromLatin1(Caption::InactiveAfterStart));
    ui.eInactiveAfterStart = Make<QLineEdit>(ui.pActiveAfterStart, "eInactiveAfterStart",
                                             QRect(208, 18, 60, kSheetRowHeight));
    ui.eInactiveAfterStart->setAlignment(Qt::AlignRight);
    ui.lIniAirVelocityCaption =
        Make<QLabel>(other, "lIniAirVelocityCaption", QRect(8, SheetRow(2) - 2, 196, 30),
                     QStringLiteral("Air Velocity for Air Volume Calculations [2,000..6,000 FPM]"));
    ui.lIniAirVelocityCaption->setWordWrap(true);
    ui.eIniAirVelocity =
        Make<QLineEdit>(other, "eIniAirVelocity", QRect(208, SheetRow(2) + 4, 60, kSheetRowHeight),
                        QStringLiteral("4500"));
    ui.eIniAirVelocity->setAlignment(Qt::AlignRight);
}
