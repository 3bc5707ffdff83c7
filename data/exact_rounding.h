#pragma once
// Scaled values rounded on whole numbers, so that a tie is seen as a tie and goes to the even
// neighbour: in binary fractions 50 x 2.55 is 127.49999..., which would store 127 instead of 128.

#include <cstdint>
#include <optional>

// a x b, or nothing when the product does not fit in 64 bits.
std::optional<int64_t> CheckedProduct(int64_t a, int64_t b);

// Round(numerator / denominator), ties to even; the denominator is positive.
int64_t RoundRatio(int64_t numerator, int64_t denominator);

// Round(value x numerator / denominator), ties to even, the value taken as the decimal it was
// typed as (its shortest exact text), so 0.0005 x 1000 is the tie 0.5 and rounds to 0. Values
// too large for exact arithmetic are rounded in floating point; the result saturates at the
// int64 range. The denominator is not 0.
int64_t RoundScaled(double value, int64_t numerator, int64_t denominator);
