#include "data/settings_plausibility.h"

#include "data/exact_rounding.h"
#include "data/installation_mode.h"
#include "data/settings_captions.h"
#include "data/system_limits.h"
#include "data/system_settings_controls.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace {

constexpr int64_t kWordMax = std::numeric_limits<uint16_t>::max();

class Bounder {
public:
    Bounder(QStringList& named, QString block) : named_(named), block_(std::move(block)) {}

    // The value bounded to [low, high]; a value outside is named.
    int64_t operator()(const QString& field, int64_t value, int64_t low, int64_t high) const {
        const int64_t bounded = std::clamp(value, low, high);
        if (bounded != value)
            named_ << QStringLiteral("%1: %2: %3 \u2192 %4")
                          .arg(block_, field)
                          .arg(value)
                          .arg(bounded);
        return bounded;
    }

private:
    QStringList& named_;
    QString block_;
};

QString Words(const char* caption) {
    return QString::fromLatin1(caption);
}

uint8_t AsByte(int64_t value) {
    return static_cast<uint8_t>(value);
}
uint16_t AsWord(int64_t value) {
    return static_cast<uint16_t>(value);
}

int64_t FanOffDelayUnit(const FeatureLevels& levels) {
    return levels.Has(Feature::FanOffDelayInSeconds) ? 60 : 600;
}

void BoundSystem(SystemSettingsBlock& s, const FeatureLevels& levels, const Bounder& bound) {
    const auto flag = [&](const char* caption, uint8_t value) {
        return AsByte(bound(Words(caption), value, 0, 1));
    };
    s.SetFanOnDelay(AsWord(bound(Words(Caption::OnDelay), s.FanOnDelay(), 1, kWordMax)));
    // Where the unit's firmware is not known yet, the units of either level may be meant.
    const bool known = levels.MasterCode().First() == u'F';
    const int64_t offDelayMax =
        known ? std::min(kWordMax, kDelayRange.maximum * FanOffDelayUnit(levels)) : kWordMax;
    s.SetFanOffDelay(AsWord(bound(Words(Caption::OffDelay), s.FanOffDelay(), 1, offDelayMax)));
    s.SetOpenAtStop(flag(Caption::OpenAtStop, s.OpenAtStop()));
    s.SetOpenAtError(flag(Caption::OpenAtError, s.OpenAtError()));
    s.SetRunAtError(flag(Caption::RunAtError, s.RunAtError()));
    s.SetGateMode(flag(Caption::ButtonFunction, s.GateMode()));
    const auto limited = [&](const char* caption, SystemBound field, uint8_t value) {
        return AsByte(bound(Words(caption), value, Bounded(field, 0), Bounded(field, 255)));
    };
    s.SetMinCurrent(limited(Caption::MinCurrent, SystemBound::MinCurrent, s.MinCurrent()));
    s.SetMaxCurrent(limited(Caption::MaxCurrent, SystemBound::MaxCurrent, s.MaxCurrent()));
    s.SetReverseDelay(limited(Caption::ReverseDelay, SystemBound::ReverseDelay, s.ReverseDelay()));
    s.SetStopOnCurrDecay(flag(Caption::StopOnCurrDecay, s.StopOnCurrDecay()));
    s.SetCleanFlags(
        AsByte(bound(QStringLiteral("Cleaning"), s.CleanFlags(), 0,
                     SystemSettingsBlock::kCleanRegular | SystemSettingsBlock::kCleanAtStop)));
    s.SetCleanHowLong(limited(Caption::CleanHowLong, SystemBound::CleanHowLong, s.CleanHowLong()));
    const bool inMinutes = levels.Has(Feature::CleanHowOftenInMinutes);
    const int64_t oftenLow = inMinutes && known
                                 ? Bounded(SystemBound::CleanHowOften, 0)
                                 : RoundRatio(Bounded(SystemBound::CleanHowOften, 0), 5);
    const int64_t oftenHigh = inMinutes || !known
                                  ? Bounded(SystemBound::CleanHowOften, 255)
                                  : RoundRatio(Bounded(SystemBound::CleanHowOften, 255), 5);
    s.SetCleanHowOften(
        AsByte(bound(Words(Caption::CleanHowOften), s.CleanHowOften(), oftenLow, oftenHigh)));
    s.SetInstallationMode(AsByte(
        bound(Words(Caption::MasterSlavePage), s.InstallationMode(), 0, kInstallationDrive)));
    s.SetCleanAtStopRunMin(
        limited(Caption::CleanAtStopRunMin, SystemBound::CleanAtStopRunMin, s.CleanAtStopRunMin()));
    s.SetCleanAtStopHowLong(limited(Caption::CleanAtStopHowLong, SystemBound::CleanAtStopHowLong,
                                    s.CleanAtStopHowLong()));
    s.SetSmartMinAirflow(
        s.SmartMinAirflowEnabled(),
        AsByte(bound(Words(Caption::SmartMinAiflowPercent), s.SmartMinAirflowPercent(), 0, 100)));
    s.SetKeepLastUsedOpen(flag(Caption::KeepLastUsedOpen, s.KeepLastUsedOpen()));
    s.SetPressureFromVFD(flag(Caption::PressureFromVFD, s.PressureFromVFD()));
}

