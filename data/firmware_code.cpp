#include "data/firmware_code.h"

FirmwareCode FirmwareCode::FromText(const QString& text) {
    FirmwareCode code;
    for (int i = 0; i < kLength && i < text.size(); ++i)
        code.chars_[static_cast<size_t>(i)] = text[i].unicode();
    return code;
}

QString FirmwareCode::Text() const {
    return QString::fromUtf16(chars_.data(), kLength);
}
