#include "sim/modbus_crc.h"

namespace vt12sim {

uint16_t modbusCrc(QByteArrayView bytes) {
    uint16_t crc = 0xFFFF;
    for (const char byte : bytes) {
        crc ^= static_cast<uint8_t>(byte);
        for (int bit = 0; bit < 8; ++bit) {
            const bool carry = crc & 1;
            crc >>= 1;
            if (carry) {
                crc ^= 0xA001;
            }
        }
    }
    return crc;
}

QByteArray withCrc(QByteArray frame) {
    const uint16_t crc = modbusCrc(frame);
    frame.append(static_cast<char>(crc & 0xFF));
    frame.append(static_cast<char>(crc >> 8));
    return frame;
}

QByteArray exceptionAnswer(QByteArrayView request, uint8_t code) {
    QByteArray frame;
    frame.append(request[0]);
    frame.append(static_cast<char>(static_cast<uint8_t>(request[1]) | 0x80));
    frame.append(static_cast<char>(code));
    return withCrc(frame);
}

bool crcMatches(QByteArrayView frameWithCrc) {
    const qsizetype size = frameWithCrc.size();
    if (size < 3) {
        return false;
    }
    const uint16_t stored = static_cast<uint8_t>(frameWithCrc[size - 2]) |
                            static_cast<uint8_t>(frameWithCrc[size - 1]) << 8;
    return modbusCrc(frameWithCrc.first(size - 2)) == stored;
}

} // namespace vt12sim
