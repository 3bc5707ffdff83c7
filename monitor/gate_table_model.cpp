#include "monitor/gate_table_model.h"

#include "core/conversions.h"
#include "data/slave_link.h"
#include "monitor/gate_entries.h"
#include "monitor/gate_row_figures.h"

#include <algorithm>

namespace {
constexpr int kDefaultAirVelocity = 4500;
// Far above the 6,000 FPM the entry asks for, and low enough that the sums fit.
constexpr int kLargestAirVelocity = 10000;

size_t At(int index) {
    return static_cast<size_t>(index);
}

int UnitBase(Unit unit) {
    return unit == Unit::Master ? 0 : kGatesPerUnit;
}

QString Flag(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}
} // namespace

int GateTableModel::RowCount() const {
    const bool withSlave = installationMode_ == kInstallationSlaveOnPort ||
                           installationMode_ == kInstallationMasterSlave;
    return withSlave ? kMaxRows : kGatesPerUnit;
}

bool GateTableModel::MasterSlave() const {
    return installationMode_ == kInstallationMasterSlave;
}

bool GateTableModel::PagingEnabled() const {
    return RowCount() == kMaxRows;
}

GateRecord& GateTableModel::Record(int row) {
    GateSettingsBlock& block =
        row < kGatesPerUnit ? images_.GateSettings.Edited : images_.SlaveGateSettings.Edited;
    return block.Gates[At(row % kGatesPerUnit)];
}

const GateRecord& GateTableModel::Record(int row) const {
    const GateSettingsBlock& block =
        row < kGatesPerUnit ? images_.GateSettings.Edited : images_.SlaveGateSettings.Edited;
    return block.Gates[At(row % kGatesPerUnit)];
}

bool GateTableModel::OffDelayInTenths(int row) const {
    return features_.Has(row < kGatesPerUnit ? Feature::OffDelayInTenths
                                             : Feature::SlaveOffDelayInTenths);
}

QString& GateTableModel::CellText(int row, int column) {
    return texts_[At(row)][At(column)];
}

uint16_t GateTableModel::ManualMinAirflowMask(Unit unit) const {
    return manualMinAirflowMasks_[unit == Unit::Master ? 0 : 1];
}

std::optional<GateSettingsShown> GateTableModel::ShowGateSettings(Unit unit, bool frameButtons) {
    if (unit == Unit::Slave && !MasterSlave())
        return std::nullopt;
    GateSettingsShown shown;
    uint16_t mask = 0;
    for (int i = 0; i < kGatesPerUnit; ++i) {
        const int row = UnitBase(unit) + i;
        const GateRecord& gate = Record(row);
        GateFrameSettings& frame = shown.frames[At(i)];
        frame.active = gate.Enabled() != 0;
        frame.minAirflow = gate.MinAirflow() != 0;
        frame.buttonEnabled = frameButtons && frame.active;
        if (frame.minAirflow)
            mask |= static_cast<uint16_t>(1u << i);
        CellText(row, ColDelayOn) = DelayText(gate.OnDelay(), 100);
        CellText(row, ColDelayOff) = DelayText(gate.OffDelay(), OffDelayInTenths(row) ? 10 : 100);
        CellText(row, ColGate1) = QString::number(gate.Diameter1());
        CellText(row, ColGate2) = QString::number(gate.Diameter2());
        CellText(row, ColGate3) = QString::number(gate.Diameter3());
        CellText(row, ColCompensation) = QString::number(gate.Compensation());
        shown.totals = RecalcGateRow(row);
    }
    manualMinAirflowMasks_[unit == Unit::Master ? 0 : 1] = mask;
    return shown;
}

std::array<QString, kGatesPerUnit> GateTableModel::ShowGateNames(Unit unit) {
    const GateNamesBlock& block =
        unit == Unit::Master ? images_.GateNames.Edited : images_.SlaveGateNames.Edited;
    std::array<QString, kGatesPerUnit> names;
    for (int i = 0; i < kGatesPerUnit; ++i) {
        names[At(i)] = block.Names[At(i)].Name();
        CellText(UnitBase(unit) + i, ColName) = names[At(i)];
    }
    return names;
}

