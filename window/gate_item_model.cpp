#include "window/gate_item_model.h"

#include "session/controller_session.h"

#include <array>

void GateItemModel::Bind(const ControllerSession& session) {
    session_ = &session;
    Refresh();
}

void GateItemModel::Refresh() {
    const int rows = session_ ? session_->GateTable().RowCount() : rows_;
    if (rows != rows_) {
        beginResetModel();
        rows_ = rows;
        endResetModel();
        return;
    }
    Q_EMIT dataChanged(index(0, 0), index(rows_ - 1, GateColumnCount - 1));
}

CellLook GateItemModel::Look(const QModelIndex& index) const {
    if (!session_)
        return {};
    return session_->GateTable().Look(index.row(), index.column(), session_->LinkUp());
}

int GateItemModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int GateItemModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : GateColumnCount;
}

QVariant GateItemModel::data(const QModelIndex& index, int role) const {
    if (!session_ || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return session_->GateTable().Text(index.row(), index.column());
}

bool GateItemModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole)
        return false;
    Q_EMIT CellTyped(index.row(), index.column(), value.toString());
    return true;
}

Qt::ItemFlags GateItemModel::flags(const QModelIndex& index) const {
    // A cell that cannot be selected is disabled, so neither a click nor the arrow keys make
    // it the current cell.
    if (!session_ || !session_->GateTable().CanSelect(index.row(), index.column()))
        return Qt::NoItemFlags;
    const Qt::ItemFlags selectable = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return GateTableModel::Typeable(index.column()) ? selectable | Qt::ItemIsEditable : selectable;
}

QVariant GateItemModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= GateColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromLatin1(kGateColumnCaptions[static_cast<size_t>(section)]);
}
