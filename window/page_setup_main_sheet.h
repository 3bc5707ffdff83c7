#pragma once
// The sheet "Main" of the Additional Settings: cleaning and safety settings.

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QTabWidget;
class QWidget;

struct SetupMainSheetUi {
    QWidget* TabSheet1 = nullptr;
    QFrame* pAdvPanel = nullptr;
    QFrame* pRegularCleaning = nullptr;
    QLabel* lRegularCleaningCaption = nullptr;
    QCheckBox* cbCleanEnabled = nullptr;
    QLabel* lCleanHowOftenCaption = nullptr;
    QLineEdit* eCleanHowOften = nullptr;
    QLabel* lCleanHowLongCaption = nullptr;
    QLineEdit* eCleanHowLong = nullptr;
    QLineEdit* eMBA = nullptr;
    QFrame* pCleaningAtStop = nullptr;
    QLabel* lCleaningAtStopCaption = nullptr;
    QCheckBox* cbCleaningBeforeStop = nullptr;
    QLabel* lCleanAtStopHowLongCaption = nullptr;
    QLineEdit* eCleanAtStopHowLong = nullptr;
    QLabel* lCleanAtStopRunMinCaption = nullptr;
    QLineEdit* eCleanAtStopRunMin = nullptr;
    QFrame* pSafety = nullptr;
    QLabel* lSafetyCaption = nullptr;
    QCheckBox* cbOpenAtStop = nullptr;
    QCheckBox* cbOpenAtError = nullptr;
    QCheckBox* cbRunAtError = nullptr;
    QCheckBox* cbKeepLastUsedOpen = nullptr;
};

void SetupMainSheet(QTabWidget* sheets, SetupMainSheetUi& ui);
