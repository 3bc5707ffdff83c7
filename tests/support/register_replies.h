#pragma once
// Register data as a controller's answer carries it, for feeding the session's handlers.

#include "data/register_data.h"

#include <QByteArray>
#include <algorithm>
#include <cstdint>
#include <vector>

using Bytes = std::vector<uint8_t>;

inline RegisterData replyOf(const Bytes& bytes) {
    return {bytes.data(), int(bytes.size())};
}

// A text block (identification), padded with zero bytes.
inline Bytes textReply(const QByteArray& text, int size = 248) {
    Bytes bytes(size_t(size), 0);
    std::copy(text.begin(), text.begin() + std::min<qsizetype>(text.size(), size), bytes.begin());
    return bytes;
}
