#pragma once
// Writing the accepted image into the controller, one 128-byte chunk per request: a start
// chunk, the 320 chunks of the firmware window and an end chunk.

#include "firmware/firmware_image.h"
#include "link/firmware_chunk_source.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <cstdint>

// The view clears the log, shows the progress bar at 0 of progressMaximum, disables the upload
// button and sets the job; the scheduler sends the chunks from its next turn on.
struct UploadStart {
    int progressMaximum;
    uint32_t job;
};

// One KomStsLog call: a new line, or text appended to the last line.
struct LogLine {
    QString text;
    bool append;
    bool operator==(const LogLine&) const = default;
};

struct ChunkWritten {
    QList<LogLine> log;
    // After the last data chunk: the file is validated again before the progress step, which
    // resets the bar first.
    bool revalidate = false;
    int progressStep = 0;
    // CurrentJob to 0 and the chunk job set again, so the next turn sends the next chunk.
    bool queueNextChunk = false;
};

class FirmwareUpload : public FirmwareChunkSource {
public:
    static constexpr uint16_t kStartChunk = 0x4F80;
    static constexpr uint16_t kEndChunk = FirmwareImage::kWindowEnd;
    static constexpr int kChunkBytes = 128;
    static constexpr int kDataChunks = (kEndChunk - FirmwareImage::kWindowStart) / kChunkBytes;

    // bUploadFirmwareClick. The upload sends its own stamped copy, so a file validated while
    // it runs cannot mix into what is written.
    UploadStart Start(const FirmwareImage& accepted, const QDateTime& localTime);

    uint16_t UploadAddress() const override { return address_; }
    // The kChunkBytes image bytes from the upload address on.
    const uint8_t* FirmwareChunk() const override { return image_.Data() + address_; }

    // A chunk was answered OK. The end chunk's answer has no handler and changes nothing.
    ChunkWritten OnFirmwareChunkWritten();

    // From the start until the last data chunk is written, as long as the job stays pending
    // (port detection drops it, and the upload is not resumed).
    bool Running(uint32_t jobMask) const;

private:
    FirmwareImage image_;
    // Idle as after an upload: a stray chunk job would only send the end chunk.
    uint16_t address_ = kEndChunk;
};
