#include "sim/fault_rates.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace vt12sim {

namespace {

constexpr std::array<const char*, kFaultKinds> kNames{
    "timeout",   "crc",  "truncate",  "split",   "noise",
    "exception", "late", "duplicate", "address", "store"};

ParsedFaults refusedFaults(const QString& text) {
    return ParsedFaults{std::nullopt,
                        text + QStringLiteral(" Kinds: %1 (or all).")
                                   .arg(QStringList(kNames.begin(), kNames.end()).join(u", "))};
}

// Percent with up to two decimals, as hundredths; -1 when it is not such a number.
int hundredthsOf(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,3})(?:\\.(\\d{1,2}))?$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) {
        return -1;
    }
    const int whole = match.captured(1).toInt();
    const int fraction = match.captured(2).leftJustified(2, u'0').toInt();
    const int value = whole * 100 + fraction;
    return value <= kWholeRate ? value : -1;
}

} // namespace

QString faultName(FaultKind kind) {
    return kind == FaultKind::None
               ? QString()
               : QString::fromLatin1(kNames[static_cast<std::size_t>(kind) - 1]);
}

int FaultRates::total() const {
    int sum = 0;
    for (const int rate : hundredths) {
        sum += rate;
    }
    return sum;
}

ParsedFaults parseFaultRates(const QString& list) {
    if (list.trimmed().isEmpty()) {
        return refusedFaults(
            QStringLiteral("--faults wants KIND=PERCENT,... such as crc=5,late=2."));
    }
    FaultRates rates;
    for (const QString& entry : list.split(u',')) {
        const QStringList parts = entry.trimmed().split(u'=');
        if (parts.size() != 2) {
            return refusedFaults(QStringLiteral("--faults: '%1' is not KIND=PERCENT.").arg(entry));
        }
        const QString name = parts[0].trimmed();
        const int value = hundredthsOf(parts[1].trimmed());
        if (value < 0) {
            return refusedFaults(
                QStringLiteral("--faults: '%1' wants a percentage from 0 to 100, not '%2'.")
                    .arg(name, parts[1]));
        }
        if (name == QLatin1String("all")) {
            rates.hundredths.fill(value);
            continue;
        }
        const auto known = std::find(kNames.begin(), kNames.end(), name);
        if (known == kNames.end()) {
            return refusedFaults(QStringLiteral("--faults: unknown kind '%1'.").arg(name));
        }
        rates.hundredths[static_cast<std::size_t>(known - kNames.begin())] = value;
    }
    if (rates.total() > kWholeRate) {
        return refusedFaults(QStringLiteral("--faults: the rates add up to %1 %, more than 100 %.")
                                 .arg(rates.total() / 100.0));
    }
    return ParsedFaults{rates, QString()};
}

} // namespace vt12sim
