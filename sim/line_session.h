#pragma once
// Carries requests from the port through the line's timing to the unit and its answers back.

#include "sim/chunk_answer_drop.h"
#include "sim/modbus_responder.h"
#include "sim/rtu_framer.h"

#include <QByteArray>
#include <QList>
#include <QObject>

namespace vt12sim {

class ControllerModel;
class FaultInjector;
class LinePacer;
class LinePort;

class LineSession : public QObject {
    Q_OBJECT

public:
    static constexpr uint8_t kSlaveAddress = 5;

    LineSession(LinePort& port, LinePacer& pacer, ControllerModel& model, FaultInjector& faults,
                bool silent, QObject* parent = nullptr);

    // Silent, the unit hears nothing and answers nothing: a pulled cable.
    void setSilent(bool silent);
    bool isSilent() const { return silent_; }
    void dropChunkAnswers(const ChunkAnswerDrop& drop) { drop_ = drop; }

private:
    void receive(const QByteArray& bytes);
    void arrive(const QByteArray& bytes);
    void lineFellSilent();
    void answer(const QList<QByteArray>& requests);

    LinePort& port_;
    LinePacer& pacer_;
    ControllerModel& model_;
    FaultInjector& faults_;
    RtuFramer framer_{kSlaveAddress};
    ModbusResponder responder_;
    ChunkAnswerDrop drop_;
    bool silent_;
};

} // namespace vt12sim
