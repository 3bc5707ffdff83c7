#pragma once
// The callout both info components draw: a rounded body with a triangular arrow on one side,
// the body's outline opened where the arrow joins it.

#include <QBrush>
#include <QPen>
#include <QWidget>

enum class TArrowLayout { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

// Pixel geometry of a callout; rectangles and the joint's end are exclusive.
struct TCalloutGeometry {
    QRect body;
    QPoint b0;
    QPoint tip;
    QPoint b1;
    QPoint jointFrom;
    QPoint jointTo;
};

struct TCalloutArrow {
    TArrowLayout layout = TArrowLayout::alTop;
    int length = 20;
    int width = 15;
    int position = 25;
    bool style = false;
};

TCalloutGeometry CalloutGeometry(QSize size, const TCalloutArrow& arrow);

class TCallout : public QWidget {
    Q_OBJECT
public:
    TArrowLayout ArrowLayout() const { return arrow.layout; }
    void SetArrowLayout(TArrowLayout value);
    int ArrowLength() const { return arrow.length; }
    void SetArrowLength(int value);
    int ArrowWidth() const { return arrow.width; }
    void SetArrowWidth(int value);
    int ArrowPosition() const { return arrow.position; }
    void SetArrowPosition(int value);
    bool ArrowStyle() const { return arrow.style; }
    void SetArrowStyle(bool value);
    int FrameRound() const { return frameRound; }
    void SetFrameRound(int value);

protected:
    TCallout(const TCalloutArrow& arrow, int frameRound, QWidget* parent);
    void paintEvent(QPaintEvent* event) override;
    virtual QPen CalloutPen() const = 0;
    virtual QBrush CalloutBrush() const = 0;

private:
    TCalloutArrow arrow;
    int frameRound;
};
