#pragma once
// The per-gate settings of one unit: twelve records and one register carried as read.

#include "data/block_table.h"
#include "data/wire_record.h"

struct GateRecord : WireRecord<16> {
    // 0 = not in use; the program writes 0 or 1.
    constexpr uint8_t Enabled() const { return Byte<0>(); }
    constexpr void SetEnabled(uint8_t value) { SetByte<0>(value); }
    constexpr uint8_t MinAirflow() const { return Byte<1>(); }
    constexpr void SetMinAirflow(uint8_t value) { SetByte<1>(value); }
    // Hundredths of a second.
    uint16_t OnDelay() const { return Word<2>(); }
    void SetOnDelay(uint16_t value) { SetWord<2>(value); }
    // Hundredths or tenths of a second, depending on the unit's firmware.
    uint16_t OffDelay() const { return Word<4>(); }
    void SetOffDelay(uint16_t value) { SetWord<4>(value); }
    // Hundredths.
    uint16_t SizeFactor() const { return Word<6>(); }
    void SetSizeFactor(uint16_t value) { SetWord<6>(value); }
    // Inches; 80 or more is taken as millimetres; 0 = no gate.
    constexpr uint8_t Diameter1() const { return Byte<8>(); }
    constexpr void SetDiameter1(uint8_t value) { SetByte<8>(value); }
    constexpr uint8_t Diameter2() const { return Byte<9>(); }
    constexpr void SetDiameter2(uint8_t value) { SetByte<9>(value); }
    constexpr uint8_t Diameter3() const { return Byte<10>(); }
    constexpr void SetDiameter3(uint8_t value) { SetByte<10>(value); }
    constexpr uint8_t ExtraArea() const { return Byte<12>(); }
    constexpr void SetExtraArea(uint8_t value) { SetByte<12>(value); }
    // Percent.
    constexpr uint8_t Compensation() const { return Byte<13>(); }
    constexpr void SetCompensation(uint8_t value) { SetByte<13>(value); }
};

struct GateSettingsBlock {
    std::array<GateRecord, kGatesPerUnit> Gates;
    // Not interpreted: written back and stored as it came.
    std::array<uint8_t, 2> Register96;
};
using SlaveGateSettingsBlock = GateSettingsBlock;

static_assert(sizeof(GateRecord) == 16 && WireBlock<GateRecord>);
static_assert(sizeof(GateSettingsBlock) == 194 && WireBlock<GateSettingsBlock>);
