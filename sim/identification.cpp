#include "sim/identification.h"

#include "sim/register_bytes.h"
#include "sim/unit_profile.h"

#include <bit>
#include <cstdint>

namespace vt12sim {

namespace {

constexpr qsizetype kInfoBytes = 248;
constexpr qsizetype kUpdateTimeOffset = 64;

QByteArray padded(const QString& text) {
    QByteArray block(kInfoBytes, '\0');
    putText(block, 0, text.toLatin1(), kInfoBytes);
    return block;
}

} // namespace

QByteArray encodeDayTime(double days) {
    const auto bits = std::bit_cast<uint64_t>(days);
    QByteArray bytes(8, '\0');
    for (int i = 0; i < 8; ++i) {
        bytes[i] = static_cast<char>(bits >> (8 * i));
    }
    return bytes;
}

QByteArray firmwareInfoBlock(const QString& code, bool oldStyle) {
    if (isBootloaderCode(code)) {
        return padded(QStringLiteral("VT12%1 Vantor 12 Bootloader\r\n"
                                     "FIRMWARE DAMAGED - waiting for a firmware update\r\n")
                          .arg(code));
    }
    if (oldStyle) {
        return padded(QStringLiteral("Vantor 12 Duct Gate Controller\r\n"
                                     "Firmware Version: 2.05\r\n"
                                     "Build 2011-09-02\r\n"));
    }
    return padded(QStringLiteral("VT12%1 Vantor 12 Duct Gate Controller\r\n"
                                 "Firmware %1, build 2021-03-18\r\n")
                      .arg(code));
}

QByteArray firmwareInfoBlock2(const QString& code, bool oldStyle) {
    if (isBootloaderCode(code)) {
        return padded(QString());
    }
    const QString features = oldStyle || !codeFrom(code, "F05A")
                                 ? QStringLiteral("12 gates, MASTER/SLAVE over RS-485\r\n")
                                 : QStringLiteral("12 gates, MASTER/SLAVE over RS-485, "
                                                  "Torvex drive via Modbus\r\n");
    return padded(features + QStringLiteral("Program memory 0x5000-0xEFFF\r\n"));
}

QByteArray bootloaderInfoBlock(QByteArrayView updateTime) {
    QByteArray block = padded(QStringLiteral("Vantor 12 Bootloader 1.3\r\n"));
    putText(block, kUpdateTimeOffset, updateTime, 8);
    return block;
}

QByteArray slaveVersionBlock(bool linked) {
    return linked ? QByteArray("VT12F05A") : QByteArray(8, '\0');
}

} // namespace vt12sim
