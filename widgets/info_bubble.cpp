#include "widgets/info_bubble.h"

TInfoBubble::TInfoBubble(QWidget* parent)
    : TCallout({TArrowLayout::alTop, 20, 15, 25, false}, 5, parent) {
    resize(250, 110);
    SetColor(color);
}

void TInfoBubble::SetColor(const QColor& value) {
    color = value;
    // Only the palette changes, not the fill behind the callout: the bubble stays see-through.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, color);
    setPalette(colours);
    update();
}

void TInfoBubble::SetFrameColor(const QColor& value) {
    frameColor = value;
    update();
}
