#include "data/exact_rounding.h"

#include <QtNumeric>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

constexpr int kMaxPower = 18;

std::optional<int64_t> PowerOfTen(int exponent) {
    if (exponent < 0 || exponent > kMaxPower)
        return std::nullopt;
    int64_t power = 1;
    for (int i = 0; i < exponent; ++i)
        power *= 10;
    return power;
}

// The value as mantissa / 10^decimals, from its shortest text that reads back as the same value.
struct Decimal {
    int64_t mantissa;
    int decimals;
};

std::optional<Decimal> ExactDecimal(double value) {
    char text[64];
    const auto [end, error] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
    if (error != std::errc())
        return std::nullopt;
    const char* at = text;
    const bool negative = *at == '-';
    if (negative)
        ++at;
    int64_t mantissa = 0;
    int digits = 0;
    for (; at < end && *at != 'e'; ++at) {
        if (*at == '.')
            continue;
        mantissa = mantissa * 10 + (*at - '0');
        ++digits;
    }
    int exponent = 0;
    if (at < end && std::from_chars(at + 1 + (at[1] == '+'), end, exponent).ec != std::errc())
        return std::nullopt;
    int decimals = digits - 1 - exponent;
    if (decimals < 0) {
        const std::optional<int64_t> power = PowerOfTen(-decimals);
        const std::optional<int64_t> whole =
            power ? CheckedProduct(mantissa, *power) : std::nullopt;
        if (!whole)
            return std::nullopt;
        mantissa = *whole;
        decimals = 0;
    }
    return Decimal{negative ? -mantissa : mantissa, decimals};
}

int64_t Saturated(double value) {
    constexpr double kLimit = 9.2e18;
    if (std::isnan(value))
        return 0;
    if (value >= kLimit)
        return std::numeric_limits<int64_t>::max();
    if (value <= -kLimit)
        return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(std::nearbyint(value));
}

} // namespace

std::optional<int64_t> CheckedProduct(int64_t a, int64_t b) {
    qint64 product = 0;
    if (qMulOverflow(qint64(a), qint64(b), &product))
        return std::nullopt;
    return product;
}

int64_t RoundRatio(int64_t numerator, int64_t denominator) {
    int64_t quotient = numerator / denominator;
    const int64_t remainder = numerator % denominator;
    const uint64_t twice = 2 * (remainder < 0 ? 0 - static_cast<uint64_t>(remainder)
                                              : static_cast<uint64_t>(remainder));
    const auto whole = static_cast<uint64_t>(denominator);
    if (twice > whole || (twice == whole && quotient % 2 != 0))
        quotient += numerator < 0 ? -1 : 1;
    return quotient;
}

int64_t RoundScaled(double value, int64_t numerator, int64_t denominator) {
    if (!std::isfinite(value))
        return Saturated(value);
    const std::optional<Decimal> decimal = ExactDecimal(value);
    const std::optional<int64_t> power = decimal ? PowerOfTen(decimal->decimals) : std::nullopt;
    if (decimal && power) {
        std::optional<int64_t> top = CheckedProduct(decimal->mantissa, numerator);
        std::optional<int64_t> bottom = CheckedProduct(denominator, *power);
        if (top && bottom && *bottom < 0) {
            top = CheckedProduct(*top, -1);
            bottom = CheckedProduct(*bottom, -1);
        }
        if (top && bottom)
            return RoundRatio(*top, *bottom);
    }
    return Saturated(value * static_cast<double>(numerator) / static_cast<double>(denominator));
}
