#pragma once
// Two small standard controls the pages need besides Qt's own: a filled shape (lamps, lines,
// legend circles) and an up-down arrow pair that steps the number in a buddy edit.

#include <QColor>
#include <QWidget>

class QLineEdit;

class TShape : public QWidget {
public:
    enum class Kind { Rectangle, Circle, RoundRect };

    TShape(Kind kind, QWidget* parent);

    Kind ShapeKind() const { return kind_; }
    QColor BrushColor() const { return brush_; }
    void SetBrushColor(const QColor& color);
    QColor PenColor() const { return pen_; }
    void SetPenColor(const QColor& color);
    // 0 draws no outline.
    int PenWidth() const { return penWidth_; }
    void SetPenWidth(int width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    QColor brush_ = Qt::white;
    QColor pen_ = Qt::black;
    int penWidth_ = 1;
};

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
