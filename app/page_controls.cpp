#include "app/page_controls.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <algorithm>

TShape::TShape(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {}

void TShape::SetBrushColor(const QColor& color) {
    brush_ = color;
    update();
}

void TShape::SetPenColor(const QColor& color) {
    pen_ = color;
    update();
}

void TShape::SetPenWidth(int width) {
    penWidth_ = std::max(0, width);
    update();
}

void TShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, kind_ != Kind::Rectangle);
    painter.setBrush(brush_);
    if (penWidth_ > 0) {
        painter.setPen(QPen(pen_, penWidth_));
    } else {
        painter.setPen(Qt::NoPen);
    }
    const qreal inset = penWidth_ / 2.0;
    QRectF area = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    switch (kind_) {
    case Kind::Rectangle:
        painter.drawRect(area);
        break;
    case Kind::Circle: {
        const qreal side = std::min(area.width(), area.height());
        const QRectF circle(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
        painter.drawEllipse(circle);
        break;
    }
    case Kind::RoundRect: {
        const qreal radius = std::min(area.width(), area.height()) / 4;
        painter.drawRoundedRect(area, radius, radius);
        break;
    }
    }
}

TUpDown::TUpDown(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void TUpDown::SetRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    SetPosition(position_);
}

void TUpDown::SetPosition(int position) {
    position_ = std::clamp(position, minimum_, maximum_);
    if (buddy_ != nullptr) {
        buddy_->setText(QString::number(position_));
    }
}

void TUpDown::SetBuddy(QLineEdit* buddy) {
    buddy_ = buddy;
    SetPosition(position_);
}

void TUpDown::Step(int direction) {
    if (buddy_ != nullptr) {
        bool ok = false;
        const int shown = buddy_->text().trimmed().toInt(&ok);
        if (ok) {
            position_ = std::clamp(shown, minimum_, maximum_);
        }
    }
    SetPosition(position_ + direction);
    emit changing(position_);
}

void TUpDown::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int half = height() / 2;
    const QRect halves[2] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    const QStyle::PrimitiveElement arrows[2] = {QStyle::PE_IndicatorArrowUp,
                                                QStyle::PE_IndicatorArrowDown};
    for (int i = 0; i < 2; ++i) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = halves[i];
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &painter, this);
        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = halves[i].adjusted(3, 2, -3, -2);
        style()->drawPrimitive(arrows[i], &arrow, &painter, this);
    }
}

void TUpDown::mousePressEvent(QMouseEvent* event) {
    if (!isEnabled() || event->button() != Qt::LeftButton) {
        return;
    }
    Step(event->position().y() < height() / 2.0 ? 1 : -1);
}
