// Any reply taken as each of the identification reads.

#include "data/identification.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const int length = static_cast<int>(std::min<size_t>(size, 256));
    const QString text = IdentificationText(data, length);
    FirmwareVersionCaption(FirmwareCodeOf(text));
    BootloaderDataText(data, length, QLocale::c());
    DecodeSlaveVersion(data, length);
    return 0;
}
