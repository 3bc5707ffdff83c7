#include "window/page_setup_pressure_sheet.h"

#include "data/settings_captions.h"
#include "window/page_builders.h"
#include "window/page_setup_sheet_parts.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

namespace {

QLineEdit* MakePressureEntry(QWidget* parent, const char* name, int left, int width, int top) {
    auto* entry = Make<QLineEdit>(parent, name, QRect(left, top, width, kSheetRowHeight));
    return entry;
}

} // namespace

void SetupPressureSheet(QTabWidget* sheets, SetupPressureSheetUi& ui) {
    ui.tsVacuum = AddSheet(sheets, "tsVacuum", "Pressure");
    QWidget* p = ui.tsVacuum;
    const struct {
        const char* name;
        QLabel* SetupPressureSheetUi::*label;
        const char* text;
        int left;
        int width;
    } columns[] = {{"lCurrInpCaptionColumn", &SetupPressureSheetUi::lCurrInpCaptionColumn,
                    Caption::SensorCaption, 96, 150},
                   {"lCurrInpRngColumn", &SetupPressureSheetUi::lCurrInpRngColumn,
                    Caption::SensorRange, 252, 90},
                   {"lCurrInpWarningColumn", &SetupPressureSheetUi::lCurrInpWarningColumn,
                    Caption::SensorWarning, 348, 90},
                   {"lCurrInpUnitsColumn", &SetupPressureSheetUi::lCurrInpUnitsColumn,
                    Caption::SensorUnits, 444, 80}};
    for (const auto& column : columns) {
        ui.*column.label = MakeCaption(p, column.name, QString::fromLatin1(column.text),
                                       QRect(column.left, 8, column.width, 14));
    }
    ui.imCurrentInputSettingsLabel_MASTER =
        Make<QLabel>(p, "imCurrentInputSettingsLabel_MASTER", QRect(8, 28, 80, kSheetRowHeight),
                     QString::fromLatin1(Caption::MasterSensor));
    SetBold(ui.imCurrentInputSettingsLabel_MASTER);
    ui.imCurrentInputSettingsLabel_MASTER->hide();
    ui.eCurrInpCaption = MakePressureEntry(p, "eCurrInpCaption", 96, 150, 28);
    ui.eCurrInpRng = MakePressureEntry(p, "eCurrInpRng", 252, 90, 28);
    ui.eCurrInpWarning = MakePressureEntry(p, "eCurrInpWarning", 348, 90, 28);
    ui.eCurrInpUnits = MakePressureEntry(p, "eCurrInpUnits", 444, 80, 28);

    ui.pCurrentInputSettingsSlave =
        Make<QFrame>(p, "pCurrentInputSettingsSlave", QRect(0, 54, 530, 24));
    QWidget* slave = ui.pCurrentInputSettingsSlave;
    ui.lCurrentInputSettingsSlave =
        Make<QLabel>(slave, "lCurrentInputSettingsSlave", QRect(8, 2, 80, kSheetRowHeight),
                     QString::fromLatin1(Caption::SlaveSensor));
    SetBold(ui.lCurrentInputSettingsSlave);
    ui.eCurrInpCaptionS = MakePressureEntry(slave, "eCurrInpCaptionS", 96, 150, 2);
    ui.eCurrInpRngS = MakePressureEntry(slave, "eCurrInpRngS", 252, 90, 2);
    ui.eCurrInpWarningS = MakePressureEntry(slave, "eCurrInpWarningS", 348, 90, 2);
    ui.eCurrInpUnitsS = MakePressureEntry(slave, "eCurrInpUnitsS", 444, 80, 2);
    ui.pCurrentInputSettingsSlave->hide();

    ui.pVacuumError = MakeGroupPanel(p, "pVacuumError", QRect(548, 4, 200, 74));
    ui.lCurrInpErrorCaption =
        Make<QLabel>(ui.pVacuumError, "lCurrInpErrorCaption", QRect(8, 12, 70, kSheetRowHeight),
                     QString::fromLatin1(Caption::SensorError));
    ui.eCurrInpError = MakePressureEntry(ui.pVacuumError, "eCurrInpError", 84, 90, 12);
    ui.eCurrInpStopAtError =
        Make<QCheckBox>(ui.pVacuumError, "eCurrInpStopAtError", QRect(8, 42, 180, 18),
                        QString::fromLatin1(Caption::StopAtError));

    ui.cbPressureFromVFD = Make<QCheckBox>(p, "cbPressureFromVFD", QRect(768, 14, 200, 18),
                                           QString::fromLatin1(Caption::PressureFromVFD));
    ui.cbPressureFromVFD->setEnabled(false);
    ui.cbPressureFromVFD->hide();
}