QString GateTableModel::Text(int row, int column) const {
    if (!RowValid(row) || column < 0 || column >= GateColumnCount)
        return {};
    switch (column) {
    case ColNumber:
        if (row < kGatesPerUnit)
            return (MasterSlave() ? QStringLiteral("M") : QString()) + QString::number(row + 1);
        // Slave rows are filled in the MASTER installation only.
        return MasterSlave() ? QStringLiteral("S%1").arg(row - kGatesPerUnit + 1) : QString();
    case ColEnable:
        return Flag(InUse(row));
    case ColMinAirflow:
        return Flag(Record(row).MinAirflow() != 0);
    default:
        return texts_[At(row)][At(column)];
    }
}

CellLook GateTableModel::Look(int row, int column, bool linkUp) const {
    CellLook look;
    if (!RowValid(row))
        return look;
    const bool inUse = InUse(row);
    const bool minAirflow = Record(row).MinAirflow() != 0;
    if (!inUse)
        look.background = CellBackground::NotUsed;
    else if (column == ColNumber || column == ColAirVolume)
        look.background = CellBackground::Fixed;
    else if (column == ColMinAirflow && smartMinAirflow_)
        look.background = CellBackground::ButtonFace;
    else if (minAirflow && !smartMinAirflow_)
        look.background = CellBackground::MinAirflow;
    look.greyText = !linkUp;

    if (column == ColEnable) {
        look.checkBox = inUse ? CheckBoxPicture::Checked : CheckBoxPicture::NotChecked;
    } else if (column == ColMinAirflow) {
        if (smartMinAirflow_)
            look.checkBox = minAirflow ? CheckBoxPicture::DisabledChecked
                                       : CheckBoxPicture::NotCheckedSeeThrough;
        else
            look.checkBox = minAirflow ? CheckBoxPicture::Checked : CheckBoxPicture::NotChecked;
    } else if (column > ColMinAirflow && !inUse) {
        look.notUsed = true;
    } else {
        look.text = Text(row, column);
        look.align = column == ColNumber ? CellAlign::Centre
                     : column == ColName ? CellAlign::Left
                                         : CellAlign::Right;
        look.bold = column == ColNumber;
        if (column == ColCompensation) {
            const double value = LenientFloat(look.text, 0);
            look.bold = value != 0;
            look.red = value < 0;
        }
    }
    return look;
}

bool GateTableModel::CanSelect(int row, int column) const {
    if (!RowValid(row) || column <= ColNumber || column >= ColAirVolume)
        return false;
    if (column == ColMinAirflow && smartMinAirflow_)
        return false;
    return column < ColMinAirflow || InUse(row);
}

std::optional<CommitResult> GateTableModel::Commit(int row, int column, const QString& typed) {
    if (!CanSelect(row, column) || !Typeable(column))
        return std::nullopt;
    CommitResult result;
    GateRecord& gate = Record(row);
    // An editor closed on what the cell showed leaves the unit's bytes, which the cell may show
    // rounded.
    const bool unchanged =
        column == ColName ? typed == CellText(row, column)
                          : typed.trimmed() == CellText(row, column).trimmed() ||
                                LenientFloat(typed, -1) == LenientFloat(CellText(row, column), -2);
    if (unchanged) {
        result.totals = RecalcGateRow(row);
        return result;
    }
    if (column == ColName) {
        const QString name = typed.left(kGateNameLength);
        CellText(row, ColName) = name;
        GateNamesBlock& names =
            row < kGatesPerUnit ? images_.GateNames.Edited : images_.SlaveGateNames.Edited;
        names.Names[At(row % kGatesPerUnit)].SetName(
            name.isEmpty() ? QStringLiteral("Gate %1").arg(row + 1) : name);
    } else {
        const double previous = LenientFloat(CellText(row, column), 0);
        CommitValue(row, column, LenientFloat(typed, previous));
    }
    result.totals = RecalcGateRow(row);
    if (column >= ColGate1 && column <= ColGate3) {
        result.correctedMaxCurrent =
            MaxCurrentCorrection(gate, images_.SystemSettings.Edited.MaxCurrent());
        ComputeSizeFactor(gate);
    }
    return result;
}

