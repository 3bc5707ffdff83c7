#pragma once
// The rules of the gate table gData without its widgets: one row per gate of the edited gate
// settings and names, what each cell shows, which cells take input, and what a commit or a
// toggle writes into the edited images and derives from them.

#include "data/controller_images.h"
#include "data/feature_levels.h"
#include "monitor/gate_table_display.h"

class GateTableModel {
public:
    static constexpr int kMaxRows = 2 * kGatesPerUnit;

    GateTableModel(ControllerImages& images, const FeatureLevels& features)
        : images_(images), features_(features) {}

    // 0..3; modes 1 and 2 give the table the slave unit's rows.
    void SetInstallationMode(int mode) { installationMode_ = mode; }
    int RowCount() const;

    // The unit's rows from its edited gate settings; the slave's only in the MASTER
    // installation. frameButtons: the link is up and test mode is on.
    std::optional<GateSettingsShown> ShowGateSettings(Unit unit, bool frameButtons);
    std::array<QString, kGatesPerUnit> ShowGateNames(Unit unit);

    QString Text(int row, int column) const;
    CellLook Look(int row, int column, bool linkUp) const;
    bool CanSelect(int row, int column) const;
    // The check-box columns toggle instead.
    static bool Typeable(int column) { return column != ColEnable && column != ColMinAirflow; }

    // When the cell's editor closes. Nothing for a cell that takes no typing.
    std::optional<CommitResult> Commit(int row, int column, const QString& typed);
    // Mouse release over the current cell, Enter or space. Nothing for other cells.
    std::optional<GateTableTotals> Toggle(int row, int column);
    GateTableTotals RecalcGateRow(int row);

    // eIniAirVelocity changed.
    GateTableTotals SetAirVelocityText(const QString& text);
    const QString& AirVelocityText() const { return airVelocity_; }
    // cbSmartMinimumAiflowEnabled clicked.
    SmartMinAirflowShown SetSmartMinimumAirflow(bool checked);

    // Gates whose MinAirflow setting the unit's rows were last shown with.
    uint16_t ManualMinAirflowMask(Unit unit) const;
    // Whole CFM of all gates in use.
    int TotalAirVolume() const { return totalAirVolume_; }

    // bPageUp and bPageDn.
    bool PagingEnabled() const;
    CellPos PageUpCell() const { return {0, ColName}; }
    CellPos PageDownCell() const { return {RowCount() - 1, ColName}; }

private:
    bool RowValid(int row) const { return row >= 0 && row < RowCount(); }
    bool MasterSlave() const;
    GateRecord& Record(int row);
    const GateRecord& Record(int row) const;
    bool InUse(int row) const { return Record(row).Enabled() != 0; }
    bool OffDelayInTenths(int row) const;
    int AirVelocity() const;
    GateTableTotals Totals();
    QString& CellText(int row, int column);
    void CommitValue(int row, int column, double value);

    ControllerImages& images_;
    const FeatureLevels& features_;
    int installationMode_ = 0;
    bool smartMinAirflow_ = false;
    QString airVelocity_ = QStringLiteral("4500");
    std::array<std::array<QString, GateColumnCount>, kMaxRows> texts_;
    std::array<std::optional<int>, kMaxRows> compensationLimits_{};
    std::array<uint16_t, 2> manualMinAirflowMasks_{};
    int totalAirVolume_ = 0;
};
