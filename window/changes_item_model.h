#pragma once
// The pending changes' rows: one per setting whose edited value differs from the controller's.

#include "monitor/pending_changes.h"

#include <QAbstractTableModel>

class ChangesItemModel : public QAbstractTableModel {
public:
    explicit ChangesItemModel(QObject* parent) : QAbstractTableModel(parent) {}

    void SetChanges(QList<SettingChange> changes);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<SettingChange> changes_;
};
