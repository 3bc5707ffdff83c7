#pragma once
// The SETUP page's gate table and what surrounds it: the grid, the air volume figures, the
// compensation warning, the Smart Minimum Airflow box, the paging buttons and the callout of a
// corrected maximum current with its timer.

#include "monitor/gate_table_display.h"
#include "window/gate_cell_delegate.h"

#include <QObject>

struct MainWindowUi;
class ControllerSession;
class GateItemModel;

class GateTableView : public QObject {
    Q_OBJECT
public:
    GateTableView(MainWindowUi& ui, ControllerSession& session, const CheckBoxPictures& pictures,
                  QObject* parent = nullptr);

    void ShowGateSettings(const GateSettingsShown& shown);
    // The rows follow the images and the installation again.
    void Refresh();

Q_SIGNALS:
    // An edit changed the total air volume.
    void TotalsShown();

private:
    void Bind();
    void ShowTotals(const GateTableTotals& totals);
    void Commit(int row, int column, const QString& text);
    void Toggle(const QModelIndex& index);
    void ShowSmartMinimumAirflow(bool checked);
    void ShowCorrectedMaxCurrent(int milliamps);
    void MakeCurrent(CellPos cell);

    MainWindowUi& ui_;
    ControllerSession& session_;
    GateItemModel& cells_;
};
