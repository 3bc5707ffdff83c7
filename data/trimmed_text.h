#pragma once
// Texts taken from a controller image or a file come padded with zero bytes and blanks.

#include <QString>

// Without leading and trailing blanks, control characters and zero bytes.
inline QString TrimmedText(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] <= u' ')
        ++first;
    while (last > first && text[last - 1] <= u' ')
        --last;
    return text.mid(first, last - first);
}
