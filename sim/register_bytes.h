#pragma once
// Register data as it travels: 16- and 32-bit fields high byte first.

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>

namespace vt12sim {

inline uint16_t getWord(QByteArrayView bytes, qsizetype offset) {
    return static_cast<uint16_t>(static_cast<uint8_t>(bytes[offset]) << 8 |
                                 static_cast<uint8_t>(bytes[offset + 1]));
}

inline void putWord(QByteArray& bytes, qsizetype offset, uint16_t value) {
    bytes[offset] = static_cast<char>(value >> 8);
    bytes[offset + 1] = static_cast<char>(value & 0xFF);
}

inline void putLong(QByteArray& bytes, qsizetype offset, uint32_t value) {
    putWord(bytes, offset, static_cast<uint16_t>(value >> 16));
    putWord(bytes, offset + 2, static_cast<uint16_t>(value & 0xFFFF));
}

inline void appendWord(QByteArray& bytes, uint16_t value) {
    bytes.append(static_cast<char>(value >> 8));
    bytes.append(static_cast<char>(value & 0xFF));
}

// Characters in ascending byte order, cut to width; the rest of the field is left as it is.
inline void putText(QByteArray& bytes, qsizetype offset, QByteArrayView text, qsizetype width) {
    const qsizetype length = qMin(text.size(), width);
    for (qsizetype i = 0; i < length; ++i) {
        bytes[offset + i] = text[i];
    }
}

} // namespace vt12sim
