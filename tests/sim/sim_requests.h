#pragma once
// Request frames as the tool sends them to the simulated controller.

#include "sim/controller_model.h"
#include "sim/modbus_crc.h"
#include "sim/modbus_responder.h"

#include <QByteArray>
#include <cstdint>

namespace simtest {

inline void appendWord(QByteArray& bytes, uint16_t word) {
    bytes.append(static_cast<char>(word >> 8));
    bytes.append(static_cast<char>(word & 0xFF));
}

// Functions 3, 4 and 101 (three words), or any other function with two words.
inline QByteArray wordsRequest(uint8_t function, uint16_t first, uint16_t second,
                               uint8_t address = 5) {
    QByteArray frame;
    frame.append(static_cast<char>(address));
    frame.append(static_cast<char>(function));
    appendWord(frame, first);
    appendWord(frame, second);
    return vt12sim::withCrc(frame);
}

inline QByteArray commandRequest(uint16_t a, uint16_t b, uint16_t c) {
    QByteArray frame("\x05\x65", 2);
    appendWord(frame, a);
    appendWord(frame, b);
    appendWord(frame, c);
    return vt12sim::withCrc(frame);
}

// Functions 16 and 110: the data's words after start, count and byte count.
inline QByteArray blockRequest(uint8_t function, uint16_t start, const QByteArray& data) {
    QByteArray frame;
    frame.append('\x05');
    frame.append(static_cast<char>(function));
    appendWord(frame, start);
    appendWord(frame, static_cast<uint16_t>(data.size() / 2));
    frame.append(static_cast<char>(data.size()));
    frame.append(data);
    return vt12sim::withCrc(frame);
}

// Answer to a request, empty when the unit stays silent.
inline QByteArray ask(vt12sim::ControllerModel& model, const QByteArray& request) {
    vt12sim::ModbusResponder responder(model);
    return responder.answer(request).value_or(QByteArray());
}

} // namespace simtest
