#include "window/changes_item_model.h"

#include <array>

namespace {
enum Column { Block, Field, Controller, Edited, Columns };

constexpr std::array<const char*, Columns> kCaptions{"Block", "Setting", "Controller", "Edited"};
} // namespace

void ChangesItemModel::SetChanges(QList<SettingChange> changes) {
    beginResetModel();
    changes_ = std::move(changes);
    endResetModel();
}

int ChangesItemModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(changes_.size());
}

int ChangesItemModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QVariant ChangesItemModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || index.row() >= changes_.size())
        return {};
    const SettingChange& change = changes_[index.row()];
    switch (index.column()) {
    case Block:
        return change.block;
    case Field:
        return change.field;
    case Controller:
        return change.controller;
    case Edited:
        return change.edited;
    default:
        return {};
    }
}

QVariant ChangesItemModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= Columns)
        return {};
    return QString::fromLatin1(kCaptions[static_cast<size_t>(section)]);
}
