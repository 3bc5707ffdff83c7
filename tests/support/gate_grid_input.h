#pragma once
// Typing into the gate table as a user would: the editor opened on the cell, the text typed,
// Enter pressed.

#include "window/gate_grid.h"

#include <QLineEdit>
#include <QPointer>
#include <QTest>

inline bool TypeIntoCell(GateGrid& grid, int row, int column, const QString& text) {
    const QModelIndex cell = grid.model()->index(row, column);
    grid.setCurrentIndex(cell);
    grid.edit(cell);
    // An editor closed before may still wait for its deletion.
    QPointer<QLineEdit> editor;
    for (QLineEdit* open : grid.viewport()->findChildren<QLineEdit*>())
        if (open->isVisible())
            editor = open;
    if (!editor)
        return false;
    editor->setText(text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate commits on the next turn of the event loop.
    return QTest::qWaitFor([&editor] { return !editor || !editor->isVisible(); });
}
