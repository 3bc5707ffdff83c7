#include "firmware/firmware_image.h"

#include <algorithm>
#include <cstring>

int FirmwareImage::Store(uint16_t address, const uint8_t* data, int length) {
    if (address < kWindowStart || address >= kWindowEnd || length <= 0)
        return 0;
    const int stored = std::min(length, kWindowEnd - address);
    std::memcpy(bytes_.data() + address, data, static_cast<size_t>(stored));
    return stored;
}
