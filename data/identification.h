#pragma once
// How the controller's identification replies read as texts and firmware codes.

#include "data/firmware_code.h"

#include <QDateTime>
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

// The time of the last firmware update a bootloader reply holds, to the millisecond; none when
// the stamp is unset or no time. It is the PC's local time when that update began.
std::optional<QDateTime> UpdateTimeOf(const uint8_t* data, int length);

QString FirmwareVersionCaption(const FirmwareCode& code);
QString HardwareVersionCaption(int hardwareVersion);

struct SlaveVersion {
    QString caption;
    // Only when the reply names a VT12 firmware; otherwise the code stays as it was.
    std::optional<FirmwareCode> code;
};
SlaveVersion DecodeSlaveVersion(const uint8_t* data, int length);
