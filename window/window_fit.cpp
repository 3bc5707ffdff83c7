#include "window/window_fit.h"

#include <algorithm>

bool EnlargedLayoutFits(const QSize& design, const QSize& frame, const QRect& available) {
    // Rounded up: a pixel short is a pixel cut off.
    const QSize enlarged((design.width() * 6 + 4) / 5, (design.height() * 6 + 4) / 5);
    const QSize whole = enlarged + frame;
    return whole.width() <= available.width() && whole.height() <= available.height();
}

QRect PlaceWindow(const QRect& over, const QSize& wanted, const QRect& available) {
    QRect placed(QPoint(), wanted.boundedTo(available.size()).expandedTo(QSize(1, 1)));
    placed.moveCenter(over.center());
    placed.moveLeft(std::clamp(placed.left(), available.left(),
                               available.left() + available.width() - placed.width()));
    placed.moveTop(std::clamp(placed.top(), available.top(),
                              available.top() + available.height() - placed.height()));
    return placed;
}
