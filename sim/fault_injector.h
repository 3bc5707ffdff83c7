#pragma once
// Each request draws at most one fault, from its own generator seeded with --seed, so the same
// seed and the same requests give the same faults.

#include "sim/fault_rates.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <array>
#include <cstdint>
#include <optional>
#include <random>

namespace vt12sim {

// A piece of an answer on the line. The first piece goes out delayMs after the unit's usual
// reaction time, every further one delayMs after the piece before it has gone out.
struct AnswerPiece {
    int delayMs = 0;
    QByteArray bytes;
    bool operator==(const AnswerPiece&) const = default;
};

class FaultInjector {
public:
    // Pauses inside a split answer stay below the tool's 500 ms timeout, which every chunk
    // restarts; a late answer comes after the longest timeout (700 ms, function 110).
    static constexpr int kLongestPauseMs = 200;
    static constexpr int kLateFromMs = 800;
    static constexpr int kLateToMs = 1100;
    static constexpr uint8_t kWriteFunction = 16;

    FaultInjector(const FaultRates& rates, uint32_t seed);

    // The fault of the next request; a store fault drawn for anything but a write is none.
    FaultKind draw(QByteArrayView request);
    // Without an answer or with an exception the unit does not act on the request.
    static bool unitActsOn(FaultKind kind) {
        return kind != FaultKind::NoAnswer && kind != FaultKind::Exception;
    }
    // The request as the unit takes it: a stored-differently write has one data byte changed.
    QByteArray asTaken(FaultKind kind, const QByteArray& request);
    // What goes on the line in place of the answer; nothing when the unit gave none.
    QList<AnswerPiece> shape(FaultKind kind, QByteArrayView request,
                             const std::optional<QByteArray>& answer);

    // Faults drawn so far, in the order of FaultKind after None.
    const std::array<int, kFaultKinds>& tally() const { return tally_; }
    // "crc 3, late 1", the kinds with a rate only.
    QString tallyText() const;

private:
    int below(int bound) { return static_cast<int>(random_() % static_cast<uint32_t>(bound)); }
    int between(int lowest, int highest) { return lowest + below(highest - lowest + 1); }
    QList<AnswerPiece> split(const QByteArray& answer);
    QByteArray noise();

    FaultRates rates_;
    std::mt19937 random_;
    std::array<int, kFaultKinds> tally_{};
};

} // namespace vt12sim
