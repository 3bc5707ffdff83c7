#include "sim/fault_injector.h"

#include "sim/modbus_crc.h"

#include <QStringList>
#include <algorithm>

namespace vt12sim {

namespace {

constexpr int kMostPieces = 4;
constexpr int kMostNoiseBytes = 8;
constexpr int kMostDuplicatePauseMs = 50;
constexpr int kMostNoisePauseMs = 20;
constexpr int kHighestExceptionCode = 4;
// Functions 16 and 110: address, function, start, count, byte count, then the data.
constexpr qsizetype kBlockDataOffset = 7;

} // namespace

FaultInjector::FaultInjector(const FaultRates& rates, uint32_t seed)
    : rates_(rates), random_(seed) {}

FaultKind FaultInjector::draw(QByteArrayView request) {
    if (rates_.total() == 0) {
        return FaultKind::None;
    }
    int roll = below(kWholeRate);
    auto kind = FaultKind::None;
    for (std::size_t i = 0; i < kFaultKinds; ++i) {
        if (roll < rates_.hundredths[i]) {
            kind = static_cast<FaultKind>(i + 1);
            break;
        }
        roll -= rates_.hundredths[i];
    }
    const bool write =
        request.size() > kBlockDataOffset + 2 && static_cast<uint8_t>(request[1]) == kWriteFunction;
    if (kind == FaultKind::StoredDifferently && !write) {
        return FaultKind::None;
    }
    if (kind != FaultKind::None) {
        ++tally_[static_cast<std::size_t>(kind) - 1];
    }
    return kind;
}

QByteArray FaultInjector::asTaken(FaultKind kind, const QByteArray& request) {
    if (kind != FaultKind::StoredDifferently) {
        return request;
    }
    QByteArray taken = request.chopped(2);
    const qsizetype offset =
        kBlockDataOffset + below(static_cast<int>(taken.size() - kBlockDataOffset));
    taken[offset] = static_cast<char>(static_cast<uint8_t>(taken[offset]) + 1);
    return withCrc(taken);
}

QList<AnswerPiece> FaultInjector::shape(FaultKind kind, QByteArrayView request,
                                        const std::optional<QByteArray>& answer) {
    if (kind == FaultKind::Exception) {
        return {
            {0, exceptionAnswer(request, static_cast<uint8_t>(between(1, kHighestExceptionCode)))}};
    }
    if (!answer || answer->isEmpty() || kind == FaultKind::NoAnswer) {
        return {};
    }
    QByteArray bytes = *answer;
    switch (kind) {
    case FaultKind::BadCrc: {
        // CRC-16 sees every single-bit error.
        const int bit = below(static_cast<int>(bytes.size()) * 8);
        bytes[bit / 8] =
            static_cast<char>(static_cast<uint8_t>(bytes[bit / 8]) ^ (1u << (bit % 8)));
        return {{0, bytes}};
    }
    case FaultKind::Truncated:
        return {{0, bytes.left(between(1, std::max(1, static_cast<int>(bytes.size()) - 1)))}};
    case FaultKind::Split:
        return split(bytes);
    case FaultKind::Noise:
        if (below(2) == 0) {
            return {{0, noise() + bytes}};
        }
        return {{0, bytes}, {below(kMostNoisePauseMs + 1), noise()}};
    case FaultKind::Late:
        return {{between(kLateFromMs, kLateToMs), bytes}};
    case FaultKind::Duplicated:
        return {{0, bytes}, {below(kMostDuplicatePauseMs + 1), bytes}};
    case FaultKind::OtherAddress: {
        QByteArray frame = bytes.chopped(2);
        frame[0] = static_cast<char>(static_cast<uint8_t>(frame[0]) + between(1, 255));
        return {{0, withCrc(frame)}};
    }
    default:
        return {{0, bytes}};
    }
}

QList<AnswerPiece> FaultInjector::split(const QByteArray& answer) {
    const int pieces = std::min(between(2, kMostPieces), static_cast<int>(answer.size()));
    QList<AnswerPiece> result;
    qsizetype taken = 0;
    for (int left = pieces; left > 0; --left) {
        const auto rest = static_cast<int>(answer.size() - taken);
        // Every piece holds at least one byte.
        const int size = left == 1 ? rest : between(1, rest - (left - 1));
        result.append(
            {result.isEmpty() ? 0 : between(1, kLongestPauseMs), answer.mid(taken, size)});
        taken += size;
    }
    return result;
}

QByteArray FaultInjector::noise() {
    QByteArray bytes(between(1, kMostNoiseBytes), '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(below(256));
    }
    return bytes;
}

QString FaultInjector::tallyText() const {
    QStringList parts;
    for (std::size_t i = 0; i < kFaultKinds; ++i) {
        if (rates_.hundredths[i] > 0) {
            parts << QStringLiteral("%1 %2")
                         .arg(faultName(static_cast<FaultKind>(i + 1)))
                         .arg(tally_[i]);
        }
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace vt12sim
