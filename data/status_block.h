#pragma once
// The live status of one unit; the master and the slave answer in the same layout.

#include "data/wire_record.h"

struct StatusBlock : WireRecord<32> {
    static constexpr uint16_t kGateBits = 0x0FFF;
    static constexpr uint16_t kBypassInput = 1u << 12;
    static constexpr uint16_t kSecurityInOrder = 1u << 13;
    static constexpr uint16_t kBypassBlink = 1u << 14;

    // Bit i stands for gate i+1 of the unit in every gate mask.
    uint16_t SensorInputs() const { return Word<0>(); }
    uint16_t ActiveSensors() const { return Word<2>() & kGateBits; }
    uint16_t InputFlags() const { return Word<2>() & ~kGateBits; }
    uint16_t ManualRequests() const { return Word<4>(); }
    uint16_t OpeningGates() const { return Word<6>(); }
    uint16_t ClosingGates() const { return Word<8>(); }
    uint16_t OpenGates() const { return Word<10>(); }
    // Units of 8.35 mA.
    constexpr uint8_t OddDriverCurrent() const { return Byte<12>(); }
    constexpr uint8_t EvenDriverCurrent() const { return Byte<13>(); }
    constexpr uint8_t FanOutput() const { return Byte<14>(); }
    // The slave counts as connected while this is 15 or more.
    constexpr uint8_t SlaveLink() const { return Byte<15>(); }
    // In the units of FanOnDelay and FanOffDelay.
    uint16_t OnDelayLeft() const { return Word<16>(); }
    uint16_t OffDelayLeft() const { return Word<18>(); }
    // Tenths of a second.
    uint16_t CleaningTime() const { return Word<22>(); }
    constexpr uint8_t CleaningState() const { return Byte<24>(); }
    constexpr uint8_t HardwareVersion() const { return Byte<25>(); }
    // Older firmware reports no hardware version of its own.
    constexpr void SetHardwareVersion(uint8_t value) { SetByte<25>(value); }
    // Counts: 181 is the bottom of the sensor range, 909 its full scale.
    uint16_t InputValue() const { return Word<26>(); }
    void SetInputValue(uint16_t value) { SetWord<26>(value); }
    uint16_t ControllerMinAirflowGates() const { return Word<28>(); }
    uint16_t NoticeFlags() const { return Word<30>(); }
};
using SlaveStatusBlock = StatusBlock;

static_assert(sizeof(StatusBlock) == 32 && WireBlock<StatusBlock>);
