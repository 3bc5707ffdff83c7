#include "data/vacuum_settings_controls.h"

#include "core/conversions.h"
#include "data/exact_rounding.h"
#include "data/trimmed_text.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int64_t kThousandths = 1000;
// What a range of 0 stands for: 20.0 sensor units.
constexpr int64_t kDefaultRange = 20000;
// Input counts: the bottom of the sensor range, and the counts from there to full scale.
constexpr int64_t kErrorBottom = 181;
constexpr int64_t kErrorSpan = 728;
constexpr int kMostErrorDecimals = 9;

int64_t Thousandths(const QString& entry) {
    return RoundScaled(LenientFloat(entry, 0), kThousandths, 1);
}

// Round(E x 728 / R + 181), R the master range in thousandths (not 0), in the 16-bit word.
uint16_t ErrorCounts(const QString& entry, int64_t range) {
    const double level = LenientFloat(entry, static_cast<double>(range) / kThousandths);
    const int64_t above = std::clamp<int64_t>(RoundScaled(level, kErrorSpan * kThousandths, range),
                                              -kErrorBottom, std::numeric_limits<uint16_t>::max());
    return static_cast<uint16_t>(
        std::clamp<int64_t>(above + kErrorBottom, 0, std::numeric_limits<uint16_t>::max()));
}

// value / 10^decimals, "." as the separator, without trailing zeros ("0.#" for one decimal).
QString DecimalText(int64_t value, int decimals) {
    const uint64_t magnitude =
        value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    uint64_t power = 1;
    for (int i = 0; i < decimals; ++i)
        power *= 10;
    QString text = QString::number(magnitude / power);
    uint64_t fraction = magnitude % power;
    int digits = decimals;
    for (; digits > 0 && fraction % 10 == 0; --digits)
        fraction /= 10;
    if (digits > 0)
        text += u'.' + QString::number(fraction).rightJustified(digits, u'0');
    return value < 0 ? u'-' + text : text;
}

// Ranges and warnings in thousandths are shown whole: with only one decimal, as the field's
// format would have it, 20.05 would come back from the next rebuild as 20.1.
QString RangeText(int64_t thousandths) {
    return DecimalText(thousandths == 0 ? kDefaultRange : thousandths, 3);
}

// (counts - 181) / 728 x R with one decimal, or with as many more as it takes to rebuild the same
// counts: one count is R / 728, so with R 20 one decimal would move 546 counts to 545.
QString ErrorLevelText(uint16_t counts, int64_t range) {
    const int64_t above = int64_t{counts} - kErrorBottom;
    const int64_t divisor = kErrorSpan * kThousandths;
    std::optional<int64_t> scaled = CheckedProduct(above, range);
    for (int decimals = 1; range != 0 && scaled && decimals <= kMostErrorDecimals; ++decimals) {
        scaled = CheckedProduct(*scaled, 10);
        if (!scaled)
            break;
        const QString text = DecimalText(RoundRatio(*scaled, divisor), decimals);
        if (ErrorCounts(text, range) == counts)
            return text;
    }
    const double level = static_cast<double>(above) / kErrorSpan * static_cast<double>(range) /
                         static_cast<double>(kThousandths);
    return DecimalText(RoundScaled(level, 10, 1), 1);
}

} // namespace

VacuumSettingsBlock BuildVacuumImage(const VacuumControls& controls, const FeatureLevels& levels) {
    VacuumSettingsBlock image;
    image.SetSensorCaption(SensorSide::Master, controls.eCurrInpCaption);
    image.SetSensorUnits(SensorSide::Master, controls.eCurrInpUnits);
    image.SetSensorCaption(SensorSide::Slave, controls.eCurrInpCaptionS);
    image.SetSensorUnits(SensorSide::Slave, controls.eCurrInpUnitsS);

    int64_t range = Thousandths(controls.eCurrInpRng);
    if (range == 0)
        range = kDefaultRange;
    image.SetSensorRange(SensorSide::Master, range);
    image.SetSensorWarning(SensorSide::Master, Thousandths(controls.eCurrInpWarning));
    image.SetSensorRange(SensorSide::Slave, Thousandths(controls.eCurrInpRngS));
    image.SetSensorWarning(SensorSide::Slave, Thousandths(controls.eCurrInpWarningS));

    if (levels.Has(Feature::VacuumErrorSettings)) {
        image.SetErrorLevel(ErrorCounts(controls.eCurrInpError, range));
        image.SetStopAtError(controls.eCurrInpStopAtError ? 1 : 0);
    }
    return image;
}

VacuumPanelTexts ShowVacuumSettings(const VacuumSettingsBlock& image, const FeatureLevels& levels,
                                    VacuumControls& controls) {
    controls.eCurrInpCaption = TrimmedText(image.SensorCaption(SensorSide::Master));
    controls.eCurrInpUnits = TrimmedText(image.SensorUnits(SensorSide::Master));
    controls.eCurrInpCaptionS = TrimmedText(image.SensorCaption(SensorSide::Slave));
    controls.eCurrInpUnitsS = TrimmedText(image.SensorUnits(SensorSide::Slave));
    controls.eCurrInpRng = RangeText(image.SensorRange(SensorSide::Master));
    controls.eCurrInpWarning = RangeText(image.SensorWarning(SensorSide::Master));
    controls.eCurrInpRngS = RangeText(image.SensorRange(SensorSide::Slave));
    controls.eCurrInpWarningS = RangeText(image.SensorWarning(SensorSide::Slave));

    if (levels.Has(Feature::VacuumErrorSettings)) {
        controls.eCurrInpError =
            ErrorLevelText(image.ErrorLevel(), image.SensorRange(SensorSide::Master));
        controls.eCurrInpStopAtError = image.StopAtError() == 1;
    }
    return {controls.eCurrInpCaption, controls.eCurrInpCaptionS, controls.eCurrInpUnits,
            controls.eCurrInpUnitsS};
}
