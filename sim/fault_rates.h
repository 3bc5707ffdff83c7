#pragma once
// What --faults asks for: a rate in percent for each way an answer can go wrong.

#include <QString>
#include <array>
#include <cstddef>
#include <optional>

namespace vt12sim {

enum class FaultKind {
    None,
    NoAnswer,
    BadCrc,
    Truncated,
    Split,
    Noise,
    Exception,
    Late,
    Duplicated,
    OtherAddress,
    StoredDifferently,
};

inline constexpr std::size_t kFaultKinds = 10;

// The name of a kind in --faults and in the tally; empty for None.
QString faultName(FaultKind kind);

// All requests, in the hundredths of a percent the rates are given in.
inline constexpr int kWholeRate = 10000;

// Rates in hundredths of a percent, in the order of FaultKind after None.
struct FaultRates {
    std::array<int, kFaultKinds> hundredths{};

    int rate(FaultKind kind) const { return hundredths[static_cast<std::size_t>(kind) - 1]; }
    int total() const;
};

struct ParsedFaults {
    std::optional<FaultRates> rates;
    QString error;
};

// "KIND=PERCENT,..." with up to two decimals; "all=P" sets every kind, later entries override
// earlier ones; the rates add up to at most 100.
ParsedFaults parseFaultRates(const QString& list);

} // namespace vt12sim
