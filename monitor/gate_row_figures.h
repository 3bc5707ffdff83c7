#pragma once
// What a gate's duct diameters and compensation imply: the extra opening area, the air volume,
// the motor current the gate drive needs and its size factor.

#include "data/gate_settings_block.h"

#include <optional>

struct GateRowFigures {
    uint8_t extraArea = 0;
    // Only when the compensation is not reachable: the largest one (percent) that is, which
    // may be 0 for large ducts.
    std::optional<int> compensationLimit;
};

// compensation in percent, 0..255.
GateRowFigures CompensationFigures(const GateRecord& gate, int compensation);

// CFM through the gate's ducts at airVelocity feet per minute.
int AirVolume(const GateRecord& gate, int airVelocity);

// A diameter byte below 80 is inches, from 80 on millimetres.
double DiameterMillimetres(uint8_t diameter);

// mA: 350 at 100 mm plus 9/7 per further millimetre, for each of the three ducts.
double RequiredCurrent(const GateRecord& gate);

// The mA to raise MaxCurrent to, when the gate needs more than maxCurrent (8.35 mA units).
std::optional<int> MaxCurrentCorrection(const GateRecord& gate, uint8_t maxCurrent);

// SizeFactor from the largest diameter.
void ComputeSizeFactor(GateRecord& gate);
