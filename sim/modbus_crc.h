#pragma once
// CRC-16/MODBUS as the controller computes it over each frame on the line.

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>

namespace vt12sim {

uint16_t modbusCrc(QByteArrayView bytes);

// The frame with its CRC appended, low byte first.
QByteArray withCrc(QByteArray frame);

// The exception answer to a request: its address, its function with bit 7 set, the code.
QByteArray exceptionAnswer(QByteArrayView request, uint8_t code);

// True when the last two bytes are the CRC of the bytes before them.
bool crcMatches(QByteArrayView frameWithCrc);

} // namespace vt12sim
