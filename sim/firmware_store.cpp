#include "sim/firmware_store.h"

#include <algorithm>

namespace vt12sim {

namespace {

constexpr int kVersionText = 0x5000;
constexpr int kValidityMark = 0xC000;
constexpr int kTrailerTime = 0xEFF0;
constexpr int kTrailerZeros = 0xEFF8;
constexpr int kSignature = 0xEFFC;
constexpr int kChecksum = 0xEFFE;

bool allErased(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<uint8_t>(c) == 0xFF; });
}

QString hex(int value) {
    return QStringLiteral("0x%1").arg(value, 4, 16, QLatin1Char('0'));
}

} // namespace

std::optional<UploadVerdict> FirmwareStore::write(uint16_t address, QByteArrayView bytes) {
    if (address == kStartChunk) {
        // Every start chunk begins the upload anew.
        memory_ = QByteArray(kMemoryBytes, static_cast<char>(0xFF));
        problem_.clear();
        uploading_ = true;
    } else if (!uploading_) {
        return std::nullopt;
    }
    if (problem_.isEmpty()) {
        problem_ = breach(address, bytes);
    }
    memory_.replace(address, bytes.size(), bytes.data(), bytes.size());
    last_ = address;
    if (address != kEndChunk) {
        return std::nullopt;
    }
    uploading_ = false;
    return verdict();
}

QString FirmwareStore::breach(uint16_t address, QByteArrayView bytes) const {
    if (bytes.size() != kChunkBytes) {
        return QStringLiteral("chunk %1 of %2 bytes").arg(hex(address)).arg(bytes.size());
    }
    if (address != kStartChunk && address != last_ && address != last_ + kChunkBytes) {
        return QStringLiteral("chunk %1 after %2").arg(hex(address), hex(last_));
    }
    if ((address == kStartChunk || address == kEndChunk) && !allErased(bytes)) {
        return QStringLiteral("%1 chunk not all 0xFF")
            .arg(address == kStartChunk ? QLatin1String("start") : QLatin1String("end"));
    }
    return {};
}

UploadVerdict FirmwareStore::verdict() const {
    UploadVerdict result;
    uint16_t sum = 0;
    for (int at = kVersionText; at < kSignature; ++at) {
        sum = static_cast<uint16_t>(sum + byteAt(at));
    }
    const uint16_t stored = static_cast<uint16_t>(byteAt(kChecksum) << 8 | byteAt(kChecksum + 1));
    if (!problem_.isEmpty()) {
        result.problem = problem_;
    } else if (byteAt(kValidityMark) != 0xAB || byteAt(kValidityMark + 1) != 0xCD) {
        result.problem = QStringLiteral("no validity mark at 0xC000");
    } else if (memory_.mid(kTrailerZeros, 4) != QByteArray(4, '\0') || byteAt(kSignature) != 0x11 ||
               byteAt(kSignature + 1) != 0x11) {
        result.problem = QStringLiteral("no upload trailer at 0xEFF8");
    } else if (sum != stored) {
        result.problem =
            QStringLiteral("checksum %1 at 0xEFFE, %2 computed").arg(hex(stored), hex(sum));
    }
    const QByteArray version = memory_.mid(kVersionText, 8);
    if (version.startsWith("VT12")) {
        result.code = QString::fromLatin1(version.mid(4, 4));
    }
    result.updateTime = memory_.mid(kTrailerTime, 8);
    return result;
}

} // namespace vt12sim
