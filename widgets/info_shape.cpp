#include "widgets/info_shape.h"

TInfoShape::TInfoShape(QWidget* parent)
    : TCallout({TArrowLayout::alLeft, 20, 15, 20, true}, 10, parent) {
    resize(225, 65);
}

void TInfoShape::SetPen(const QPen& value) {
    pen = value;
    update();
}

void TInfoShape::SetBrush(const QBrush& value) {
    brush = value;
    update();
}