// Delays as the gate table takes them: 0.1 s at least, 500 s at most in hundredths, 3600 s in
// tenths. A record of zeros is one no unit filled.
void BoundGates(GateSettingsBlock& block, std::optional<bool> offInTenths, const QString& prefix,
                const Bounder& bound) {
    for (size_t i = 0; i < block.Gates.size(); ++i) {
        GateRecord& gate = block.Gates[i];
        if (std::ranges::all_of(gate.Bytes, [](uint8_t byte) { return byte == 0; }))
            continue;
        const QString name = QStringLiteral("Gate %1%2 ").arg(prefix).arg(i + 1);
        gate.SetMinAirflow(
            AsByte(bound(name + QStringLiteral("Min. Airflow"), gate.MinAirflow(), 0, 1)));
        gate.SetOnDelay(
            AsWord(bound(name + QStringLiteral("Delay ON"), gate.OnDelay(), 10, 50000)));
        gate.SetOffDelay(AsWord(bound(name + QStringLiteral("Delay OFF"), gate.OffDelay(),
                                      offInTenths.value_or(true) ? 1 : 10,
                                      offInTenths.value_or(false) ? 36000 : 50000)));
    }
}

// A time of 0 stays 0: no unit filled it.
uint16_t Scaled(uint16_t value, int64_t numerator, int64_t denominator) {
    if (value == 0)
        return 0;
    return AsWord(std::clamp<int64_t>(RoundRatio(value * numerator, denominator), 1, kWordMax));
}

void ConvertOffDelays(GateSettingsBlock& block, bool fromTenths, bool toTenths) {
    if (fromTenths == toTenths)
        return;
    for (GateRecord& gate : block.Gates)
        gate.SetOffDelay(toTenths ? Scaled(gate.OffDelay(), 1, 10)
                                  : Scaled(gate.OffDelay(), 10, 1));
}

} // namespace

QStringList BoundImplausibleSettings(ControllerImages& images, const FeatureLevels& levels) {
    QStringList named;
    BoundSystem(images.SystemSettings.Edited, levels,
                Bounder(named, QStringLiteral("system settings")));
    const bool slavePair =
        images.SystemSettings.Edited.InstallationMode() == kInstallationMasterSlave;
    const auto inTenths = [&](const FirmwareCode& code, Feature feature) {
        return code.First() == u'F' ? std::optional(levels.Has(feature)) : std::nullopt;
    };
    BoundGates(images.GateSettings.Edited, inTenths(levels.MasterCode(), Feature::OffDelayInTenths),
               slavePair ? QStringLiteral("M") : QString(),
               Bounder(named, QStringLiteral("gate settings")));
    // The slave's part counts only where the file is a MASTER's.
    if (slavePair)
        BoundGates(images.SlaveGateSettings.Edited,
                   inTenths(levels.SlaveCode(), Feature::SlaveOffDelayInTenths),
                   QStringLiteral("S"), Bounder(named, QStringLiteral("slave gate settings")));
    return named;
}

void ConvertFirmwareUnits(ControllerImages& images, const FeatureLevels& from,
                          const FeatureLevels& to) {
    SystemSettingsBlock& system = images.SystemSettings.Edited;
    const int64_t fromUnit = FanOffDelayUnit(from);
    const int64_t toUnit = FanOffDelayUnit(to);
    if (fromUnit != toUnit)
        system.SetFanOffDelay(
            Scaled(system.FanOffDelay(), toUnit == 60 ? 1 : 10, toUnit == 60 ? 10 : 1));
    const bool fromMinutes = from.Has(Feature::CleanHowOftenInMinutes);
    const bool toMinutes = to.Has(Feature::CleanHowOftenInMinutes);
    if (fromMinutes != toMinutes) {
        const int64_t often = system.CleanHowOften();
        system.SetCleanHowOften(
            AsByte(std::clamp<int64_t>(toMinutes ? often * 5 : RoundRatio(often, 5), 0, 255)));
    }
    ConvertOffDelays(images.GateSettings.Edited, from.Has(Feature::OffDelayInTenths),
                     to.Has(Feature::OffDelayInTenths));
    ConvertOffDelays(images.SlaveGateSettings.Edited, from.Has(Feature::SlaveOffDelayInTenths),
                     to.Has(Feature::SlaveOffDelayInTenths));
}
