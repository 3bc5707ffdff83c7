#pragma once
// The system settings as the SETUP page's controls hold them, and both directions of the mapping
// between those values and the SystemSettingsBlock image. The page only copies the values to and
// from its widgets.

#include "data/feature_levels.h"
#include "data/system_settings_block.h"

#include <QString>
#include <optional>

struct SystemControls {
    // Edits, as typed.
    QString eOnDelay;      // seconds
    QString eOffDelay;     // minutes, the buddy of udDelay
    QString eButtonCancel; // seconds
    QString eMBA;
    QString eMinCurrent; // mA
    QString eMaxCurrent;
    QString eOpRangeMin;    // %, the buddy of udOpRangeMin
    QString eOpRangeMax;    // %, the buddy of udOpRangeMax
    QString eReverseDelay;  // ms
    QString eCleanHowOften; // minutes
    QString eCleanHowLong;
    QString eInactiveAfterStart; // seconds
    QString eCleanAtStopRunMin;  // minutes
    QString eCleanAtStopHowLong;
    QString eSmartMinAiflowPercent;

    bool cbOpenAtStop = false;
    bool cbOpenAtError = false;
    bool cbRunAtError = false;
    bool rbSignalSimul = false; // rbOpenRequest is the other choice
    bool cbStopOnCurrDecay = false;
    bool cbCleanEnabled = false;
    bool cbCleaningBeforeStop = false;
    bool cbSmartMinimumAiflowEnabled = false;
    bool cbKeepLastUsedOpen = false;
    bool cbPressureFromVFD = false;
    // The mode of the checked one of rbSlaveOnPort0, rbSlaveOnPort1, rbSlaveOnPort2, rbVFD_OnPort2.
    uint8_t InstallationMode = 0;
};

// The range of an up-down; the position it is given is bounded to it.
struct UpDownRange {
    int minimum;
    int maximum;
};
inline constexpr UpDownRange kDelayRange{0, 480};       // udDelay
inline constexpr UpDownRange kOpRangeMinRange{25, 99};  // udOpRangeMin
inline constexpr UpDownRange kOpRangeMaxRange{51, 100}; // udOpRangeMax

struct SystemImageBuilt {
    bool lAtLeastOneGateVisible = false;
    // While Smart Minimum Airflow is enabled: the bounded percent, for lIniOpenArea and lIniOpCfm.
    std::optional<int> minAirflowPercent;
};

// Every byte but the reserved byte 27 rebuilt from the controls. Whole numbers that do not parse
// count as the control's factory-default value.
SystemImageBuilt BuildSystemImage(const SystemControls& controls, const FeatureLevels& levels,
                                  SystemSettingsBlock& edited);

struct SystemSettingsShown {
    bool lAtLeastOneGateVisible = false;
    bool lSmartMinimumAirflowEnabledVisible = false;
    std::optional<int> minAirflowPercent; // as from BuildSystemImage
    bool pVFD_StatusVisible = false;
};

// The controls filled from the image. A control that the unit's firmware does not have is left
// as it was.
SystemSettingsShown ShowSystemSettings(const SystemSettingsBlock& image,
                                       const FeatureLevels& levels, SystemControls& controls);

// While Smart Minimum Airflow is enabled in the image: its bounded percent.
std::optional<int> MinAirflowPercentShown(const SystemSettingsBlock& image);

// lIniOpCfm: Round(percent / 100 x the total air volume of the gates in use).
int MinAirVolume(int percent, int totalAirVolume);
