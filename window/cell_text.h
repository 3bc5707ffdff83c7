#pragma once
// Text in a grid cell, aligned and clipped, drawn the same way by every grid of the program.

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;

enum class CellAlignment { Left = 0, Right = 1, Centre = 2 };

// Where the text starts: 3 pixels in from the aligned edge, 3 below the top.
QPoint CellTextOrigin(CellAlignment alignment, const QRect& cell, int textWidth);

// Returns the text's width plus 3, so a second piece of text can follow in the same cell.
int DrawCellText(QPainter& painter, const QString& text, CellAlignment alignment, const QRect& cell,
                 const QColor& fontColor, QFont::Weight weight);
