#include "monitor/gate_row_figures.h"

#include "core/conversions.h"
#include "monitor/driver_current.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr int kMaxExtraArea = 255;
constexpr double kMillimetresPerInch = 25.4;
constexpr uint8_t kFirstMillimetreDiameter = 80;
constexpr double kInchesPerFoot = 12;

int SquaresOfDiameters(const GateRecord& gate) {
    return gate.Diameter1() * gate.Diameter1() + gate.Diameter2() * gate.Diameter2() +
           gate.Diameter3() * gate.Diameter3();
}
} // namespace

GateRowFigures CompensationFigures(const GateRecord& gate, int compensation) {
    const int s = SquaresOfDiameters(gate);
    const double factor = 1 + compensation / 100.0;
    const int extra = RoundHalfEven(s * (factor * factor - 1));
    if (extra <= kMaxExtraArea)
        return {static_cast<uint8_t>(extra), std::nullopt};
    const double reachable = (std::sqrt(double(kMaxExtraArea) / s + 1) - 1) * 100;
    return {kMaxExtraArea, static_cast<int>(reachable)};
}

int AirVolume(const GateRecord& gate, int airVelocity) {
    // Diameters in inches; halving them to radii and turning them to feet divides by 24.
    const double radiusSquares =
        SquaresOfDiameters(gate) / (2 * kInchesPerFoot * 2 * kInchesPerFoot);
    return RoundHalfEven(airVelocity * std::numbers::pi * radiusSquares);
}

double DiameterMillimetres(uint8_t diameter) {
    return diameter < kFirstMillimetreDiameter ? diameter * kMillimetresPerInch : diameter;
}

double RequiredCurrent(const GateRecord& gate) {
    constexpr double k = 9.0 / 7.0;
    double current = 0;
    for (const uint8_t d : {gate.Diameter1(), gate.Diameter2(), gate.Diameter3()})
        current += 350 - 100 * k + DiameterMillimetres(d) * k;
    return current;
}

std::optional<int> MaxCurrentCorrection(const GateRecord& gate, uint8_t maxCurrent) {
    const double required = RequiredCurrent(gate);
    if (maxCurrent * kMilliampsPerUnit >= required)
        return std::nullopt;
    return RoundHalfEven(required);
}

void ComputeSizeFactor(GateRecord& gate) {
    const double largest =
        std::max({DiameterMillimetres(gate.Diameter1()), DiameterMillimetres(gate.Diameter2()),
                  DiameterMillimetres(gate.Diameter3())});
    const double factor = std::max(2.0, 5 + (largest - 100) * 3 / 70);
    gate.SetSizeFactor(static_cast<uint16_t>(RoundHalfEven(factor * 100)));
}
