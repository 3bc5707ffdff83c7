#pragma once
// The traffic monitor's rows: one per kept event of the ring, oldest first.

#include "link/traffic_ring.h"

#include <QAbstractTableModel>

class TrafficItemModel : public QAbstractTableModel {
public:
    TrafficItemModel(const TrafficRing& ring, QObject* parent)
        : QAbstractTableModel(parent), ring_(ring) {}

    // The ring changed underneath.
    void Refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const TrafficRing& ring_;
};
