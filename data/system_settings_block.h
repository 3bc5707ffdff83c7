#pragma once
// The system settings of a unit, 28 bytes; times and scalings as the fields say.

#include "data/wire_record.h"

struct SystemSettingsBlock : WireRecord<28> {
    // Tenths of a second; 0 is never stored.
    uint16_t FanOnDelay() const { return Word<0>(); }
    void SetFanOnDelay(uint16_t value) { SetWord<0>(value); }
    // Tenths of a second or seconds, depending on the firmware; 0 is never stored.
    uint16_t FanOffDelay() const { return Word<2>(); }
    void SetFanOffDelay(uint16_t value) { SetWord<2>(value); }
    // Tenths of a second.
    uint16_t ButtonCancel() const { return Word<4>(); }
    void SetButtonCancel(uint16_t value) { SetWord<4>(value); }
    constexpr uint8_t MBA() const { return Byte<6>(); }
    constexpr void SetMBA(uint8_t value) { SetByte<6>(value); }
    constexpr uint8_t OpenAtStop() const { return Byte<7>(); }
    constexpr void SetOpenAtStop(uint8_t value) { SetByte<7>(value); }
    constexpr uint8_t OpenAtError() const { return Byte<8>(); }
    constexpr void SetOpenAtError(uint8_t value) { SetByte<8>(value); }
    constexpr uint8_t RunAtError() const { return Byte<9>(); }
    constexpr void SetRunAtError(uint8_t value) { SetByte<9>(value); }
    // 1 = open/close gate mode, 0 = simulate sensor.
    constexpr uint8_t GateMode() const { return Byte<10>(); }
    constexpr void SetGateMode(uint8_t value) { SetByte<10>(value); }
    // Units of 8.35 mA.
    constexpr uint8_t MinCurrent() const { return Byte<11>(); }
    constexpr void SetMinCurrent(uint8_t value) { SetByte<11>(value); }
    constexpr uint8_t MaxCurrent() const { return Byte<12>(); }
    constexpr void SetMaxCurrent(uint8_t value) { SetByte<12>(value); }
    // 255 = 100 %.
    constexpr uint8_t OpRangeMin() const { return Byte<13>(); }
    constexpr void SetOpRangeMin(uint8_t value) { SetByte<13>(value); }
    constexpr uint8_t OpRangeMax() const { return Byte<14>(); }
    constexpr void SetOpRangeMax(uint8_t value) { SetByte<14>(value); }
    // Units of 10 ms.
    constexpr uint8_t ReverseDelay() const { return Byte<15>(); }
    constexpr void SetReverseDelay(uint8_t value) { SetByte<15>(value); }
    constexpr uint8_t StopOnCurrDecay() const { return Byte<16>(); }
    constexpr void SetStopOnCurrDecay(uint8_t value) { SetByte<16>(value); }

    static constexpr uint8_t kCleanRegular = 0x01;
    static constexpr uint8_t kCleanAtStop = 0x02;
    constexpr uint8_t CleanFlags() const { return Byte<17>(); }
    constexpr void SetCleanFlags(uint8_t value) { SetByte<17>(value); }

    // Minutes.
    constexpr uint8_t CleanHowLong() const { return Byte<18>(); }
    constexpr void SetCleanHowLong(uint8_t value) { SetByte<18>(value); }
    // Minutes, or units of 5 minutes on older firmware.
    constexpr uint8_t CleanHowOften() const { return Byte<19>(); }
    constexpr void SetCleanHowOften(uint8_t value) { SetByte<19>(value); }
    // 0 single or SLAVE unit, 1 slave on the RS-232 port, 2 MASTER unit, 3 with a Torvex drive.
    constexpr uint8_t InstallationMode() const { return Byte<20>(); }
    constexpr void SetInstallationMode(uint8_t value) { SetByte<20>(value); }
    // Seconds.
    constexpr uint8_t InactiveAfterStart() const { return Byte<21>(); }
    constexpr void SetInactiveAfterStart(uint8_t value) { SetByte<21>(value); }
    // Minutes.
    constexpr uint8_t CleanAtStopRunMin() const { return Byte<22>(); }
    constexpr void SetCleanAtStopRunMin(uint8_t value) { SetByte<22>(value); }
    constexpr uint8_t CleanAtStopHowLong() const { return Byte<23>(); }
    constexpr void SetCleanAtStopHowLong(uint8_t value) { SetByte<23>(value); }

    // Bit 7: enabled; bits 0-6: the minimum airflow in percent.
    constexpr uint8_t SmartMinAirflow() const { return Byte<24>(); }
    constexpr void SetSmartMinAirflow(uint8_t value) { SetByte<24>(value); }
    constexpr bool SmartMinAirflowEnabled() const { return (SmartMinAirflow() & 0x80) != 0; }
    constexpr uint8_t SmartMinAirflowPercent() const { return SmartMinAirflow() & 0x7F; }
    constexpr void SetSmartMinAirflow(bool enabled, uint8_t percent) {
        SetSmartMinAirflow(static_cast<uint8_t>((enabled ? 0x80 : 0) | (percent & 0x7F)));
    }

    constexpr uint8_t KeepLastUsedOpen() const { return Byte<25>(); }
    constexpr void SetKeepLastUsedOpen(uint8_t value) { SetByte<25>(value); }
    constexpr uint8_t PressureFromVFD() const { return Byte<26>(); }
    constexpr void SetPressureFromVFD(uint8_t value) { SetByte<26>(value); }
};

static_assert(sizeof(SystemSettingsBlock) == 28 && WireBlock<SystemSettingsBlock>);
