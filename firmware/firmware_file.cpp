#include "firmware/firmware_file.h"

#include "core/path_calls.h"
#include "firmware/firmware_loader.h"

#include <algorithm>

namespace {
constexpr LabelColour kGreen{0, 128, 0};
constexpr LabelColour kRed{255, 0, 0};

constexpr uint16_t kVersionAt = 0x5000;
constexpr int kVersionLength = 8;
constexpr uint16_t kValidityMarkAt = 0xC000;
constexpr uint8_t kValidityMark[] = {0xAB, 0xCD};
constexpr uint16_t kPlaceholderAt = 0xEFFC;
constexpr uint8_t kPlaceholder[] = {0xCC, 0xCC, 0x00, 0x00};

bool IsBlankOrControl(QChar c) {
    return c.isSpace() || c.category() == QChar::Other_Control;
}

bool IsBlankOrControlOnly(const QString& text) {
    return std::all_of(text.begin(), text.end(), IsBlankOrControl);
}

template <size_t N> bool Holds(const FirmwareImage& image, uint16_t at, const uint8_t (&bytes)[N]) {
    for (size_t i = 0; i < N; ++i)
        if (image.At(static_cast<uint16_t>(at + i)) != bytes[i])
            return false;
    return true;
}

QString VersionText(const FirmwareImage& image) {
    QString text;
    for (int i = 0; i < kVersionLength; ++i) {
        const uint8_t c = image.At(static_cast<uint16_t>(kVersionAt + i));
        if (c == 0)
            break;
        text += QChar::fromLatin1(static_cast<char>(c));
    }
    return text;
}
} // namespace

QString FirmwareFileVerdict::Text() const {
    switch (outcome) {
    case FirmwareFileOutcome::NotSelected:
        return QStringLiteral("The firmware file not selected");
    case FirmwareFileOutcome::Missing:
        return QStringLiteral("File does not exists");
    case FirmwareFileOutcome::Corrupted:
        return QStringLiteral("File is corrupted");
    case FirmwareFileOutcome::NotFirmware:
        return QStringLiteral("File is not valid firmware");
    case FirmwareFileOutcome::Accepted:
        break;
    }
    return QStringLiteral("Firmware version: ") + version;
}

LabelColour FirmwareFileVerdict::Colour() const {
    return Accepted() ? kGreen : kRed;
}

FirmwareFileCheck FirmwareFile::Validate(const QString& pathText) {
    FirmwareFileVerdict verdict;
    if (IsBlankOrControlOnly(pathText)) {
        verdict.outcome = FirmwareFileOutcome::NotSelected;
    } else if (EntryAt(pathText, Links::Followed).kind != PathKind::File) {
        // Folders, and devices or pipes that could block or never end, count as no file.
        verdict.outcome = FirmwareFileOutcome::Missing;
    } else {
        const FirmwareLoad load = LoadFirmwareImage(pathText, image_);
        if (!load.readError.isEmpty())
            return {verdict_, load.readError};
        if (load.total <= 0)
            verdict.outcome = FirmwareFileOutcome::Corrupted;
        else if (!Holds(image_, kValidityMarkAt, kValidityMark) ||
                 !Holds(image_, kPlaceholderAt, kPlaceholder))
            verdict.outcome = FirmwareFileOutcome::NotFirmware;
        else
            verdict = {FirmwareFileOutcome::Accepted, VersionText(image_)};
    }
    verdict_ = verdict;
    return {verdict_, {}};
}

bool UploadButtonEnabled(bool accepted, bool linkUp, bool bootloaderMode, bool uploadRunning) {
    return accepted && (linkUp || bootloaderMode) && !uploadRunning;
}
