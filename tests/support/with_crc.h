#pragma once
// A frame as it goes on the wire: its bytes, then their CRC, low byte first.

#include "link/rtu_codec.h"

#include <QByteArray>

#include <cstdint>
#include <vector>

inline std::vector<uint8_t> WithCrc(std::vector<uint8_t> frame) {
    const uint16_t crc = rtu::Count_CRC(frame.data(), int(frame.size()));
    frame.push_back(uint8_t(crc));
    frame.push_back(uint8_t(crc >> 8));
    return frame;
}

inline QByteArray WithCrc(QByteArray frame) {
    const uint16_t crc =
        rtu::Count_CRC(reinterpret_cast<const uint8_t*>(frame.constData()), int(frame.size()));
    frame.append(char(crc & 0xFF));
    frame.append(char(crc >> 8));
    return frame;
}
