#include "widgets/level_bar.h"

#include "core/conversions.h"

#include <QPainter>
#include <climits>

namespace {

// The pixels a filled rectangle covers when its outline is pen pixels wide: the outline is
// centred on the rectangle's edge pixels, so a wide pen reaches beyond it on each side.
QRect Covered(const QRect& area, int pen) {
    const int before = pen / 2;
    const int after = pen - 1 - before;
    return area.adjusted(-before, -before, after, after);
}

void FillWithOutline(QPainter& painter, const QRect& area, int pen, const QColor& color) {
    if (area.width() > 0 && area.height() > 0) {
        painter.fillRect(Covered(area, pen), color);
    }
}

void DrawFrame(QPainter& painter, const QRect& outline, int pen, const QColor& color) {
    const QRect outer = Covered(outline, pen);
    const QRect inner = outer.adjusted(pen, pen, -pen, -pen);
    if (inner.width() <= 0 || inner.height() <= 0) {
        painter.fillRect(outer, color);
        return;
    }
    painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), pen), color);
    painter.fillRect(QRect(outer.left(), inner.bottom() + 1, outer.width(), pen), color);
    painter.fillRect(QRect(outer.left(), inner.top(), pen, inner.height()), color);
    painter.fillRect(QRect(inner.right() + 1, inner.top(), pen, inner.height()), color);
}

} // namespace

TLevelBar::TLevelBar(QWidget* parent) : QWidget(parent) {
    resize(10, 10);
    setFocusPolicy(Qt::NoFocus);
}

void TLevelBar::SetBackColor(const QColor& value) {
    backColor = value;
    update();
}

void TLevelBar::SetFrameColor(const QColor& value) {
    frameColor = value;
    if (frameWidth > 0) {
        update();
    }
}

void TLevelBar::SetFrameWidth(int value) {
    frameWidth = value;
    update();
}

void TLevelBar::SetGap(int value) {
    gap = value;
    update();
}

void TLevelBar::SetGaugeColor(const QColor& value) {
    gaugeColor = value;
    update();
}

void TLevelBar::SetGrowingFrom(TGrowingFrom value) {
    growingFrom = value;
    update();
}

void TLevelBar::SetMin(int value) {
    min = value;
    update();
}

void TLevelBar::SetMax(int value) {
    max = value;
    if (min >= max) {
        max = min == INT_MAX ? min : min + 1;
    }
    update();
}

void TLevelBar::SetPosition(int value) {
    if (value == position) {
        return;
    }
    position = value;
    update();
}

int TLevelBar::BarLength(int fullLength) const {
    if (position <= min) {
        return 0;
    }
    const double span = static_cast<double>(max) - min;
    // Min may have been set to Max or above; the position is then past the whole range.
    if (span <= 0) {
        return fullLength;
    }
    const double length = fullLength / span * (static_cast<double>(position) - min);
    return length >= fullLength ? fullLength : RoundHalfEven(length);
}

void TLevelBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect inner(0, 0, width(), height());
    const int f = frameWidth;
    const bool framed = f > 0;
    if (framed) {
        const QRect outline(QPoint(f / 2, f / 2), QPoint(width() - f, height() - f));
        DrawFrame(painter, outline, f, frameColor);
        inner = outline.adjusted(f, f, -f, -f);
    }
    inner.adjust(gap, gap, -gap, -gap);
    if (inner.width() <= 0 || inner.height() <= 0) {
        return;
    }

    const bool across = growingFrom == TGrowingFrom::grLeft || growingFrom == TGrowingFrom::grRight;
    const int fullLength = across ? inner.width() : inner.height();
    const int filled = BarLength(fullLength);
    QRect bar = inner;
    QRect rest = inner;
    switch (growingFrom) {
    case TGrowingFrom::grLeft:
        bar.setWidth(filled);
        rest.setLeft(inner.left() + filled);
        break;
    case TGrowingFrom::grRight:
        bar.setLeft(inner.right() + 1 - filled);
        rest.setWidth(fullLength - filled);
        break;
    case TGrowingFrom::grTop:
        bar.setHeight(filled);
        rest.setTop(inner.top() + filled);
        break;
    case TGrowingFrom::grBottom:
        bar.setTop(inner.bottom() + 1 - filled);
        rest.setHeight(fullLength - filled);
        break;
    }
    const int pen = framed ? f : 1;
    if (filled > 0) {
        FillWithOutline(painter, bar, pen, gaugeColor);
    }
    if (filled < fullLength) {
        FillWithOutline(painter, rest, pen, backColor);
    }
}
