#pragma once
// The vacuum figures of the pressure panels: the sensor input of each unit in counts, scaled
// with the range and warning entries of the Pressure tab.

#include "monitor/panel_colour.h"

#include <QString>
#include <cstdint>
#include <optional>

struct VacuumFigure {
    QString text;           // lCurrentInputValue, lCurrentInputValueS
    PanelColour colour;     // their text
    PanelColour background; // pCurrInpValueBg, pCurrInpValueBgS
    // In the sensor's units; none where the text shows no value.
    std::optional<double> value;
};

struct VacuumReadingInputs {
    bool linkUp = false;
    int installationMode = 0;
    uint16_t masterValue = 0;
    uint16_t slaveValue = 0;
    // The entries as typed: eCurrInpRng, eCurrInpWarning and the slave's.
    QString masterRange;
    QString masterWarning;
    QString slaveRange;
    QString slaveWarning;
    // Of the edited vacuum settings, in counts; known only to firmware that has it.
    uint16_t errorLevel = 0;
    bool errorLevelKnown = true;
};

struct VacuumReading {
    VacuumFigure master;
    // Only in the MASTER installation.
    std::optional<VacuumFigure> slave;
    bool errorIconVisible = false; // imPressureError
};

// A range entry of 0 or below gives no scale: the figure shows "--" as without a reading.
// Firmware without an error level (stored as 0) shows no error icon, not one for every reading.
VacuumReading ShowVacuumReading(const VacuumReadingInputs& inputs);
