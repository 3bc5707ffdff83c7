#pragma once
// What the gate table shows, as plain values: how a delegate paints a cell, and the figures
// around the table that change with its rows.

#include "data/block_table.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

enum GateColumn : int {
    ColNumber,
    ColName,
    ColEnable,
    ColMinAirflow,
    ColDelayOn,
    ColDelayOff,
    ColGate1,
    ColGate2,
    ColGate3,
    ColCompensation,
    ColAirVolume,
    GateColumnCount,
};

// The column captions, also the words that name a gate's settings.
inline constexpr std::array<const char*, GateColumnCount> kGateColumnCaptions{
    "#.",     "Name",   "Enable", "Min. Airflow", "Delay ON",  "Delay OFF",
    "Gate 1", "Gate 2", "Gate 3", "Compens. [%]", "Air Volume"};

enum class CellBackground : uint8_t {
    Table,      // the table's own background
    NotUsed,    // silver (192,192,192)
    Fixed,      // light grey (208,208,208)
    ButtonFace, // the system's button face
    MinAirflow, // light blue (128,176,255)
};

// Drawn 14 pixels right and 3 down from the cell's corner.
enum class CheckBoxPicture : uint8_t {
    None,
    Checked,              // CHECKBOXCHECKED
    NotChecked,           // CHECKBOXNOTCHECK
    NotCheckedSeeThrough, // CHECKBOXNOTCHECK with white transparent
    DisabledChecked,      // CHECKBOX_DIS_CH
};

// As DrawCellText takes it.
enum class CellAlign : uint8_t { Left = 0, Right = 1, Centre = 2 };

inline constexpr auto kNotUsedText = "Not Used";

struct CellLook {
    CellBackground background = CellBackground::Table;
    bool greyText = false; // (128,128,128) while the link is down, else black
    CheckBoxPicture checkBox = CheckBoxPicture::None;
    // kNotUsedText bold grey, centred from the left edge of column 3 to the right edge of
    // column 10 of the row; the cell shows no value.
    bool notUsed = false;
    QString text;
    CellAlign align = CellAlign::Left;
    bool bold = false;
    bool red = false;
};

struct GateTableTotals {
    int totalAirVolume = 0;
    QString totalArea; // lTotalArea
    // lIniOpenArea and lIniOpCfm; left to the percent entry while Smart Minimum Airflow is on.
    std::optional<QString> minAirflowArea;
    std::optional<QString> minAirVolume;
    bool tooBigVisible = false;
    std::optional<QString> tooBigText; // lTooBig keeps its text while hidden
};

struct GateFrameSettings {
    bool active = false;        // SetGateActive
    bool minAirflow = false;    // SetMinAirflowGate
    bool buttonEnabled = false; // SetGateButtonEnabled
};

struct GateSettingsShown {
    std::array<GateFrameSettings, kGatesPerUnit> frames;
    GateTableTotals totals;
};

struct CommitResult {
    GateTableTotals totals;
    // The mA for eMaxCurrent when a diameter needs more current than MaxCurrent gives: the
    // page shows the callout for 5 s and stores the value.
    std::optional<int> correctedMaxCurrent;
};

struct SmartMinAirflowShown {
    bool manualPanelVisible = false; // pManualMinAirflow
    bool percentEntryNormal = false; // else button face background and grey text
    std::optional<GateTableTotals> totals;
};

struct CellPos {
    int row = 0;
    int column = 0;
};
