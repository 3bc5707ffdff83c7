#pragma once
// The standard controls the pages need besides Qt's own: the shape of the display
// components (lamps, lines, legend circles) and an up-down arrow pair that steps the number
// in a buddy edit.

#include "widgets/shape.h"

#include <QWidget>

class QLineEdit;

class TUpDown : public QWidget {
    Q_OBJECT

public:
    explicit TUpDown(QWidget* parent);

    void SetRange(int minimum, int maximum);
    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }
    int Position() const { return position_; }
    // Bounded to the range; the buddy shows the new position.
    void SetPosition(int position);
    void SetBuddy(QLineEdit* buddy);
    QLineEdit* Buddy() const { return buddy_; }
    // One step up (+1) or down (-1) from the number the buddy shows.
    void Step(int direction);

signals:
    // A click on an arrow moved the position.
    void changing(int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
    QLineEdit* buddy_ = nullptr;
};
