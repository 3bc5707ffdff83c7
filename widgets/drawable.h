#pragma once
// Pixel coordinates computed from arbitrary property values, kept in a range the painter
// handles and that no later sum overflows.

#include <QtGlobal>
#include <algorithm>

inline int Drawable(qint64 value) {
    return static_cast<int>(std::clamp<qint64>(value, -100000, 100000));
}
