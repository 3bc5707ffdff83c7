#include "widgets/shape.h"

#include <QPainter>

TShape::TShape(TShapeKind shapeKind, QWidget* parent) : QWidget(parent), kind(shapeKind) {}

// Live status sets the same colours poll after poll; only a change is worth a repaint.
void TShape::SetBrushColor(const QColor& color) {
    if (color == brushColor)
        return;
    brushColor = color;
    update();
}

void TShape::SetPen(const QColor& color, int width) {
    if (color == penColor && width == penWidth)
        return;
    penColor = color;
    penWidth = width;
    update();
}

void TShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool outlined = penColor.isValid() && penWidth > 0;
    const int pen = outlined ? penWidth : 0;
    if (kind == TShapeKind::Rectangle) {
        // Whole pixels only, and the outline as four bands, so an unfilled shape stays open.
        const QRect inner = rect().adjusted(pen, pen, -pen, -pen);
        if (outlined) {
            painter.fillRect(QRect(0, 0, width(), pen), penColor);
            painter.fillRect(QRect(0, height() - pen, width(), pen), penColor);
            painter.fillRect(QRect(0, pen, pen, inner.height()), penColor);
            painter.fillRect(QRect(width() - pen, pen, pen, inner.height()), penColor);
        }
        if (brushColor.isValid()) {
            painter.fillRect(inner, brushColor);
        }
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(outlined ? QPen(penColor, pen) : QPen(Qt::NoPen));
    painter.setBrush(brushColor.isValid() ? QBrush(brushColor) : QBrush(Qt::NoBrush));
    const qreal inset = pen / 2.0;
    painter.drawEllipse(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}
