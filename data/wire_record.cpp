#include "data/wire_record.h"

#include <cstring>

QString WireText(const uint8_t* at, int width) {
    int length = width;
    while (length > 0 && at[length - 1] == 0)
        --length;
    return QString::fromLatin1(reinterpret_cast<const char*>(at), length);
}

void SetWireText(uint8_t* at, int width, const QString& text) {
    const QByteArray latin1 = text.left(width).toLatin1();
    std::memset(at, 0, static_cast<size_t>(width));
    std::memcpy(at, latin1.constData(),
                static_cast<size_t>(std::min<qsizetype>(latin1.size(), width)));
}
