#pragma once
// Presentation of the pressure sensor input of both units, and the controller's error threshold.

#include "data/wire_record.h"

enum class SensorSide { Master, Slave };

struct VacuumSettingsBlock : WireRecord<84> {
    static constexpr int kCaptionLength = 16;
    static constexpr int kUnitsLength = 8;

    // Zero bytes at the end removed; a longer text is cut to its field.
    QString SensorCaption(SensorSide side) const {
        return side == SensorSide::Master ? Text<0, kCaptionLength>() : Text<40, kCaptionLength>();
    }
    void SetSensorCaption(SensorSide side, const QString& text) {
        side == SensorSide::Master ? SetText<0, kCaptionLength>(text)
                                   : SetText<40, kCaptionLength>(text);
    }
    // Thousandths of the sensor unit: the full-scale value.
    int64_t SensorRange(SensorSide side) const {
        return side == SensorSide::Master ? Copied<int64_t, 16>() : Copied<int64_t, 56>();
    }
    void SetSensorRange(SensorSide side, int64_t value) {
        side == SensorSide::Master ? SetCopied<int64_t, 16>(value) : SetCopied<int64_t, 56>(value);
    }
    // Thousandths of the sensor unit.
    int64_t SensorWarning(SensorSide side) const {
        return side == SensorSide::Master ? Copied<int64_t, 24>() : Copied<int64_t, 64>();
    }
    void SetSensorWarning(SensorSide side, int64_t value) {
        side == SensorSide::Master ? SetCopied<int64_t, 24>(value) : SetCopied<int64_t, 64>(value);
    }
    QString SensorUnits(SensorSide side) const {
        return side == SensorSide::Master ? Text<32, kUnitsLength>() : Text<72, kUnitsLength>();
    }
    void SetSensorUnits(SensorSide side, const QString& text) {
        side == SensorSide::Master ? SetText<32, kUnitsLength>(text)
                                   : SetText<72, kUnitsLength>(text);
    }
    // Input counts: 181 is the bottom of the sensor range, 909 its full scale.
    uint16_t ErrorLevel() const { return Word<80>(); }
    void SetErrorLevel(uint16_t value) { SetWord<80>(value); }
    uint16_t StopAtError() const { return Word<82>(); }
    void SetStopAtError(uint16_t value) { SetWord<82>(value); }
};

static_assert(sizeof(VacuumSettingsBlock) == 84 && WireBlock<VacuumSettingsBlock>);
