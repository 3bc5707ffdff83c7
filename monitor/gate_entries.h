#pragma once
// What a value typed into the gate table stores and shows: delays clamped to their ranges,
// diameters and compensation held to the byte they are stored in.

#include <QString>
#include <cstdint>

struct DelayEntry {
    uint16_t stored;
    QString text;
};

// Seconds, 0.1..500, stored in hundredths.
DelayEntry OnDelayEntry(double seconds);
// Seconds; in tenths 0.1..3600, else in hundredths 0.1..500.
DelayEntry OffDelayEntry(double seconds, bool inTenths);
// A stored delay as the table shows it.
QString DelayText(uint16_t stored, int perSecond);

// The integer part, 0..255.
uint8_t DiameterEntry(double value);
// Rounded, 0..255 percent.
uint8_t CompensationEntry(double value);
