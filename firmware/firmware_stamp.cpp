#include "firmware/firmware_stamp.h"

#include <bit>

namespace {
const QDate kDayZero(1899, 12, 30);
constexpr double kMsPerDay = 86400000.0;

constexpr uint16_t kTimeStampAt = 0xEFF0;
constexpr uint16_t kZerosAt = 0xEFF8;
constexpr uint16_t kSignatureAt = 0xEFFC;
constexpr uint16_t kChecksumAt = 0xEFFE;
constexpr uint8_t kSignature[] = {0x11, 0x11};
constexpr uint8_t kZeros[4] = {};
} // namespace

double DaysSinceDayZero(const QDateTime& localTime) {
    return static_cast<double>(kDayZero.daysTo(localTime.date())) +
           localTime.time().msecsSinceStartOfDay() / kMsPerDay;
}

void StampFirmwareImage(FirmwareImage& image, const QDateTime& localTime) {
    const auto days = std::bit_cast<uint64_t>(DaysSinceDayZero(localTime));
    uint8_t stamp[8];
    for (int i = 0; i < 8; ++i)
        stamp[i] = static_cast<uint8_t>(days >> (8 * i));
    image.Store(kTimeStampAt, stamp, sizeof stamp);
    image.Store(kZerosAt, kZeros, sizeof kZeros);
    image.Store(kSignatureAt, kSignature, sizeof kSignature);
    uint16_t sum = 0;
    for (uint32_t at = FirmwareImage::kWindowStart; at < kSignatureAt; ++at)
        sum = static_cast<uint16_t>(sum + image.At(static_cast<uint16_t>(at)));
    const uint8_t checksum[] = {static_cast<uint8_t>(sum >> 8), static_cast<uint8_t>(sum)};
    image.Store(kChecksumAt, checksum, sizeof checksum);
}
