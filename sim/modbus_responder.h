#pragma once
// Turns one request frame into the controller's answer frame.

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

namespace vt12sim {

class ControllerModel;

class ModbusResponder {
public:
    explicit ModbusResponder(ControllerModel& model) : model_(model) {}

    // request: a whole frame with a valid CRC. nullopt: the unit stays silent.
    std::optional<QByteArray> answer(QByteArrayView request);

private:
    std::optional<QByteArray> unmarkedAnswer(QByteArrayView request);
    QByteArray read(QByteArrayView request);
    QByteArray write(QByteArrayView request);
    QByteArray command(QByteArrayView request);
    QByteArray firmwareChunk(QByteArrayView request);

    ControllerModel& model_;
};

} // namespace vt12sim
