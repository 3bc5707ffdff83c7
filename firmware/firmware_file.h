#pragma once
// The chosen firmware file: read into the image, checked to be firmware for this controller,
// and what the status label shows about it.

#include "firmware/firmware_image.h"

#include <QString>
#include <cstdint>

enum class FirmwareFileOutcome { NotSelected, Missing, Corrupted, NotFirmware, Accepted };

struct LabelColour {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
    bool operator==(const LabelColour&) const = default;
};

// lFirmwareFileError: text and colour both follow the outcome, so they never disagree with
// whether the file is accepted.
struct FirmwareFileVerdict {
    FirmwareFileOutcome outcome = FirmwareFileOutcome::NotSelected;
    // Accepted only: the characters at the start of the window, up to a zero byte.
    QString version;

    bool Accepted() const { return outcome == FirmwareFileOutcome::Accepted; }
    QString Text() const;
    LabelColour Colour() const;
};

struct FirmwareFileCheck {
    // What the label is to show; after a read error the previous verdict.
    FirmwareFileVerdict verdict;
    // The platform's message for a file that exists but cannot be read: then nothing changes.
    QString readError;
};

class FirmwareFile {
public:
    // eFirmwareFileChange: the path as typed.
    FirmwareFileCheck Validate(const QString& pathText);

    bool IsAccepted() const { return verdict_.Accepted(); }
    const FirmwareFileVerdict& Verdict() const { return verdict_; }
    const FirmwareImage& Image() const { return image_; }

private:
    FirmwareImage image_;
    FirmwareFileVerdict verdict_;
};

// bUploadFirmware: an accepted file, a unit to send it to (answering, or waiting in its
// bootloader), and no upload already under way.
bool UploadButtonEnabled(bool accepted, bool linkUp, bool bootloaderMode, bool uploadRunning);
