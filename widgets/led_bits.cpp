#include "widgets/led_bits.h"

#include "widgets/drawable.h"
#include "widgets/format_bit_nr.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {

QFont HorizontalLabelFont() {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(13);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace

TLedBits::TLedBits(QWidget* parent) : QWidget(parent) {
    resize(12, 128);
    color = palette().color(QPalette::Window);
}

void TLedBits::SetColor(const QColor& value) {
    color = value;
    update();
}

void TLedBits::SetAlignment(TPanelAlignment value) {
    alignment = value;
    update();
}

void TLedBits::SetLedCount(int value) {
    if (value >= 1 && value <= 32) {
        ledCount = value;
    }
    update();
}

void TLedBits::SetLedBitsValue(uint32_t value) {
    if (value == ledBitsValue) {
        return;
    }
    ledBitsValue = value;
    update();
}

void TLedBits::SetLedBitsOn(int n) {
    if (n <= 0) {
        SetLedBitsValue(0);
    } else if (n >= 32) {
        SetLedBitsValue(0xFFFFFFFFu);
    } else {
        SetLedBitsValue((uint32_t{1} << n) - 1);
    }
}

void TLedBits::SetLedFirstBit(int value) {
    ledFirstBit = value;
    update();
}

void TLedBits::SetLeftTopBit0(bool value) {
    leftTopBit0 = value;
    update();
}

void TLedBits::SetLedOnColor(const QColor& value) {
    ledOnColor = value;
    update();
}

void TLedBits::SetLedOffColor(const QColor& value) {
    ledOffColor = value;
    update();
}

void TLedBits::SetLedFrameColor(const QColor& value) {
    ledFrameColor = value;
    update();
}

void TLedBits::SetLedFrameWidth(uint8_t value) {
    ledFrameWidth = value > 10 ? 1 : value;
    update();
}

void TLedBits::SetLedShape(TLedShape value) {
    ledShape = value;
    update();
}

void TLedBits::SetOrientation(TLedOrientation value) {
    orientation = value;
    update();
}

void TLedBits::SetLedDistance(int value) {
    ledDistance = value;
    update();
}

void TLedBits::SetLedWidth(int value) {
    ledWidth = value;
    update();
}

void TLedBits::SetLedHeight(int value) {
    ledHeight = value;
    update();
}

void TLedBits::SetLayout(TLedLayout value) {
    layout = value;
    update();
}

void TLedBits::SetLedLabels(const QStringList& value) {
    ledLabels = value;
    update();
}

void TLedBits::SetLedAddBitNr(bool value) {
    ledAddBitNr = value;
    update();
}

void TLedBits::SetLedFormatBitNr(const QString& value) {
    ledFormatBitNr = value;
    update();
}

void TLedBits::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    emit OnMouseEnter();
}

void TLedBits::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit OnMouseLeave();
}

QRect TLedBits::BlockRect() const {
    const qint64 run = qint64{ledDistance} * (ledCount - 1);
    const bool vertical = orientation == TLedOrientation::pbVertical;
    const qint64 blockWidth = vertical ? ledWidth : run + ledWidth;
    const qint64 blockHeight = vertical ? run + ledHeight : ledHeight;
    const int h = ledFrameWidth / 2;

    qint64 x = h;
    if (alignment == TPanelAlignment::taRightJustify) {
        x = width() - blockWidth - h;
    } else if (alignment == TPanelAlignment::taCenter) {
        x = width() / 2 - blockWidth / 2;
    }
    qint64 y = h;
    if (layout == TLedLayout::tlCenter) {
        y = height() / 2 - blockHeight / 2;
    } else if (layout == TLedLayout::tlBottom) {
        y = height() - blockHeight - h;
    }
    return QRect(Drawable(x), Drawable(y), Drawable(blockWidth), Drawable(blockHeight));
}

void TLedBits::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), color);
    painter.setFont(orientation == TLedOrientation::pbVertical ? font() : HorizontalLabelFont());

    const QRect block = BlockRect();
    for (int k = 0; k < ledCount; ++k) {
        const qint64 step = qint64{k} * ledDistance;
        const bool vertical = orientation == TLedOrientation::pbVertical;
        const QRect led(Drawable(block.left() + (vertical ? 0 : step)),
                        Drawable(block.top() + (vertical ? step : 0)), ledWidth, ledHeight);
        const qint64 bitNr =
            leftTopBit0 ? qint64{ledFirstBit} + k : qint64{ledFirstBit} + ledCount - 1 - k;
        const bool lit = bitNr >= 0 && bitNr <= 31 && ((ledBitsValue >> bitNr) & 1u) != 0;
        DrawLed(painter, led, lit);
        const QString label =
            LabelOf(k, static_cast<int>(std::clamp<qint64>(bitNr, INT32_MIN, INT32_MAX)));
        if (!label.isEmpty()) {
            DrawLedLabel(painter, label, led);
        }
    }
}

void TLedBits::DrawLed(QPainter& painter, const QRect& led, bool lit) const {
    const QColor fill = lit ? ledOnColor : ledOffColor;
    const int pen = ledFrameWidth;
    if (ledShape == TLedShape::stRectangle || ledShape == TLedShape::stSquare) {
        // Whole pixels, so the outline is exactly LedFrameWidth pixels wide.
        if (pen > 0) {
            painter.fillRect(led, ledFrameColor);
        }
        painter.fillRect(led.adjusted(pen, pen, -pen, -pen), fill);
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(pen > 0 ? QPen(ledFrameColor, pen) : QPen(Qt::NoPen));
    painter.setBrush(fill);
    const qreal inset = pen / 2.0;
    const QRectF outline = QRectF(led).adjusted(inset, inset, -inset, -inset);
    if (ledShape == TLedShape::stEllipse || ledShape == TLedShape::stCircle) {
        painter.drawEllipse(outline);
    } else {
        painter.drawRoundedRect(outline, 1.5, 1.5);
    }
    painter.restore();
}

QString TLedBits::LabelOf(int k, int bitNr) const {
    if (k < ledLabels.size() && !ledLabels.at(k).isEmpty()) {
        return ledLabels.at(k);
    }
    if (!ledFormatBitNr.isEmpty()) {
        return FormatBitNr(ledFormatBitNr, bitNr);
    }
    if (ledAddBitNr) {
        return QString::number(bitNr);
    }
    return {};
}

void TLedBits::DrawLedLabel(QPainter& painter, const QString& text, const QRect& led) const {
    const QFontMetrics metrics(painter.font());
    const int tw = metrics.height();
    const int h = ledFrameWidth / 2;
    const QRect cell(0, 0, metrics.horizontalAdvance(text), tw);
    painter.save();
    if (orientation == TLedOrientation::pbVertical) {
        const int x =
            alignment == TPanelAlignment::taRightJustify ? 0 : led.left() + ledWidth + 3 + h;
        painter.translate(x, led.top() - (tw - ledHeight) / 2);
    } else {
        const int y = layout == TLedLayout::tlBottom ? led.top() - 3 - h : height();
        painter.translate(led.left() - (tw - ledWidth) / 2, y);
        // Rotated a quarter turn: the text runs from bottom to top.
        painter.rotate(-90);
    }
    painter.fillRect(cell, color);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(0, metrics.ascent(), text);
    painter.restore();
}
