#pragma once
// A Motorola S-record firmware file read into the firmware image: S1 data into the window,
// S9 ends the file, every record up to it must pass its checksum.

#include "firmware/firmware_image.h"

#include <QIODevice>
#include <QString>
#include <cstdint>

struct FirmwareLoad {
    // Bytes stored in the window; 0 or less when the file is corrupted.
    int32_t total = 0;
    // The platform's message when the file could not be read; the image is then unchanged.
    QString readError;
};

FirmwareLoad LoadFirmwareImage(const QString& path, FirmwareImage& image);

// The records of an open file into a cleared image; the total as above.
int32_t LoadFirmwareRecords(QIODevice& file, FirmwareImage& image);
