#include "window/page_setup_main_sheet.h"

#include "data/settings_captions.h"
#include "window/page_builders.h"
#include "window/page_setup_sheet_parts.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

void SetupMainSheet(QTabWidget* sheets, SetupMainSheetUi& ui) {
    ui.TabSheet1 = AddSheet(sheets, "TabSheet1", "Main");
    ui.pAdvPanel = MakeSheetPanel(ui.TabSheet1, "pAdvPanel");
    QWidget* p = ui.pAdvPanel;
    ui.pRegularCleaning =
        MakeSheetGroup(p, "pRegularCleaning", "lRegularCleaningCaption", ui.lRegularCleaningCaption,
                       Caption::RegularCleaning, 4, 280);
    QWidget* regular = ui.pRegularCleaning;
    ui.cbCleanEnabled = MakeOption(regular, "cbCleanEnabled", Caption::CleanEnabled, 0, 264);
    ui.eCleanHowOften =
        MakeLabelledEntry(regular, "lCleanHowOftenCaption", ui.lCleanHowOftenCaption,
                          Caption::CleanHowOften, "eCleanHowOften", 1, 208);
    ui.eCleanHowLong = MakeLabelledEntry(regular, "lCleanHowLongCaption", ui.lCleanHowLongCaption,
                                         Caption::CleanHowLong, "eCleanHowLong", 2, 208);
    ui.eMBA = Make<QLineEdit>(regular, "eMBA", QRect(160, SheetRow(0), 40, kSheetRowHeight));
    ui.eMBA->hide();

    ui.pCleaningAtStop =
        MakeSheetGroup(p, "pCleaningAtStop", "lCleaningAtStopCaption", ui.lCleaningAtStopCaption,
                       Caption::CleaningAtStop, 288, 400);
    QWidget* atStop = ui.pCleaningAtStop;
    ui.cbCleaningBeforeStop =
        MakeOption(atStop, "cbCleaningBeforeStop", Caption::CleaningBeforeStop, 0, 200);
    ui.eCleanAtStopHowLong =
        MakeLabelledEntry(atStop, "lCleanAtStopHowLongCaption", ui.lCleanAtStopHowLongCaption,
                          Caption::CleanAtStopHowLong, "eCleanAtStopHowLong", 1, 320);
    ui.eCleanAtStopRunMin =
        MakeLabelledEntry(atStop, "lCleanAtStopRunMinCaption", ui.lCleanAtStopRunMinCaption,
                          Caption::CleanAtStopRunMin, "eCleanAtStopRunMin", 2, 320);

    ui.pSafety = MakeSheetGroup(p, "pSafety", "lSafetyCaption", ui.lSafetyCaption, Caption::Safety,
                                692, 284);
    QWidget* safety = ui.pSafety;
    ui.cbOpenAtStop = MakeOption(safety, "cbOpenAtStop", Caption::OpenAtStop, 0, 268);
    ui.cbOpenAtError = MakeOption(safety, "cbOpenAtError", Caption::OpenAtError, 1, 268);
    ui.cbRunAtError = MakeOption(safety, "cbRunAtError", Caption::RunAtError, 2, 268);
    ui.cbKeepLastUsedOpen =
        MakeOption(safety, "cbKeepLastUsedOpen", Caption::KeepLastUsedOpen, 3, 268);
}
