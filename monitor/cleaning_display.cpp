#include "monitor/cleaning_display.h"

namespace {
constexpr uint8_t kRunning = 0x06;
constexpr uint8_t kAtStopBlue = 0x08;
constexpr uint8_t kRegular = 0x10;
constexpr uint8_t kAtStop = 0x20;
} // namespace

QString CleaningClock(uint16_t tenths) {
    const int seconds = tenths / 10;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QChar(u'0'))
        .arg(seconds / 60 % 60, 2, 10, QChar(u'0'))
        .arg(seconds % 60, 2, 10, QChar(u'0'));
}

CleaningDisplay Cleaning(uint8_t cleaningState, uint16_t cleaningTime, uint8_t fanOutput) {
    CleaningDisplay display;
    if ((cleaningState & (kRegular | kAtStop)) == 0)
        return display;
    display.regularEnabled = (cleaningState & kRegular) != 0;
    display.atStopEnabled = (cleaningState & kAtStop) != 0;
    display.atStopBlue = (cleaningState & kAtStopBlue) != 0;
    if ((cleaningState & kRunning) != 0) {
        display.lamp = Lamp::Yellow;
        display.timeVisible = true;
        display.timeText = CleaningClock(cleaningTime);
    } else if (fanOutput != 0) {
        display.timeVisible = true;
        display.timeText = display.regularEnabled
                               ? QStringLiteral("After: ") + CleaningClock(cleaningTime)
                               : QString();
    }
    return display;
}
