#include "data/system_settings_controls.h"

#include "data/exact_rounding.h"
#include "data/factory_defaults.h"
#include "data/installation_mode.h"
#include "data/system_limits.h"

#include <algorithm>
#include <limits>

namespace {

// Entries beyond this lie far outside every field, so bounding them first changes no stored value
// and keeps the arithmetic well inside 64 bits.
constexpr int64_t kEntryLimit = 1'000'000'000;

// Currents are kept in steps of 8.35 mA: stored = Round(mA x 100 / 835).
constexpr int64_t kCurrentStep = 835;

constexpr int kInstallationModes = 4;

std::optional<int64_t> WholeNumber(const QString& text) {
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return std::clamp<int64_t>(value, -kEntryLimit, kEntryLimit);
}

// The unbounded fields cannot hold every entry: an entry that does not fit stores the nearest
// value the field holds, as the bounded fields do, rather than wrapping round to a small one.
uint16_t ToWord(int64_t value) {
    return static_cast<uint16_t>(
        std::clamp<int64_t>(value, 0, std::numeric_limits<uint16_t>::max()));
}
uint8_t ToByte(int64_t value) {
    return static_cast<uint8_t>(std::clamp<int64_t>(value, 0, std::numeric_limits<uint8_t>::max()));
}
uint8_t ToBounded(SystemBound field, int64_t value) {
    return static_cast<uint8_t>(Bounded(field, static_cast<int>(value)));
}

// The controller takes 0 as no delay at all; the least it is given is one step.
uint16_t AtLeastOne(uint16_t value) {
    return value == 0 ? 1 : value;
}

int64_t OffDelayUnit(const FeatureLevels& levels) {
    return levels.Has(Feature::FanOffDelayInSeconds) ? 60 : 600;
}

int64_t StoredPercent(int64_t percent) {
    return RoundRatio(percent * 255, 100);
}

QString Number(int64_t value) {
    return QString::number(value);
}

int Position(UpDownRange range, int value) {
    return std::clamp(value, range.minimum, range.maximum);
}

// What the controls show for the factory defaults: the value of an entry that is not a number.
SystemControls DefaultControls(const FeatureLevels& levels) {
    SystemControls defaults;
    ShowSystemSettings(SystemDefaults, levels, defaults);
    return defaults;
}

} // namespace

SystemImageBuilt BuildSystemImage(const SystemControls& controls, const FeatureLevels& levels,
                                  SystemSettingsBlock& edited) {
    const SystemControls defaults = DefaultControls(levels);
    const auto entry = [&](QString SystemControls::*edit) {
        return WholeNumber(controls.*edit).value_or(WholeNumber(defaults.*edit).value_or(0));
    };
    SystemImageBuilt built;

    edited.SetGateMode(controls.rbSignalSimul ? 0 : 1);
    edited.SetFanOnDelay(AtLeastOne(ToWord(entry(&SystemControls::eOnDelay) * 10)));
    // The minutes the up-down offers, and no more than the field holds in the unit's steps:
    // what is written is what the control shows after a reload.
    const int64_t offDelayLimit = std::min<int64_t>(
        kDelayRange.maximum, std::numeric_limits<uint16_t>::max() / OffDelayUnit(levels));
    const int64_t offMinutes =
        std::clamp<int64_t>(entry(&SystemControls::eOffDelay), 0, offDelayLimit);
    const uint16_t offDelay = AtLeastOne(ToWord(offMinutes * OffDelayUnit(levels)));
    edited.SetFanOffDelay(offDelay);
    built.lAtLeastOneGateVisible = offDelay > 10;
    edited.SetButtonCancel(ToWord(entry(&SystemControls::eButtonCancel) * 10));
    edited.SetMBA(ToByte(entry(&SystemControls::eMBA)));
    edited.SetMinCurrent(
        ToBounded(SystemBound::MinCurrent,
                  RoundRatio(entry(&SystemControls::eMinCurrent) * 100, kCurrentStep)));
    edited.SetMaxCurrent(
        ToBounded(SystemBound::MaxCurrent,
                  RoundRatio(entry(&SystemControls::eMaxCurrent) * 100, kCurrentStep)));
    edited.SetReverseDelay(
        ToBounded(SystemBound::ReverseDelay, entry(&SystemControls::eReverseDelay) / 10));
    edited.SetStopOnCurrDecay(controls.cbStopOnCurrDecay ? 1 : 0);
    edited.SetOpRangeMin(ToByte(StoredPercent(entry(&SystemControls::eOpRangeMin))));
    edited.SetOpRangeMax(ToByte(StoredPercent(entry(&SystemControls::eOpRangeMax))));
    edited.SetOpenAtStop(controls.cbOpenAtStop ? 1 : 0);
    edited.SetOpenAtError(controls.cbOpenAtError ? 1 : 0);
    edited.SetRunAtError(controls.cbRunAtError ? 1 : 0);
    edited.SetCleanFlags(static_cast<uint8_t>(
        (controls.cbCleanEnabled ? SystemSettingsBlock::kCleanRegular : 0) |
        (controls.cbCleaningBeforeStop ? SystemSettingsBlock::kCleanAtStop : 0)));

    int64_t howOften = Bounded(SystemBound::CleanHowOften,
                               static_cast<int>(entry(&SystemControls::eCleanHowOften)));
    if (!levels.Has(Feature::CleanHowOftenInMinutes))
        howOften = RoundRatio(howOften, 5);
    edited.SetCleanHowOften(static_cast<uint8_t>(howOften));
    edited.SetCleanHowLong(
        ToBounded(SystemBound::CleanHowLong, entry(&SystemControls::eCleanHowLong)));
    edited.SetInstallationMode(controls.InstallationMode);
    edited.SetInactiveAfterStart(ToByte(entry(&SystemControls::eInactiveAfterStart)));
    edited.SetCleanAtStopHowLong(
        ToBounded(SystemBound::CleanAtStopHowLong, entry(&SystemControls::eCleanAtStopHowLong)));
    edited.SetCleanAtStopRunMin(
        ToBounded(SystemBound::CleanAtStopRunMin, entry(&SystemControls::eCleanAtStopRunMin)));

    const uint8_t percent = ToBounded(SystemBound::SmartMinAirflowPercent,
                                      entry(&SystemControls::eSmartMinAiflowPercent));
    edited.SetSmartMinAirflow(controls.cbSmartMinimumAiflowEnabled, percent);
    if (controls.cbSmartMinimumAiflowEnabled)
        built.minAirflowPercent = percent;

    edited.SetKeepLastUsedOpen(
        levels.Has(Feature::KeepLastUsedOpen) && controls.cbKeepLastUsedOpen ? 1 : 0);
    edited.SetPressureFromVFD(
        levels.Has(Feature::PressureFromVFDWritten) && controls.cbPressureFromVFD ? 1 : 0);
    return built;
}

