#include "window/gate_grid.h"

#include <QKeyEvent>
#include <QMouseEvent>

void GateGrid::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    const QModelIndex current = currentIndex();
    if (current.isValid() && indexAt(event->position().toPoint()) == current)
        Q_EMIT CurrentCellReleased(current);
}

void GateGrid::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const QModelIndex current = currentIndex();
    if (state() != EditingState && current.isValid() && (enter || key == Qt::Key_Space) &&
        !current.flags().testFlag(Qt::ItemIsEditable)) {
        Q_EMIT ToggleKeyPressed(current);
        event->accept();
        return;
    }
    if (state() != EditingState && enter && current.flags().testFlag(Qt::ItemIsEditable)) {
        edit(current);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}
