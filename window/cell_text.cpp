#include "window/cell_text.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
constexpr int kMargin = 3;
}

QPoint CellTextOrigin(CellAlignment alignment, const QRect& cell, int textWidth) {
    // The cell's right edge is the first pixel outside it, as with the grid's own rectangles.
    const int right = cell.left() + cell.width();
    int x = cell.left() + kMargin;
    if (alignment == CellAlignment::Right)
        x = right - textWidth - kMargin;
    else if (alignment == CellAlignment::Centre)
        x = (cell.left() + right - textWidth) / 2;
    return {x, cell.top() + kMargin};
}

int DrawCellText(QPainter& painter, const QString& text, CellAlignment alignment, const QRect& cell,
                 const QColor& fontColor, QFont::Weight weight) {
    QFont font = painter.font();
    font.setWeight(weight);
    painter.save();
    painter.setFont(font);
    painter.setPen(fontColor);
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(text);
    const QPoint origin = CellTextOrigin(alignment, cell, width);
    painter.setClipRect(cell);
    painter.drawText(origin.x(), origin.y() + metrics.ascent(), text);
    painter.restore();
    return width + kMargin;
}