SystemSettingsShown ShowSystemSettings(const SystemSettingsBlock& image,
                                       const FeatureLevels& levels, SystemControls& controls) {
    SystemSettingsShown shown;

    controls.eOnDelay = Number(image.FanOnDelay() / 10);
    const int offDelay =
        Position(kDelayRange, static_cast<int>(image.FanOffDelay() / OffDelayUnit(levels)));
    controls.eOffDelay = Number(offDelay);
    shown.lAtLeastOneGateVisible = offDelay > 0;
    controls.eOpRangeMin = Number(Position(kOpRangeMinRange, Percent(image.OpRangeMin(), 255)));
    controls.eOpRangeMax = Number(Position(kOpRangeMaxRange, Percent(image.OpRangeMax(), 255)));

    controls.cbOpenAtStop = image.OpenAtStop() != 0;
    controls.cbOpenAtError = image.OpenAtError() != 0;
    controls.cbRunAtError = image.RunAtError() != 0;
    controls.rbSignalSimul = image.GateMode() == 0;

    controls.eButtonCancel = Number(image.ButtonCancel() / 10);
    controls.eMinCurrent = Number(RoundRatio(image.MinCurrent() * kCurrentStep, 100));
    controls.eMaxCurrent = Number(RoundRatio(image.MaxCurrent() * kCurrentStep, 100));
    controls.eReverseDelay = Number(image.ReverseDelay() * 10);
    controls.cbStopOnCurrDecay = image.StopOnCurrDecay() != 0;
    controls.eMBA = Number(image.MBA());

    controls.cbCleanEnabled = (image.CleanFlags() & SystemSettingsBlock::kCleanRegular) != 0;
    controls.cbCleaningBeforeStop = (image.CleanFlags() & SystemSettingsBlock::kCleanAtStop) != 0;
    controls.eCleanHowOften =
        Number(levels.Has(Feature::CleanHowOftenInMinutes) ? image.CleanHowOften()
                                                           : image.CleanHowOften() * 5);
    controls.eCleanHowLong = Number(image.CleanHowLong());

    // A mode no radio button stands for checks none of them, so the checked one stays.
    if (image.InstallationMode() < kInstallationModes)
        controls.InstallationMode = image.InstallationMode();
    controls.eInactiveAfterStart = Number(image.InactiveAfterStart());
    controls.eCleanAtStopHowLong = Number(image.CleanAtStopHowLong());
    controls.eCleanAtStopRunMin = Number(image.CleanAtStopRunMin());

    const bool smart = image.SmartMinAirflowEnabled();
    const uint8_t percent = image.SmartMinAirflowPercent();
    controls.cbSmartMinimumAiflowEnabled = smart;
    controls.eSmartMinAiflowPercent = Number(percent);
    shown.lSmartMinimumAirflowEnabledVisible = smart && percent != 0;
    shown.minAirflowPercent = MinAirflowPercentShown(image);

    if (levels.Has(Feature::KeepLastUsedOpen))
        controls.cbKeepLastUsedOpen = image.KeepLastUsedOpen() == 1;
    shown.pVFD_StatusVisible =
        levels.Has(Feature::DriveStatusPanel) && image.InstallationMode() == kInstallationDrive;
    // The box is visible only on later firmware, but from the level on which it is written it
    // carries the image's value: a hidden box left unchecked would overwrite the controller's 1.
    if (levels.Has(Feature::PressureFromVFDWritten))
        controls.cbPressureFromVFD = image.PressureFromVFD() == 1;
    return shown;
}

std::optional<int> MinAirflowPercentShown(const SystemSettingsBlock& image) {
    if (!image.SmartMinAirflowEnabled())
        return std::nullopt;
    return Bounded(SystemBound::SmartMinAirflowPercent, image.SmartMinAirflowPercent());
}

int MinAirVolume(int percent, int totalAirVolume) {
    return static_cast<int>(RoundRatio(int64_t{percent} * totalAirVolume, 100));
}
