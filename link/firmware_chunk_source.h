#pragma once
// The firmware upload as the scheduler sees it: where the next chunk goes and its bytes.

#include <cstdint>

class FirmwareChunkSource {
public:
    virtual ~FirmwareChunkSource() = default;
    virtual uint16_t UploadAddress() const = 0;
    // The 128 image bytes of the chunk at the upload address.
    virtual const uint8_t* FirmwareChunk() const = 0;
};
