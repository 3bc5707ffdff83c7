#include "window/page_controls.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <algorithm>

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
