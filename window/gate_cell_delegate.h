#pragma once
// Paints every gate table cell by the look the table's rules give it, and opens a plain line
// editor aligned like the cell's text.

#include <QPixmap>
#include <QStyledItemDelegate>

struct CheckBoxPictures {
    QPixmap checked;
    QPixmap notChecked;
    QPixmap disabledChecked;
};

class GateCellDelegate : public QStyledItemDelegate {
public:
    GateCellDelegate(const CheckBoxPictures& pictures, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

private:
    CheckBoxPictures pictures_;
    // The not-checked picture with white see-through, for the cell's colour to show.
    QPixmap notCheckedSeeThrough_;
};
