#pragma once
// The VFD STATUS panel, its bubble and its raw data, decoded from one DriveStatusBlock.

#include "data/drive_status_block.h"
#include "monitor/panel_colour.h"

#include <QString>
#include <array>

// The bubble's figures; the view takes them only while the bubble is open.
struct DriveBubbleFigures {
    QString frequencyReference; // lVfdFrequencyRef
    QString outputCurrent;      // lVfdOutputCurrent
    QString outputVoltage;      // lVfdOutputVoltage
    QString fanPressure;        // lVfdFanPressureRaw
    QString filterPressure;     // lVfdFilterPressureRaw
    QString maxFrequency;       // lVfdMaxFrequency
};

enum DriveInputLetter {
    LetterManual,
    LetterAuto,
    LetterOk1,
    LetterOk2,
    LetterSecurity,
    LetterEnable
};
inline constexpr int kDriveInputLetters = 6;

struct DriveStatusDisplay {
    PanelColour lamp;  // sVFD_StatusLED
    QString text;      // lVFD_StatusText
    QString frequency; // lVFD_Frequency
    QString power;     // lVfdPower
    // Backgrounds of "M", "A", "1", "2", "S", "E", by DriveInputLetter.
    std::array<PanelColour, kDriveInputLetters> letters{};
    DriveBubbleFigures bubble;
    QString raw;              // lRawVfdData
    uint16_t controlWord = 0; // lbCW
    uint16_t statusWord = 0;  // lbSW
};

// Every block has a display: a drive the controller cannot reach shows "???" in each figure.
DriveStatusDisplay ShowDriveStatus(const DriveStatusBlock& drive);
// No drive status to show: the link is down, or back and not yet polled.
DriveStatusDisplay NoDriveData();
