#include "app/page_setup_main_sheet.h"

#include "app/page_builders.h"
#include "app/page_setup_sheet_parts.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

void SetupMainSheet(QTabWidget* sheets, SetupMainSheetUi& ui) {
    ui.TabSheet1 = AddSheet(sheets, "TabSheet1", "Main");
    ui.pAdvPanel = MakeSheetPanel(ui.TabSheet1, "pAdvPanel");
    QWidget* p = ui.pAdvPanel;
    ui.pRegularCleaning = MakeSheetGroup(p, "pRegularCleaning", "lRegularCleaningCaption",
                                         ui.lRegularCleaningCaption, "REGULAR CLEANING", 4, 280);
    QWidget* regular = ui.pRegularCleaning;
    ui.cbCleanEnabled = MakeOption(regular, "cbCleanEnabled", "Regular Cleaning Enabled", 0, 264);
    ui.eCleanHowOften =
        MakeLabelledEntry(regular, "lCleanHowOftenCaption", ui.lCleanHowOftenCaption,
                          "How Often [min.]", "eCleanHowOften", 1, 208);
    ui.eCleanHowLong = MakeLabelledEntry(regular, "lCleanHowLongCaption", ui.lCleanHowLongCaption,
                                         "How Long [min.]", "eCleanHowLong", 2, 208);
    ui.eMBA = Make<QLineEdit>(regular, "eMBA", QRect(160, SheetRow(0), 40, kSheetRowHeight));
    ui.eMBA->hide();

    ui.pCleaningAtStop =
        MakeSheetGroup(p, "pCleaningAtStop", "lCleaningAtStopCaption", ui.lCleaningAtStopCaption,
                       "CLEANING WHEN SYSTEM STOPS", 288, 400);
    QWidget* atStop = ui.pCleaningAtStop;
    ui.cbCleaningBeforeStop = MakeOption(atStop, "cbCleaningBeforeStop", "Enabled", 0, 200);
    ui.eCleanAtStopHowLong =
        MakeLabelledEntry(atStop, "lCleanAtStopHowLongCaption", ui.lCleanAtStopHowLongCaption,
                          "How Long [min.]", "eCleanAtStopHowLong", 1, 320);
    ui.eCleanAtStopRunMin = MakeLabelledEntry(
        atStop, "lCleanAtStopRunMinCaption", ui.lCleanAtStopRunMinCaption,
        "Do Not Start Cleaning if System Runs Under [min.]", "eCleanAtStopRunMin", 2, 320);

    ui.pSafety = MakeSheetGroup(p, "pSafety", "lSafetyCaption", ui.lSafetyCaption,
                                "SAFETY SETTINGS", 692, 284);
    QWidget* safety = ui.pSafety;
    ui.cbOpenAtStop = MakeOption(safety, "cbOpenAtStop", "Open Gates at Fan Stop", 0, 268);
    ui.cbOpenAtError = MakeOption(safety, "cbOpenAtError", "Security Input - Open Gates", 1, 268);
    ui.cbRunAtError = MakeOption(safety, "cbRunAtError", "Security Input - Run Fan", 2, 268);
    ui.cbKeepLastUsedOpen =
        MakeOption(safety, "cbKeepLastUsedOpen", "Keep Last Used Gates Open", 3, 268);
}
