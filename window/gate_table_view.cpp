#include "window/gate_table_view.h"

#include "core/uncaught_error.h"
#include "session/controller_session.h"
#include "window/gate_grid.h"
#include "window/gate_item_model.h"
#include "window/main_window_ui.h"
#include "window/page_builders.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

namespace {
const QColor kGreyEntryText(128, 128, 128);

GateItemModel& CellsOf(GateGrid* grid) {
    return *qobject_cast<GateItemModel*>(grid->model());
}
} // namespace

GateTableView::GateTableView(MainWindowUi& ui, ControllerSession& session,
                             const CheckBoxPictures& pictures, QObject* parent)
    : QObject(parent), ui_(ui), session_(session), cells_(CellsOf(ui.gData)) {
    ui_.gData->setItemDelegate(new GateCellDelegate(pictures, ui_.gData));
    cells_.Bind(session_);
    Bind();
    ShowSmartMinimumAirflow(ui_.cbSmartMinimumAiflowEnabled->isChecked());
}

void GateTableView::Bind() {
    connect(&cells_, &GateItemModel::CellTyped, this, [this](int row, int column, QString text) {
        RunGuarded([&] { Commit(row, column, text); });
    });
    connect(ui_.gData, &GateGrid::CurrentCellReleased, this,
            [this](const QModelIndex& index) { RunGuarded([&] { Toggle(index); }); });
    connect(ui_.gData, &GateGrid::ToggleKeyPressed, this,
            [this](const QModelIndex& index) { RunGuarded([&] { Toggle(index); }); });
    // Also when the settings shown set the box, as its click would.
    connect(ui_.cbSmartMinimumAiflowEnabled, &QCheckBox::toggled, this,
            [this](bool checked) { RunGuarded([&] { ShowSmartMinimumAirflow(checked); }); });
    connect(ui_.eIniAirVelocity, &QLineEdit::textChanged, this, [this](const QString& text) {
        RunGuarded([&] {
            ShowTotals(session_.SetAirVelocityText(text));
            Refresh();
        });
    });
    connect(ui_.bPageUp, &QPushButton::clicked, this,
            [this] { MakeCurrent(session_.GateTable().PageUpCell()); });
    connect(ui_.bPageDn, &QPushButton::clicked, this,
            [this] { MakeCurrent(session_.GateTable().PageDownCell()); });
    connect(ui_.cbAdvancedSettings, &QCheckBox::toggled, ui_.pAdvanced, &QWidget::setVisible);
    connect(ui_.tMaxCurrectCorrection, &QTimer::timeout, this, [this] {
        ui_.pMaxCurrentInfo->hide();
        ui_.tMaxCurrectCorrection->stop();
    });
}

void GateTableView::ShowGateSettings(const GateSettingsShown& shown) {
    ShowTotals(shown.totals);
    Refresh();
}

void GateTableView::Refresh() {
    cells_.Refresh();
    const GateTableModel& rules = session_.GateTable();
    // "Not Used" stands over the cells of columns 4 to 10 as one.
    ui_.gData->clearSpans();
    for (int row = 0; row < rules.RowCount(); ++row) {
        if (rules.Look(row, ColDelayOn, true).notUsed)
            ui_.gData->setSpan(row, ColDelayOn, 1, ColAirVolume - ColDelayOn + 1);
    }
    ui_.bPageUp->setEnabled(rules.PagingEnabled());
    ui_.bPageDn->setEnabled(rules.PagingEnabled());
}

void GateTableView::ShowTotals(const GateTableTotals& totals) {
    ui_.lTotalArea->setText(totals.totalArea);
    if (totals.minAirflowArea)
        ui_.lIniOpenArea->setText(*totals.minAirflowArea);
    if (totals.minAirVolume)
        ui_.lIniOpCfm->setText(*totals.minAirVolume);
    if (totals.tooBigText)
        ui_.lTooBig->setText(*totals.tooBigText);
    ui_.lTooBig->setVisible(totals.tooBigVisible);
    Q_EMIT TotalsShown();
}

void GateTableView::Commit(int row, int column, const QString& text) {
    const std::optional<CommitResult> result = session_.CommitGateCell(row, column, text);
    if (!result)
        return;
    ShowTotals(result->totals);
    Refresh();
    if (result->correctedMaxCurrent)
        ShowCorrectedMaxCurrent(*result->correctedMaxCurrent);
}

void GateTableView::Toggle(const QModelIndex& index) {
    if (const auto totals = session_.ToggleGateCell(index.row(), index.column())) {
        ShowTotals(*totals);
        Refresh();
    }
}

void GateTableView::ShowSmartMinimumAirflow(bool checked) {
    const SmartMinAirflowShown shown = session_.SetSmartMinimumAirflow(checked);
    ui_.pManualMinAirflow->setVisible(shown.manualPanelVisible);
    const QPalette normal = QApplication::palette();
    SetBackground(ui_.eSmartMinAiflowPercent, shown.percentEntryNormal
                                                  ? normal.color(QPalette::Base)
                                                  : normal.color(QPalette::Button));
    SetTextColor(ui_.lSmartMinAiflowPercent,
                 shown.percentEntryNormal ? normal.color(QPalette::WindowText) : kGreyEntryText);
    if (shown.totals)
        ShowTotals(*shown.totals);
    Refresh();
}

void GateTableView::ShowCorrectedMaxCurrent(int milliamps) {
    // The notice sits on the Additional Settings panel: hidden, it would say nothing.
    ui_.cbAdvancedSettings->setChecked(true);
    ui_.pcAdvanced->setCurrentWidget(ui_.TabSheet2);
    ui_.pMaxCurrentInfo->show();
    ui_.tMaxCurrectCorrection->start();
    // Through the entry's change the system image takes the value, bounded.
    ui_.eMaxCurrent->setText(QString::number(milliamps));
}

void GateTableView::MakeCurrent(CellPos cell) {
    ui_.gData->setCurrentIndex(cells_.index(cell.row, cell.column));
    ui_.gData->setFocus();
}
