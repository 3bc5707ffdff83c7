#include "widgets/callout.h"

#include "widgets/drawable.h"

#include <QPainter>
#include <QPolygonF>

namespace {

enum class TSide { Top, Bottom, Left, Right };

TSide SideOf(TArrowLayout layout) {
    switch (layout) {
    case TArrowLayout::alBottom:
        return TSide::Bottom;
    case TArrowLayout::alLeft:
        return TSide::Left;
    case TArrowLayout::alRight:
        return TSide::Right;
    default:
        return TSide::Top;
    }
}

QPoint At(qint64 x, qint64 y) {
    return QPoint(Drawable(x), Drawable(y));
}

// Pixel centre, so a 1-pixel pen covers exactly the pixels named.
QPointF Centre(const QPoint& p) {
    return QPointF(p.x() + 0.5, p.y() + 0.5);
}

} // namespace

TCalloutGeometry CalloutGeometry(QSize size, const TCalloutArrow& arrow) {
    const qint64 w = size.width();
    const qint64 h = size.height();
    const qint64 l = arrow.length;
    const qint64 a = arrow.width;
    const qint64 p = arrow.position;
    const qint64 tipOffset = arrow.style ? a : 0;
    TCalloutGeometry g;
    switch (SideOf(arrow.layout)) {
    case TSide::Top:
        g.body = QRect(At(0, l), At(w, h));
        g.b0 = At(p, l);
        g.tip = At(p + tipOffset, 0);
        g.b1 = At(p + a, l);
        g.jointFrom = At(p + 1, l);
        break;
    case TSide::Bottom:
        g.body = QRect(At(0, 0), At(w, h - l + 1));
        g.b0 = At(p, h - l);
        g.tip = At(p + tipOffset, h);
        g.b1 = At(p + a, h - l);
        g.jointFrom = At(p + 1, h - l);
        break;
    case TSide::Left:
        g.body = QRect(At(l, 0), At(w, h));
        g.b0 = At(l, p);
        g.tip = At(0, p + tipOffset);
        g.b1 = At(l, p + a);
        g.jointFrom = At(l, p + 1);
        break;
    case TSide::Right:
        g.body = QRect(At(0, 0), At(w - l + 1, h));
        g.b0 = At(w - l, p);
        g.tip = At(w, p + tipOffset);
        g.b1 = At(w - l, p + a);
        g.jointFrom = At(w - l, p + 1);
        break;
    }
    // QRect(QPoint, QPoint) is inclusive; the corners above are exclusive.
    g.body.setBottomRight(g.body.bottomRight() - QPoint(1, 1));
    g.jointTo = g.b1;
    return g;
}

TCallout::TCallout(const TCalloutArrow& calloutArrow, int round, QWidget* parent)
    : QWidget(parent), arrow(calloutArrow), frameRound(round) {}

void TCallout::SetArrowLayout(TArrowLayout value) {
    arrow.layout = value;
    update();
}

void TCallout::SetArrowLength(int value) {
    arrow.length = value;
    update();
}

void TCallout::SetArrowWidth(int value) {
    arrow.width = value;
    update();
}

void TCallout::SetArrowPosition(int value) {
    arrow.position = value;
    update();
}

void TCallout::SetArrowStyle(bool value) {
    arrow.style = value;
    update();
}

void TCallout::SetFrameRound(int value) {
    frameRound = value;
    update();
}

void TCallout::paintEvent(QPaintEvent*) {
    const TCalloutGeometry g = CalloutGeometry(size(), arrow);
    const QPen pen = CalloutPen();
    const QBrush brush = CalloutBrush();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(pen);
    painter.setBrush(brush);

    if (g.body.width() > 0 && g.body.height() > 0) {
        // Through the centres of the edge pixels, as the outline covers those pixels.
        const QRectF outline = QRectF(g.body).adjusted(0.5, 0.5, -0.5, -0.5);
        const qreal radius = std::max(frameRound, 0) / 2.0;
        painter.drawRoundedRect(outline, radius, radius);
    }
    if (arrow.length > 0) {
        painter.drawPolygon(QPolygonF({Centre(g.b0), Centre(g.tip), Centre(g.b1)}));
    }

    const QPoint joint = g.jointTo - g.jointFrom;
    if (joint.x() > 0 || joint.y() > 0) {
        QPen erase = pen;
        erase.setColor(brush.color());
        erase.setCapStyle(Qt::FlatCap);
        painter.setPen(erase);
        const bool horizontal = joint.x() > 0;
        const QPointF offset = horizontal ? QPointF(0, 0.5) : QPointF(0.5, 0);
        painter.drawLine(QPointF(g.jointFrom) + offset, QPointF(g.jointTo) + offset);
    }
}
