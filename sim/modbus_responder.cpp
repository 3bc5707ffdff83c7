#include "sim/modbus_responder.h"

#include "sim/controller_model.h"
#include "sim/modbus_crc.h"
#include "sim/register_bytes.h"

namespace vt12sim {

namespace {

constexpr uint16_t kMostReadRegisters = 125;
constexpr uint16_t kMostWrittenRegisters = 123;
constexpr uint16_t kMostChunkWords = 127;

QByteArray exceptionAnswer(QByteArrayView request, ModbusException error) {
    return vt12sim::exceptionAnswer(request, static_cast<uint8_t>(error));
}

// The answer to functions 16 and 110: address, function, start and count echoed.
QByteArray echoAnswer(QByteArrayView request) {
    return withCrc(request.first(6).toByteArray());
}

// Functions 16 and 110 carry count words after a byte count that must agree with it.
bool wellFormedBlock(QByteArrayView request, uint16_t mostWords) {
    if (request.size() < 9) {
        return false;
    }
    const uint16_t count = getWord(request, 4);
    const auto byteCount = static_cast<uint8_t>(request[6]);
    return count > 0 && count <= mostWords && byteCount == 2 * count &&
           request.size() == 9 + byteCount;
}

} // namespace

std::optional<QByteArray> ModbusResponder::answer(QByteArrayView request) {
    std::optional<QByteArray> frame = unmarkedAnswer(request);
    if (frame && model_.answersWithAddressBit7()) {
        frame->chop(2);
        (*frame)[0] = static_cast<char>(static_cast<uint8_t>((*frame)[0]) | 0x80);
        frame = withCrc(*frame);
    }
    return frame;
}

std::optional<QByteArray> ModbusResponder::unmarkedAnswer(QByteArrayView request) {
    if (request.size() < 4) {
        return std::nullopt;
    }
    const auto function = static_cast<uint8_t>(request[1]);
    const uint16_t start = request.size() >= 6 ? getWord(request, 2) : 0;
    if (model_.ignores(function, start)) {
        return std::nullopt;
    }
    switch (function) {
    case 3:
    case 4:
        if (request.size() != 8) {
            return std::nullopt;
        }
        return read(request);
    case 16:
        return write(request);
    case 101:
        if (request.size() != 10) {
            return std::nullopt;
        }
        return command(request);
    case 110:
        return firmwareChunk(request);
    default:
        return exceptionAnswer(request, ModbusException::IllegalFunction);
    }
}

QByteArray ModbusResponder::read(QByteArrayView request) {
    const uint16_t count = getWord(request, 4);
    if (count == 0 || count > kMostReadRegisters) {
        return exceptionAnswer(request, ModbusException::IllegalDataValue);
    }
    const auto table = request[1] == 3 ? RegisterTable::Holding : RegisterTable::Input;
    const ReadOutcome outcome = model_.read(table, getWord(request, 2), count);
    if (outcome.error != ModbusException::None) {
        return exceptionAnswer(request, outcome.error);
    }
    QByteArray frame = request.first(2).toByteArray();
    frame.append(static_cast<char>(outcome.data.size()));
    frame.append(outcome.data);
    return withCrc(frame);
}

QByteArray ModbusResponder::write(QByteArrayView request) {
    if (!wellFormedBlock(request, kMostWrittenRegisters)) {
        return exceptionAnswer(request, ModbusException::IllegalDataValue);
    }
    const ModbusException error =
        model_.write(getWord(request, 2), request.sliced(7, static_cast<uint8_t>(request[6])));
    return error == ModbusException::None ? echoAnswer(request) : exceptionAnswer(request, error);
}

QByteArray ModbusResponder::command(QByteArrayView request) {
    const ModbusException error =
        model_.command(getWord(request, 2), getWord(request, 4), getWord(request, 6));
    if (error != ModbusException::None) {
        return exceptionAnswer(request, error);
    }
    // The command's three words come back as the answer's data.
    QByteArray frame = request.first(2).toByteArray();
    frame.append(static_cast<char>(6));
    frame.append(request.sliced(2, 6));
    return withCrc(frame);
}

QByteArray ModbusResponder::firmwareChunk(QByteArrayView request) {
    if (!wellFormedBlock(request, kMostChunkWords)) {
        return exceptionAnswer(request, ModbusException::IllegalDataValue);
    }
    const ModbusException error = model_.writeFirmwareChunk(
        getWord(request, 2), request.sliced(7, static_cast<uint8_t>(request[6])));
    return error == ModbusException::None ? echoAnswer(request) : exceptionAnswer(request, error);
}

} // namespace vt12sim
