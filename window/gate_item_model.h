#pragma once
// The gate table's rows as Qt's item views take them: texts and input flags come from the
// session's gate table rules, typed text goes back to the session.

#include <QAbstractTableModel>

class ControllerSession;
struct CellLook;

class GateItemModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Until bound the table shows its captions over twelve empty rows.
    void Bind(const ControllerSession& session);
    // The rules' rows changed: their number, texts or looks.
    void Refresh();
    CellLook Look(const QModelIndex& index) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

Q_SIGNALS:
    // A cell's editor closed with this text.
    void CellTyped(int row, int column, const QString& text);

private:
    const ControllerSession* session_ = nullptr;
    int rows_ = 12;
};
