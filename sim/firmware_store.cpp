#include "sim/firmware_store.h"

namespace vt12sim {

namespace {

constexpr int kVersionText = 0x5000;
constexpr int kValidityMark = 0xC000;
constexpr int kTrailerTime = 0xEFF0;
constexpr int kChecksumEnd = 0xEFFC;
constexpr int kChecksum = 0xEFFE;

} // namespace

std::optional<UploadVerdict> FirmwareStore::write(uint16_t address, QByteArrayView bytes) {
    if (address == kStartChunk) {
        memory_ = QByteArray(kMemoryBytes, static_cast<char>(0xFF));
        received_.reset();
        uploading_ = true;
    }
    if (!uploading_ || !fits(address, bytes.size())) {
        return std::nullopt;
    }
    memory_.replace(address, bytes.size(), bytes.data(), bytes.size());
    if (address >= kWindowStart && address < kWindowEnd && bytes.size() == kChunkBytes &&
        (address - kWindowStart) % kChunkBytes == 0) {
        received_.set((address - kWindowStart) / kChunkBytes);
    }
    if (address != kEndChunk) {
        return std::nullopt;
    }
    uploading_ = false;
    return verdict();
}

UploadVerdict FirmwareStore::verdict() const {
    UploadVerdict result;
    uint16_t sum = 0;
    for (int at = kWindowStart; at < kChecksumEnd; ++at) {
        sum = static_cast<uint16_t>(sum + byteAt(at));
    }
    const uint16_t stored = static_cast<uint16_t>(byteAt(kChecksum) << 8 | byteAt(kChecksum + 1));
    if (!received_.all()) {
        result.problem = QStringLiteral("%1 of %2 data chunks missing")
                             .arg(kDataChunks - received_.count())
                             .arg(kDataChunks);
    } else if (byteAt(kValidityMark) != 0xAB || byteAt(kValidityMark + 1) != 0xCD) {
        result.problem = QStringLiteral("no validity mark at 0xC000");
    } else if (sum != stored) {
        result.problem = QStringLiteral("checksum 0x%1 at 0xEFFE, 0x%2 computed")
                             .arg(stored, 4, 16, QLatin1Char('0'))
                             .arg(sum, 4, 16, QLatin1Char('0'));
    }
    const QByteArray version = memory_.mid(kVersionText, 8);
    if (version.startsWith("VT12")) {
        result.code = QString::fromLatin1(version.mid(4, 4));
    }
    result.updateTime = memory_.mid(kTrailerTime, 8);
    return result;
}

} // namespace vt12sim
