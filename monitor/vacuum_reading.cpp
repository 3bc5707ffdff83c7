#include "monitor/vacuum_reading.h"

#include "core/conversions.h"
#include "data/installation_mode.h"

#include <cmath>

namespace {

// Counts: the bottom of the sensor range, its span, and the bounds beyond which the input is
// taken as out of range.
constexpr int kRangeBottom = 181;
constexpr double kRangeSpan = 728;
constexpr uint16_t kUnderRange = 171;
constexpr uint16_t kOverRange = 919;
constexpr double kDefaultRange = 3000;
constexpr double kDefaultWarning = 2000;
// Decimals enough for three figures of the full scale: 100 and up whole numbers.
constexpr int kShownDigits = 2;

VacuumFigure NoValue(const QString& text) {
    return {text, kPanelSilver, kPanelGrey, std::nullopt};
}

VacuumFigure Figure(uint16_t value, bool linkUp, const QString& rangeText,
                    const QString& warningText, bool showNegative) {
    if (value < kUnderRange)
        return NoValue(linkUp ? QStringLiteral("-Lo-") : QStringLiteral("--"));
    if (value > kOverRange)
        return NoValue(QStringLiteral("-Hi-"));
    const double range = LenientFloat(rangeText, kDefaultRange);
    if (range <= 0)
        return NoValue(QStringLiteral("--"));
    double x = (value - kRangeBottom) / kRangeSpan * range;
    if (x < 0 && !showNegative)
        x = 0;
    const int decimals = kShownDigits - static_cast<int>(std::trunc(std::log10(range)));
    QString text = QString::number(x, 'f', decimals > 0 ? decimals : 0);
    // A small negative value that rounds to nothing is no negative reading.
    if (text.startsWith(u'-') && text.toDouble() == 0)
        text.remove(0, 1);
    const double warning = LenientFloat(warningText, kDefaultWarning);
    return {text, kPanelYellow, x >= warning ? kPanelDarkRed : kPanelGrey, x};
}

} // namespace

VacuumReading ShowVacuumReading(const VacuumReadingInputs& inputs) {
    VacuumReading reading;
    reading.master =
        Figure(inputs.masterValue, inputs.linkUp, inputs.masterRange, inputs.masterWarning, false);
    reading.errorIconVisible = inputs.errorLevelKnown && inputs.errorLevel < inputs.masterValue;
    if (inputs.installationMode == kInstallationMasterSlave)
        reading.slave =
            Figure(inputs.slaveValue, inputs.linkUp, inputs.slaveRange, inputs.slaveWarning, true);
    return reading;
}
