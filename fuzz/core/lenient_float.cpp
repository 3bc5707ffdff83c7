// Anything typed into a number field: a finite value, or the default.

#include "core/conversions.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    constexpr double kDefault = -12345.5;
    const double value = LenientFloat(text, kDefault);
    if (!std::isfinite(value)) {
        std::abort();
    }
    return 0;
}
