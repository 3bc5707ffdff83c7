#pragma once
// A panel whose background is a callout: its labels sit on the body, and outside the body
// and the arrow the parent shows through.

#include "widgets/callout.h"

class TInfoBubble : public TCallout {
    Q_OBJECT
public:
    explicit TInfoBubble(QWidget* parent = nullptr);

    // The fill; children that fill with their parent's colour take it too.
    QColor Color() const { return color; }
    void SetColor(const QColor& value);
    // The outline, always one pixel wide.
    QColor FrameColor() const { return frameColor; }
    void SetFrameColor(const QColor& value);

protected:
    QPen CalloutPen() const override { return QPen(frameColor, 1, Qt::SolidLine); }
    QBrush CalloutBrush() const override { return QBrush(color, Qt::SolidPattern); }

private:
    QColor color{255, 251, 240};
    QColor frameColor{255, 0, 0};
};
