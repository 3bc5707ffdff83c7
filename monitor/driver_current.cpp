#include "monitor/driver_current.h"

#include "core/conversions.h"

#include <bit>

namespace {
constexpr uint16_t kOddGates = 0x555;
constexpr uint16_t kEvenGates = 0xAAA;
} // namespace

DriverDisplay DriverCurrent::Show(uint16_t driven, uint8_t sample, const QString& numberPrefix) {
    const uint16_t mine = driven & (driver_ == Driver::Odd ? kOddGates : kEvenGates);
    DriverDisplay display;
    if (mine == 0) {
        previous_ = 0;
        display.milliamps = QStringLiteral("0");
        display.gateCaption =
            driver_ == Driver::Odd ? QStringLiteral("Odd") : QStringLiteral("Even");
        return display;
    }
    display.position = RoundHalfEven((previous_ + sample) / 2.0);
    previous_ = sample;
    display.current = RoundHalfEven(display.position * kMilliampsPerUnit);
    display.milliamps = QString::number(display.current);
    const int gate = std::countr_zero(mine) + 1;
    display.gateCaption = QStringLiteral("- %1%2 -").arg(numberPrefix).arg(gate);
    return display;
}
