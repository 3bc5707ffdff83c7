// Any text read as S-records into the firmware image.

#include "firmware/firmware_loader.h"

#include <QBuffer>
#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    static FirmwareImage image;
    image.Clear();
    LoadFirmwareRecords(file, image);
    // Nothing outside the window is ever written.
    const auto untouched = [](const uint8_t* from, const uint8_t* to) {
        return std::all_of(from, to, [](uint8_t byte) { return byte == 0xFF; });
    };
    const uint8_t* stored = image.Data();
    if (!untouched(stored, stored + FirmwareImage::kWindowStart) ||
        !untouched(stored + FirmwareImage::kWindowEnd, stored + FirmwareImage::kSize)) {
        std::abort();
    }
    return 0;
}
