#include "session/setup_form.h"

#include <QLocale>
#include <span>

namespace {

// The bytes one control stands for: a byte range, or some bits of one byte.
template <typename Controls> struct ControlBytes {
    QString Controls::*text = nullptr;
    bool Controls::*flag = nullptr;
    uint8_t Controls::*choice = nullptr;
    int offset = 0;
    int length = 1;
    uint8_t mask = 0xFF;
};

using SystemBytes = ControlBytes<SystemControls>;
using C = SystemControls;

const SystemBytes kSystemBytes[] = {
    {&C::eOnDelay, nullptr, nullptr, 0, 2},
    {&C::eOffDelay, nullptr, nullptr, 2, 2},
    {&C::eButtonCancel, nullptr, nullptr, 4, 2},
    {&C::eMBA, nullptr, nullptr, 6},
    {nullptr, &C::cbOpenAtStop, nullptr, 7},
    {nullptr, &C::cbOpenAtError, nullptr, 8},
    {nullptr, &C::cbRunAtError, nullptr, 9},
    {nullptr, &C::rbSignalSimul, nullptr, 10},
    {&C::eMinCurrent, nullptr, nullptr, 11},
    {&C::eMaxCurrent, nullptr, nullptr, 12},
    {&C::eOpRangeMin, nullptr, nullptr, 13},
    {&C::eOpRangeMax, nullptr, nullptr, 14},
    {&C::eReverseDelay, nullptr, nullptr, 15},
    {nullptr, &C::cbStopOnCurrDecay, nullptr, 16},
    {nullptr, &C::cbCleanEnabled, nullptr, 17, 1, SystemSettingsBlock::kCleanRegular},
    {nullptr, &C::cbCleaningBeforeStop, nullptr, 17, 1, SystemSettingsBlock::kCleanAtStop},
    {&C::eCleanHowLong, nullptr, nullptr, 18},
    {&C::eCleanHowOften, nullptr, nullptr, 19},
    {nullptr, nullptr, &C::InstallationMode, 20},
    {&C::eInactiveAfterStart, nullptr, nullptr, 21},
    {&C::eCleanAtStopRunMin, nullptr, nullptr, 22},
    {&C::eCleanAtStopHowLong, nullptr, nullptr, 23},
    {nullptr, &C::cbSmartMinimumAiflowEnabled, nullptr, 24, 1, 0x80},
    {&C::eSmartMinAiflowPercent, nullptr, nullptr, 24, 1, 0x7F},
    {nullptr, &C::cbKeepLastUsedOpen, nullptr, 25},
    {nullptr, &C::cbPressureFromVFD, nullptr, 26},
};

using VacuumBytes = ControlBytes<VacuumControls>;
using V = VacuumControls;

const VacuumBytes kVacuumBytes[] = {
    {&V::eCurrInpCaption, nullptr, nullptr, 0, 16},
    {&V::eCurrInpRng, nullptr, nullptr, 16, 8},
    // The error level is kept in input counts of the range: a new range keeps the level shown.
    {&V::eCurrInpRng, nullptr, nullptr, 80, 2},
    {&V::eCurrInpWarning, nullptr, nullptr, 24, 8},
    {&V::eCurrInpUnits, nullptr, nullptr, 32, 8},
    {&V::eCurrInpCaptionS, nullptr, nullptr, 40, 16},
    {&V::eCurrInpRngS, nullptr, nullptr, 56, 8},
    {&V::eCurrInpWarningS, nullptr, nullptr, 64, 8},
    {&V::eCurrInpUnitsS, nullptr, nullptr, 72, 8},
    {&V::eCurrInpError, nullptr, nullptr, 80, 2},
    {nullptr, &V::eCurrInpStopAtError, nullptr, 82, 2},
};

// Two entries mean the same when they read as the same text or the same number: "03" is what
// "3" shows, and "20,0" what "20" shows.
bool SameEntry(const QString& a, const QString& b) {
    const QString x = a.trimmed();
    const QString y = b.trimmed();
    if (x == y)
        return true;
    bool xNumber = false;
    bool yNumber = false;
    const double xValue = QLocale::c().toDouble(QString(x).replace(u',', u'.'), &xNumber);
    const double yValue = QLocale::c().toDouble(QString(y).replace(u',', u'.'), &yNumber);
    return xNumber && yNumber && xValue == yValue;
}

template <typename Controls>
bool Same(const ControlBytes<Controls>& control, const Controls& a, const Controls& b) {
    if (control.text)
        return SameEntry(a.*control.text, b.*control.text);
    if (control.flag)
        return a.*control.flag == b.*control.flag;
    return a.*control.choice == b.*control.choice;
}

template <typename Controls>
void CopyBytes(const ControlBytes<Controls>& control, std::span<const uint8_t> from,
               std::span<uint8_t> to) {
    for (int i = control.offset; i < control.offset + control.length; ++i) {
        const auto at = static_cast<size_t>(i);
        to[at] = static_cast<uint8_t>((to[at] & ~control.mask) | (from[at] & control.mask));
    }
}

// The controls' own rule, control by control: those unmoved since last seen, or meaning what the
// edited bytes show, are left; one meaning what the read bytes show takes them; any other is
// built from its value.
template <typename Controls, typename Block, size_t N>
void EditBytes(const ControlBytes<Controls> (&table)[N], const Controls& seen,
               const Controls& typed, const Controls& editedShows, const Controls& readShows,
               const Block& built, const Block& read, Block& edited) {
    for (const ControlBytes<Controls>& control : table) {
        if (Same(control, typed, seen) || Same(control, typed, editedShows))
            continue;
        const Block& source = Same(control, typed, readShows) ? read : built;
        CopyBytes(control, source.Bytes, edited.Bytes);
    }
}

} // namespace

SystemSettingsShown SetupForm::ShowSystem() {
    return ::ShowSystemSettings(images_.SystemSettings.Edited, features_, system_);
}

VacuumPanelTexts SetupForm::ShowVacuum() {
    return ::ShowVacuumSettings(images_.VacuumSettings.Edited, features_, vacuum_);
}

SystemImageBuilt SetupForm::EditSystem(const SystemControls& controls) {
    SystemSettingsBlock& edited = images_.SystemSettings.Edited;
    const SystemSettingsBlock& read = images_.SystemSettings.Read;
    SystemSettingsBlock built = edited;
    ::BuildSystemImage(controls, features_, built);
    SystemControls editedShows = system_;
    ::ShowSystemSettings(edited, features_, editedShows);
    SystemControls readShows = system_;
    ::ShowSystemSettings(read, features_, readShows);
    EditBytes(kSystemBytes, system_, controls, editedShows, readShows, built, read, edited);
    system_ = controls;

    SystemImageBuilt result;
    result.lAtLeastOneGateVisible = edited.FanOffDelay() > 10;
    result.minAirflowPercent = MinAirflowPercentShown(edited);
    return result;
}

void SetupForm::EditVacuum(const VacuumControls& controls) {
    VacuumSettingsBlock& edited = images_.VacuumSettings.Edited;
    const VacuumSettingsBlock& read = images_.VacuumSettings.Read;
    const VacuumSettingsBlock built = ::BuildVacuumImage(controls, features_);
    VacuumControls editedShows = vacuum_;
    ::ShowVacuumSettings(edited, features_, editedShows);
    VacuumControls readShows = vacuum_;
    ::ShowVacuumSettings(read, features_, readShows);
    EditBytes(kVacuumBytes, vacuum_, controls, editedShows, readShows, built, read, edited);
    vacuum_ = controls;
}
