#pragma once
// A bar gauge without text: an optional frame, a bar growing from one edge in proportion to
// Position within Min..Max, and the rest of the inside in the background colour.

#include <QColor>
#include <QWidget>

enum class TGrowingFrom { grLeft, grTop, grRight, grBottom };

class TLevelBar : public QWidget {
    Q_OBJECT
public:
    explicit TLevelBar(QWidget* parent = nullptr);

    QColor BackColor() const { return backColor; }
    void SetBackColor(const QColor& value);
    QColor FrameColor() const { return frameColor; }
    // Repaints only while there is a frame to show it.
    void SetFrameColor(const QColor& value);
    int FrameWidth() const { return frameWidth; }
    // 0 or less: no frame.
    void SetFrameWidth(int value);
    int Gap() const { return gap; }
    void SetGap(int value);
    QColor GaugeColor() const { return gaugeColor; }
    void SetGaugeColor(const QColor& value);
    TGrowingFrom GrowingFrom() const { return growingFrom; }
    void SetGrowingFrom(TGrowingFrom value);
    int Min() const { return min; }
    void SetMin(int value);
    int Max() const { return max; }
    // Keeps the range open: a value not above Min becomes Min + 1.
    void SetMax(int value);
    int Position() const { return position; }
    // Repaints only for a new value.
    void SetPosition(int value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int BarLength(int fullLength) const;

    QColor backColor{128, 128, 128};
    QColor frameColor{192, 192, 192};
    int frameWidth = 1;
    int gap = 0;
    QColor gaugeColor{255, 255, 0};
    TGrowingFrom growingFrom = TGrowingFrom::grBottom;
    int min = 0;
    int max = 255;
    int position = 0;
};
