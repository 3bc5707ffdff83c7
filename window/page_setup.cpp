#include "window/page_setup.h"

#include "data/settings_captions.h"
#include "window/gate_grid.h"
#include "window/gate_item_model.h"
#include "window/page_align.h"
#include "window/page_builders.h"
#include "window/page_controls.h"
#include "window/window_resize.h"

#include <QCheckBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <array>

namespace {

constexpr int kLeftWidth = 165;
constexpr int kRightWidth = 234;
constexpr int kGateColumns = 11;
constexpr int kAdvancedHeight = 154;
constexpr std::array<int, kGateColumns> kDesignColumnWidths{27, 124, 41, 39, 46, 44,
                                                            44, 43,  40, 60, 48};

QPushButton* MakeLeftButton(QWidget* parent, const char* name, const char* caption, int top,
                            int height = 30) {
    return Make<QPushButton>(parent, name, QRect(8, top, 149, height),
                             QString::fromLatin1(caption));
}

QLineEdit* MakeEntry(QWidget* parent, const char* name, const QRect& rect) {
    auto* entry = Make<QLineEdit>(parent, name, rect);
    entry->setAlignment(Qt::AlignRight);
    return entry;
}

QLabel* MakeFigure(QWidget* parent, const char* name, int top) {
    auto* figure = Make<QLabel>(parent, name, QRect(168, top, 50, 14), QStringLiteral("0"));
    figure->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetBold(figure);
    return figure;
}

TUpDown* MakeUpDown(QWidget* parent, const char* name, QLineEdit* buddy, int minimum, int maximum,
                    int position) {
    const QRect edit = buddy->geometry();
    auto* upDown =
        Make<TUpDown>(parent, name, QRect(edit.right() + 1, edit.top(), 16, edit.height()));
    upDown->SetRange(minimum, maximum);
    upDown->SetPosition(position);
    upDown->SetBuddy(buddy);
    return upDown;
}

void SetupLeftColumn(SetupPageUi& ui) {
    ui.pLeft = Make<QFrame>(ui.tsSettings, "pLeft", QRect(0, 0, kLeftWidth, 389));
    SetAlign(ui.pLeft, Align::Left);
    QWidget* p = ui.pLeft;
    ui.bReload = MakeLeftButton(p, "bReload", "Reload from Vantor", 8);
    ui.bDefault = MakeLeftButton(p, "bDefault", "Default Settings", 44);
    ui.bDefault->setToolTip(QStringLiteral("Preset most commonly used default values"));
    ui.bSave = MakeLeftButton(p, "bSave", "Save to Vantor", 80);
    ui.bLoadFromFile = MakeLeftButton(p, "bLoadFromFile", "Load from File", 126);
    ui.bSaveToFile = MakeLeftButton(p, "bSaveToFile", "Save to File", 162);
    ui.bReload->setEnabled(false);
    ui.bSave->setEnabled(false);
    ui.lViewWorkstations = MakeCaption(p, "lViewWorkstations", QStringLiteral("View Workstations"),
                                       QRect(8, 208, 149, 14));
    ui.bPageUp = MakeLeftButton(p, "bPageUp", "Show first workstation", 226, 26);
    ui.bPageDn = MakeLeftButton(p, "bPageDn", "Show last workstation", 256, 26);
    ui.bPageUp->setEnabled(false);
    ui.bPageDn->setEnabled(false);
    ui.cbAdvancedSettings = Make<QCheckBox>(p, "cbAdvancedSettings", QRect(8, 296, 149, 20),
                                            QStringLiteral("Additional Settings"));
    ui.lSlaveIsNotConnected =
        Make<QLabel>(p, "lSlaveIsNotConnected", QRect(8, 324, 149, 44),
                     QStringLiteral("The Slave Vantor Unit is not Conneted to Master"));
    ui.lSlaveIsNotConnected->setWordWrap(true);
    SetBold(ui.lSlaveIsNotConnected);
    SetTextColor(ui.lSlaveIsNotConnected, QColor(255, 0, 0));
    ui.lSlaveIsNotConnected->hide();
}

void SetupGateTable(SetupPageUi& ui) {
    ui.gData = Make<GateGrid>(ui.pVariable, "gData", QRect(8, 8, 569, 262));
    GateGrid* table = ui.gData;
    table->setModel(new GateItemModel(table));
    QHeaderView* header = table->horizontalHeader();
    header->setDefaultAlignment(
        Qt::Alignment(static_cast<int>(Qt::AlignCenter) | static_cast<int>(Qt::TextWordWrap)));
    header->setFixedHeight(kGateCaptionHeight);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setHighlightSections(false);
    header->setMinimumSectionSize(1);
    QHeaderView* rows = table->verticalHeader();
    rows->hide();
    rows->setMinimumSectionSize(1);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(kGateRowHeight);
    // Qt draws each column's grid line inside its width; the design widths are without it.
    for (int column = 0; column < kGateColumns; ++column) {
        table->setColumnWidth(column, kDesignColumnWidths[static_cast<size_t>(column)] + 1);
    }
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    table->setWordWrap(false);
    table->setShowGrid(true);
    table->setEnabled(false);
}

void SetupCentre(SetupPageUi& ui) {
    ui.pVariable = Make<QFrame>(ui.tsSettings, "pVariable", QRect(kLeftWidth, 0, 595, 389));
    SetAlign(ui.pVariable, Align::Client);
    SetupGateTable(ui);
    ui.lGateTableNote = Make<QLabel>(ui.pVariable, "lGateTableNote", QRect(8, 274, 569, 28),
                                     QStringLiteral("All times in table are in seconds; Gate "
                                                    "diameters in inches; Negative pressure "
                                                    "compensation in percent; Air volume in CFM"));
    ui.lGateTableNote->setWordWrap(true);
    ui.lGateTableNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui.lGateNameNote = Make<QLabel>(ui.pVariable, "lGateNameNote", QRect(8, 304, 200, 14),
                                    QStringLiteral("Name: max. 20 characters"));
    ui.lTooBig = Make<QLabel>(ui.pVariable, "lTooBig", QRect(212, 304, 365, 30),
                              QStringLiteral("Too Big compensation"));
    SetBackground(ui.lTooBig, QColor(255, 0, 0));
    SetTextColor(ui.lTooBig, QColor(255, 255, 0));
    SetBold(ui.lTooBig);
    ui.lTooBig->setWordWrap(true);
    ui.lTooBig->setIndent(4);
    ui.lTooBig->hide();
    // Below the notes, clear of lTooBig: the pending changes, open also without a link.
    ui.bShowChanges = Make<QPushButton>(ui.pVariable, "bShowChanges", QRect(8, 342, 149, 28),
                                        QStringLiteral("Changes\u2026"));
    // Beside it, for as long as a save has not verified.
    ui.lVerifyFailed = Make<QLabel>(ui.pVariable, "lVerifyFailed", QRect(164, 336, 413, 50));
    SetBackground(ui.lVerifyFailed, QColor(255, 0, 0));
    SetTextColor(ui.lVerifyFailed, Qt::white);
    SetBold(ui.lVerifyFailed);
    ui.lVerifyFailed->setWordWrap(true);
    ui.lVerifyFailed->setTextFormat(Qt::PlainText);
    ui.lVerifyFailed->setIndent(4);
    ui.lVerifyFailed->hide();
}

void SetupSmartMinAirflow(SetupPageUi& ui) {
    ui.pSmartMinAirflow = MakeGroupPanel(ui.pOvladani, "pSmartMinAirflow", QRect(4, 8, 226, 190));
    QWidget* p = ui.pSmartMinAirflow;
    ui.lSmartMinAirflowCaption =
        MakeCaption(p, "lSmartMinAirflowCaption", QString::fromLatin1(Caption::SmartMinAirflow),
                    QRect(0, 4, 226, 14));
    ui.lSmartMinAirflowCaption->setAlignment(Qt::AlignCenter);
    ui.cbSmartMinimumAiflowEnabled =
        Make<QCheckBox>(p, "cbSmartMinimumAiflowEnabled", QRect(8, 24, 210, 18),
                        QString::fromLatin1(Caption::SmartMinimumAiflowEnabled));
    ui.lSmartMinimumAirflowEnabled =
        Make<QLabel>(p, "lSmartMinimumAirflowEnabled", QRect(8, 47, 14, 16));
    SetBackground(ui.lSmartMinimumAirflowEnabled, QColor(128, 176, 255));
    ui.lSmartMinimumAirflowEnabled->hide();
    ui.lSmartMinAiflowPercent = Make<QLabel>(p, "lSmartMinAiflowPercent", QRect(26, 46, 130, 20),
                                             QString::fromLatin1(Caption::SmartMinAiflowPercent));
    ui.eSmartMinAiflowPercent = MakeEntry(p, "eSmartMinAiflowPercent", QRect(168, 46, 50, 20));
    ui.lTotalAreaCaption = Make<QLabel>(p, "lTotalAreaCaption", QRect(8, 74, 160, 14),
                                        QStringLiteral("Total Air Volume (CFM) ="));
    ui.lTotalArea = MakeFigure(p, "lTotalArea", 74);
    ui.lIniOpenAreaCaption = Make<QLabel>(p, "lIniOpenAreaCaption", QRect(8, 92, 160, 14),
                                          QStringLiteral("Min. Airflow area (% of total) ="));
    ui.lIniOpenArea = MakeFigure(p, "lIniOpenArea", 92);
    ui.lIniOpCfmCaption = Make<QLabel>(p, "lIniOpCfmCaption", QRect(8, 110, 160, 14),
                                       QStringLiteral("Min. Air Volume (CFM) ="));
    ui.lIniOpCfm = MakeFigure(p, "lIniOpCfm", 110);
    ui.pManualMinAirflow =
        Make<QLabel>(p, "pManualMinAirflow", QRect(8, 132, 210, 50),
                     QStringLiteral("Minimum airflow achieved by manually selected gates."));
    ui.pManualMinAirflow->setWordWrap(true);
    ui.pManualMinAirflow->setAlignment(Qt::AlignCenter);
    ui.pManualMinAirflow->setStyleSheet(QStringLiteral(
        "#pManualMinAirflow { background: rgb(166, 202, 240); border-radius: 8px; }"));
    SetOwnFont(ui.pManualMinAirflow, kDesignFontPixels);
}

void SetupFanAndRange(SetupPageUi& ui) {
    ui.pFanDelays = MakeGroupPanel(ui.pOvladani, "pFanDelays", QRect(4, 204, 226, 94));
    QWidget* fan = ui.pFanDelays;
    ui.lFanDelaysCaption =
        MakeCaption(fan, "lFanDelaysCaption", QStringLiteral("FAN"), QRect(0, 4, 226, 14));
    ui.lFanDelaysCaption->setAlignment(Qt::AlignCenter);
    ui.lOnDelayCaption = Make<QLabel>(fan, "lOnDelayCaption", QRect(8, 24, 140, 20),
                                      QString::fromLatin1(Caption::OnDelay));
    ui.eOnDelay = MakeEntry(fan, "eOnDelay", QRect(152, 24, 50, 20));
    ui.lOffDelayCaption = Make<QLabel>(fan, "lOffDelayCaption", QRect(8, 48, 140, 20),
                                       QString::fromLatin1(Caption::OffDelay));
    ui.eOffDelay = MakeEntry(fan, "eOffDelay", QRect(152, 48, 50, 20));
    ui.udDelay = MakeUpDown(fan, "udDelay", ui.eOffDelay, 0, 480, 0);
    // The panel's full inner width and a smaller font: at the page's font the warning is wider
    // than the panel.
    ui.lAtLeastOneGate =
        Make<QLabel>(fan, "lAtLeastOneGate", QRect(2, 72, 222, 18),
                     QStringLiteral("Smart or Manual Minimum Airflow must be set"));
    SetOwnFont(ui.lAtLeastOneGate, kDesignFontPixels - 1);
    SetTextColor(ui.lAtLeastOneGate, QColor(255, 0, 0));
    ui.lAtLeastOneGate->setAlignment(Qt::AlignCenter);
    ui.lAtLeastOneGate->hide();

    ui.pOpRange = MakeGroupPanel(ui.pOvladani, "pOpRange", QRect(4, 304, 226, 56));
    QWidget* range = ui.pOpRange;
    ui.lOpRangeCaption = MakeCaption(range, "lOpRangeCaption",
                                     QString::fromLatin1(Caption::OpRange), QRect(0, 4, 226, 14));
    ui.lOpRangeCaption->setAlignment(Qt::AlignCenter);
    ui.lOpRangeMinCaption = Make<QLabel>(range, "lOpRangeMinCaption", QRect(8, 26, 40, 20),
                                         QString::fromLatin1(Caption::OpRangeMin));
    ui.eOpRangeMin = MakeEntry(range, "eOpRangeMin", QRect(48, 26, 40, 20));
    ui.udOpRangeMin = MakeUpDown(range, "udOpRangeMin", ui.eOpRangeMin, 25, 99, 50);
    ui.lOpRangeMaxCaption = Make<QLabel>(range, "lOpRangeMaxCaption", QRect(118, 26, 40, 20),
                                         QString::fromLatin1(Caption::OpRangeMax));
    ui.eOpRangeMax = MakeEntry(range, "eOpRangeMax", QRect(158, 26, 40, 20));
    ui.udOpRangeMax = MakeUpDown(range, "udOpRangeMax", ui.eOpRangeMax, 51, 100, 100);
    for (QWidget* linked :
         std::initializer_list<QWidget*>{ui.eOnDelay, ui.eOffDelay, ui.udDelay, ui.eOpRangeMin,
                                         ui.eOpRangeMax, ui.udOpRangeMin, ui.udOpRangeMax}) {
        linked->setEnabled(false);
    }
}

void SetupAdditionalSettings(SetupPageUi& ui) {
    ui.pAdvanced = Make<QFrame>(ui.tsSettings, "pAdvanced", QRect(0, 389, 994, kAdvancedHeight));
    SetAlign(ui.pAdvanced, Align::Bottom);
    ui.pcAdvanced = Make<QTabWidget>(ui.pAdvanced, "pcAdvanced", QRect(4, 0, 986, 150));
    SetAlign(ui.pcAdvanced, Align::Client);
    SetupMainSheet(ui.pcAdvanced, ui);
    SetupAdvancedSheet(ui.pcAdvanced, ui);
    SetupPressureSheet(ui.pcAdvanced, ui);
    ui.pAdvanced->hide();
}

} // namespace

void SetupSetupPage(QTabWidget* pages, SetupPageUi& ui) {
    ui.tsSettings = AddPage(pages, "tsSettings", QStringLiteral("SETUP"));
    SetupAdditionalSettings(ui);
    SetupLeftColumn(ui);
    ui.pOvladani = Make<QFrame>(ui.tsSettings, "pOvladani", QRect(760, 0, kRightWidth, 389));
    SetAlign(ui.pOvladani, Align::Right);
    SetupSmartMinAirflow(ui);
    SetupFanAndRange(ui);
    SetupCentre(ui);
}
