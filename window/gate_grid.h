#pragma once
// The gate table's grid: a table view that reports a mouse release over the current cell and
// Enter or the space bar on it, where check-box cells toggle.

#include <QTableView>

class GateGrid : public QTableView {
    Q_OBJECT
public:
    using QTableView::QTableView;

    // An open cell editor closed without storing its text: the table is being refilled.
    void DiscardEditor() {
        if (state() == EditingState)
            reset();
    }

Q_SIGNALS:
    void CurrentCellReleased(const QModelIndex& index);
    void ToggleKeyPressed(const QModelIndex& index);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