void GateTableModel::CommitValue(int row, int column, double value) {
    GateRecord& gate = Record(row);
    QString& text = CellText(row, column);
    switch (column) {
    case ColDelayOn: {
        const DelayEntry entry = OnDelayEntry(value);
        gate.SetOnDelay(entry.stored);
        text = entry.text;
        break;
    }
    case ColDelayOff: {
        const DelayEntry entry = OffDelayEntry(value, OffDelayInTenths(row));
        gate.SetOffDelay(entry.stored);
        text = entry.text;
        break;
    }
    case ColGate1:
    case ColGate2:
    case ColGate3: {
        const uint8_t diameter = DiameterEntry(value);
        if (column == ColGate1)
            gate.SetDiameter1(diameter);
        else if (column == ColGate2)
            gate.SetDiameter2(diameter);
        else
            gate.SetDiameter3(diameter);
        text = QString::number(diameter);
        break;
    }
    default:
        gate.SetCompensation(CompensationEntry(value));
        text = QString::number(gate.Compensation());
        break;
    }
    // The extra area follows the diameters and the compensation the technician typed.
    if (column >= ColGate1)
        gate.SetExtraArea(CompensationFigures(gate, gate.Compensation()).extraArea);
}

std::optional<GateTableTotals> GateTableModel::Toggle(int row, int column) {
    if ((column != ColEnable && column != ColMinAirflow) || !CanSelect(row, column))
        return std::nullopt;
    if (row >= kGatesPerUnit && !MasterSlave())
        return std::nullopt;
    GateRecord& gate = Record(row);
    if (column == ColEnable)
        gate.SetEnabled(gate.Enabled() != 0 ? 0 : 1);
    else
        gate.SetMinAirflow(gate.MinAirflow() != 0 ? 0 : 1);
    return RecalcGateRow(row);
}

int GateTableModel::AirVelocity() const {
    bool whole = false;
    const int velocity = airVelocity_.trimmed().toInt(&whole);
    return whole ? std::clamp(velocity, 0, kLargestAirVelocity) : kDefaultAirVelocity;
}

GateTableTotals GateTableModel::RecalcGateRow(int row) {
    if (!RowValid(row))
        return Totals();
    // Figures only: showing a row never changes what the unit holds.
    const GateRecord& gate = Record(row);
    const GateRowFigures figures = CompensationFigures(gate, gate.Compensation());
    compensationLimits_[At(row)] = figures.compensationLimit;
    CellText(row, ColAirVolume) = QString::number(AirVolume(gate, AirVelocity()));
    return Totals();
}

GateTableTotals GateTableModel::Totals() {
    const int rows = MasterSlave() ? kMaxRows : kGatesPerUnit;
    double total = 0;
    double minimum = 0;
    GateTableTotals totals;
    for (int row = 0; row < rows; ++row) {
        if (InUse(row)) {
            const double volume = LenientFloat(CellText(row, ColAirVolume), 0);
            total += volume;
            if (Record(row).MinAirflow() != 0)
                minimum += volume;
        }
        if (const std::optional<int> limit = compensationLimits_[At(row)])
            totals.tooBigText = CellText(row, ColCompensation) +
                                "% is too big compensation value for " + CellText(row, ColName) +
                                "!\rMaximum compensation value for this gate combination is " +
                                QString::number(*limit);
    }
    totals.tooBigVisible = totals.tooBigText.has_value();
    totalAirVolume_ = static_cast<int>(total);
    totals.totalAirVolume = totalAirVolume_;
    totals.totalArea = QString::number(totalAirVolume_);
    if (!smartMinAirflow_) {
        totals.minAirflowArea =
            total > 0 ? QString::number(minimum / total * 100, 'f', 1) : QStringLiteral("0");
        totals.minAirVolume =
            total > 0 ? QString::number(RoundHalfEven(minimum)) : QStringLiteral("0");
    }
    return totals;
}

GateTableTotals GateTableModel::SetAirVelocityText(const QString& text) {
    airVelocity_ = text;
    const int rows = MasterSlave() ? kMaxRows : kGatesPerUnit;
    for (int row = 0; row < rows - 1; ++row)
        RecalcGateRow(row);
    return RecalcGateRow(rows - 1);
}

SmartMinAirflowShown GateTableModel::SetSmartMinimumAirflow(bool checked) {
    smartMinAirflow_ = checked;
    SmartMinAirflowShown shown;
    shown.manualPanelVisible = !checked;
    shown.percentEntryNormal = checked;
    if (!checked)
        shown.totals = RecalcGateRow(0);
    return shown;
}
