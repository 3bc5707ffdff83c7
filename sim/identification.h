#pragma once
// The identification blocks a unit answers with: firmware text, bootloader text, slave version.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace vt12sim {

// Days since 30 December 1899, the time of day as fraction: 30 December 2022, 10:30.
constexpr double kFactoryUpdateTime = 44925.4375;

// A time in that form as the bootloader keeps it: an IEEE 754 double, low byte first.
QByteArray encodeDayTime(double days);

// 248 bytes each, text zero-padded. A bootloader code gives the bootloader's own text.
QByteArray firmwareInfoBlock(const QString& code, bool oldStyle);
QByteArray firmwareInfoBlock2(const QString& code, bool oldStyle);

// updateTime: the 8 bytes kept at bytes 64-71.
QByteArray bootloaderInfoBlock(QByteArrayView updateTime);

// "VT12F05A" while the slave answers its master, zeros otherwise.
QByteArray slaveVersionBlock(bool linked);

} // namespace vt12sim
