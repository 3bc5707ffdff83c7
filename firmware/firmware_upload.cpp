#include "firmware/firmware_upload.h"

#include "data/job_bits.h"
#include "firmware/firmware_stamp.h"

namespace {
constexpr uint16_t kLastDataChunk = FirmwareUpload::kEndChunk - FirmwareUpload::kChunkBytes;
constexpr int kChunksPerPage = 8;
} // namespace

UploadStart FirmwareUpload::Start(const FirmwareImage& accepted, const QDateTime& localTime) {
    image_ = accepted;
    StampFirmwareImage(image_, localTime);
    address_ = kStartChunk;
    return {kDataChunks, JOB_WRITE_FIRMWARE_CHUNK};
}

ChunkWritten FirmwareUpload::OnFirmwareChunkWritten() {
    if (address_ >= kEndChunk)
        return {};
    ChunkWritten written;
    if (address_ < FirmwareImage::kWindowStart) {
        written.log = {{QStringLiteral("Start writing to 40 pages"), false}};
    } else if (address_ < kLastDataChunk) {
        const int chunk = (address_ - FirmwareImage::kWindowStart) / kChunkBytes;
        if (chunk % kChunksPerPage == 0)
            written.log = {{QStringLiteral("Page %1").arg(chunk / kChunksPerPage + 1), false}};
        written.log.append({QStringLiteral("."), true});
    } else {
        written.log = {{QStringLiteral("Finished - OK"), false}};
        written.revalidate = true;
    }
    written.progressStep = 1;
    written.queueNextChunk = true;
    address_ = static_cast<uint16_t>(address_ + kChunkBytes);
    return written;
}

bool FirmwareUpload::Running(uint32_t jobMask) const {
    return (jobMask & JOB_WRITE_FIRMWARE_CHUNK) != 0 && address_ < kEndChunk;
}
