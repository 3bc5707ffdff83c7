#pragma once
// A row or column of small lamps showing the bits of a 32-bit value, each with an optional
// label; a plain panel underneath.

#include <QColor>
#include <QStringList>
#include <QWidget>
#include <cstdint>

enum class TLedShape { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
enum class TLedOrientation { pbHorizontal, pbVertical };
enum class TLedLayout { tlTop, tlCenter, tlBottom };
enum class TPanelAlignment { taLeftJustify, taRightJustify, taCenter };

class TLedBits : public QWidget {
    Q_OBJECT
public:
    explicit TLedBits(QWidget* parent = nullptr);

    // Panel colour behind the LEDs and their labels.
    QColor Color() const { return color; }
    void SetColor(const QColor& value);
    TPanelAlignment Alignment() const { return alignment; }
    void SetAlignment(TPanelAlignment value);

    int LedCount() const { return ledCount; }
    // A count outside 1..32 is ignored.
    void SetLedCount(int value);
    uint32_t LedBitsValue() const { return ledBitsValue; }
    void SetLedBitsValue(uint32_t value);
    // The lowest n bits on, all others off.
    void SetLedBitsOn(int n);
    int LedFirstBit() const { return ledFirstBit; }
    void SetLedFirstBit(int value);
    bool LeftTopBit0() const { return leftTopBit0; }
    void SetLeftTopBit0(bool value);
    QColor LedOnColor() const { return ledOnColor; }
    void SetLedOnColor(const QColor& value);
    QColor LedOffColor() const { return ledOffColor; }
    void SetLedOffColor(const QColor& value);
    QColor LedFrameColor() const { return ledFrameColor; }
    void SetLedFrameColor(const QColor& value);
    uint8_t LedFrameWidth() const { return ledFrameWidth; }
    // 0 draws no outline; above 10 is taken as 1.
    void SetLedFrameWidth(uint8_t value);
    TLedShape LedShape() const { return ledShape; }
    void SetLedShape(TLedShape value);
    TLedOrientation Orientation() const { return orientation; }
    void SetOrientation(TLedOrientation value);
    int LedDistance() const { return ledDistance; }
    void SetLedDistance(int value);
    int LedWidth() const { return ledWidth; }
    void SetLedWidth(int value);
    int LedHeight() const { return ledHeight; }
    void SetLedHeight(int value);
    TLedLayout Layout() const { return layout; }
    void SetLayout(TLedLayout value);
    QStringList LedLabels() const { return ledLabels; }
    void SetLedLabels(const QStringList& value);
    bool LedAddBitNr() const { return ledAddBitNr; }
    void SetLedAddBitNr(bool value);
    QString LedFormatBitNr() const { return ledFormatBitNr; }
    void SetLedFormatBitNr(const QString& value);

signals:
    void OnMouseEnter();
    void OnMouseLeave();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QRect BlockRect() const;
    void DrawLed(QPainter& painter, const QRect& led, bool lit) const;
    QString LabelOf(int k, int bitNr) const;
    void DrawLedLabel(QPainter& painter, const QString& text, const QRect& led) const;

    QColor color{240, 240, 240};
    TPanelAlignment alignment = TPanelAlignment::taCenter;
    int ledCount = 8;
    uint32_t ledBitsValue = 0;
    int ledFirstBit = 0;
    bool leftTopBit0 = true;
    QColor ledOnColor{255, 255, 0};
    QColor ledOffColor{192, 192, 192};
    QColor ledFrameColor{128, 128, 128};
    uint8_t ledFrameWidth = 1;
    TLedShape ledShape = TLedShape::stRectangle;
    TLedOrientation orientation = TLedOrientation::pbVertical;
    int ledDistance = 16;
    int ledWidth = 10;
    int ledHeight = 10;
    TLedLayout layout = TLedLayout::tlTop;
    QStringList ledLabels;
    bool ledAddBitNr = false;
    QString ledFormatBitNr;
};
