#pragma once
// How the controller's identification replies read as texts and firmware codes.

#include "data/firmware_code.h"

#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>

// The reply's characters, cut before the first two consecutive zero bytes, other zeros dropped.
QString IdentificationText(const uint8_t* data, int length);

// From the first part's text: "VT12" followed by the code, or an older "Firmware Version: "
// line after the tenth character; "----" when neither is there.
FirmwareCode FirmwareCodeOf(const QString& firstPartText);

// The bootloader memo: its version text and, when the reply holds a plausible one, the time of
// the last firmware update.
QString BootloaderDataText(const uint8_t* data, int length,
                           const QLocale& locale = QLocale::system());

QString FirmwareVersionCaption(const FirmwareCode& code);
QString HardwareVersionCaption(int hardwareVersion);

struct SlaveVersion {
    QString caption;
    // Only when the reply names a VT12 firmware; otherwise the code stays as it was.
    std::optional<FirmwareCode> code;
};
SlaveVersion DecodeSlaveVersion(const uint8_t* data, int length);
