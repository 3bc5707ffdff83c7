#include "sim/line_session.h"

#include "sim/controller_model.h"
#include "sim/fault_injector.h"
#include "sim/line_pacer.h"
#include "sim/line_port.h"

namespace vt12sim {

LineSession::LineSession(LinePort& port, LinePacer& pacer, ControllerModel& model,
                         FaultInjector& faults, bool silent, QObject* parent)
    : QObject(parent), port_(port), pacer_(pacer), model_(model), faults_(faults),
      responder_(model), silent_(silent) {
    connect(&port_, &LinePort::received, this, &LineSession::receive);
    connect(&pacer_, &LinePacer::arrived, this, &LineSession::arrive);
    connect(&pacer_, &LinePacer::lineSilent, this, &LineSession::lineFellSilent);
    connect(&pacer_, &LinePacer::sendBytes, &port_, &LinePort::write);
}

void LineSession::setSilent(bool silent) {
    silent_ = silent;
    if (silent) {
        pacer_.clear();
        framer_.reset();
    }
}

void LineSession::receive(const QByteArray& bytes) {
    if (!silent_) {
        pacer_.receive(bytes);
    }
}

void LineSession::arrive(const QByteArray& bytes) {
    answer(framer_.feed(bytes));
}

void LineSession::lineFellSilent() {
    if (!framer_.isCollecting()) {
        return;
    }
    // Bytes the event loop has not fetched yet do not make a silence.
    if (port_.drain() > 0 || pacer_.isReceiving()) {
        return;
    }
    answer(framer_.endOfSilence());
}

void LineSession::answer(const QList<QByteArray>& requests) {
    for (const QByteArray& request : requests) {
        if (!model_.isAnswering()) {
            continue;
        }
        const FaultKind fault = faults_.draw(request);
        std::optional<QByteArray> reply;
        if (FaultInjector::unitActsOn(fault)) {
            reply = responder_.answer(faults_.asTaken(fault, request));
        }
        if (reply && drop_.drops(request)) {
            reply.reset();
        }
        bool first = true;
        for (const AnswerPiece& piece : faults_.shape(fault, request, reply)) {
            if (first) {
                pacer_.transmit(piece.bytes, piece.delayMs);
            } else {
                pacer_.follow(piece.bytes, piece.delayMs);
            }
            first = false;
        }
    }
}

} // namespace vt12sim
