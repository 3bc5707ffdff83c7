#pragma once
// Program memory as the firmware chunks of an upload fill it, and the verdict at its end.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>

namespace vt12sim {

struct UploadVerdict {
    // What makes the uploaded firmware unusable; empty when it is intact.
    QString problem;
    // The code its version text names ("VT12F05A" gives F05A); empty for another text.
    QString code;
    // The upload time stamp from the trailer, 8 bytes, for the bootloader block.
    QByteArray updateTime;
};

class FirmwareStore {
public:
    static constexpr uint16_t kStartChunk = 0x4F80;
    static constexpr uint16_t kEndChunk = 0xF000;

    // False when the chunk does not fit into the 64 KiB program memory.
    bool fits(uint16_t address, qsizetype bytes) const { return address + bytes <= kMemoryBytes; }

    // Stores one chunk; the end chunk of an upload that began with a start chunk
    // returns the verdict over what arrived.
    std::optional<UploadVerdict> write(uint16_t address, QByteArrayView bytes);

private:
    static constexpr int kMemoryBytes = 0x10000;
    static constexpr int kChunkBytes = 128;

    // The first break of the upload's rules the chunk shows, empty for none.
    QString breach(uint16_t address, QByteArrayView bytes) const;
    UploadVerdict verdict() const;
    uint8_t byteAt(int address) const { return static_cast<uint8_t>(memory_[address]); }

    QByteArray memory_;
    // The chunk before: the next one repeats it (its answer was lost) or follows it.
    uint16_t last_ = 0;
    QString problem_;
    bool uploading_ = false;
};

} // namespace vt12sim
