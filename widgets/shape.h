#pragma once
// A flat drawing control for lamps, bars and lines: a rectangle or a circle with an outline
// and a fill, both optional.

#include <QColor>
#include <QWidget>

class TShape : public QWidget {
    Q_OBJECT
public:
    enum class TShapeKind { Rectangle, Circle };

    explicit TShape(TShapeKind kind, QWidget* parent = nullptr);

    QColor BrushColor() const { return brushColor; }
    // An invalid colour leaves the inside unfilled.
    void SetBrushColor(const QColor& color);
    QColor PenColor() const { return penColor; }
    // An invalid colour or a width of 0 draws no outline.
    void SetPen(const QColor& color, int width = 1);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TShapeKind kind;
    QColor brushColor{Qt::white};
    QColor penColor{Qt::black};
    int penWidth = 1;
};
