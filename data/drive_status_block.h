#pragma once
// The Torvex drive's state as the controller relays it: sixteen unsigned registers.

#include "data/wire_record.h"

struct DriveStatusBlock : WireRecord<32> {
    uint16_t DriveFlags() const { return Word<0>(); }
    // Tenths of a hertz.
    uint16_t MaxFrequency() const { return Word<2>(); }
    uint16_t ControlWord() const { return Word<12>(); }
    // 20000 stands for MaxFrequency.
    uint16_t FrequencyReference() const { return Word<14>(); }
    uint16_t DriveInputs() const { return Word<16>(); }
    uint16_t StatusWord() const { return Word<18>(); }
    // 20000 stands for MaxFrequency.
    uint16_t OutputFrequency() const { return Word<20>(); }
    // Tenths of an ampere.
    uint16_t OutputCurrent() const { return Word<22>(); }
    // Tenths of a kilowatt.
    uint16_t OutputPower() const { return Word<24>(); }
    uint16_t OutputVoltage() const { return Word<26>(); }
    uint16_t FilterPressure() const { return Word<28>(); }
    uint16_t FanPressure() const { return Word<30>(); }
    // Any register k, for the raw data view; 0 outside 0..15.
    uint16_t Register(int k) const { return WordAt(k); }
};

static_assert(sizeof(DriveStatusBlock) == 32 && WireBlock<DriveStatusBlock>);
