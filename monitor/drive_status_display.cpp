#include "monitor/drive_status_display.h"

namespace {

constexpr uint16_t kDriveLinkWorks = 1u << 0;
constexpr uint16_t kDriveRunning = 1u << 1;
constexpr uint16_t kDriveError = 1u << 2;
constexpr uint16_t kRunProblem = 1u << 3;
// A frequency register of 20000 stands for MaxFrequency.
constexpr uint64_t kFullFrequency = 20000;
constexpr int kRegisters = 16;

// num / den rounded to nearest, ties to even.
uint64_t RoundedQuotient(uint64_t num, uint64_t den) {
    const uint64_t quotient = num / den;
    const uint64_t twiceRest = 2 * (num % den);
    if (twiceRest > den || (twiceRest == den && quotient % 2 == 1))
        return quotient + 1;
    return quotient;
}

// A count of tenths with the format "0.0".
QString Tenths(uint64_t tenths) {
    return QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
}

// The frequency in tenths of a hertz of a register scaled to 20000 = MaxFrequency.
QString Frequency(uint16_t scaled, uint16_t maxFrequency) {
    return Tenths(RoundedQuotient(uint64_t{scaled} * maxFrequency, kFullFrequency));
}

void ShowStatusLamp(uint16_t flags, DriveStatusDisplay& display) {
    if (!(flags & kDriveLinkWorks)) {
        display.lamp = kPanelYellow;
        display.text = QStringLiteral("Comm. Error");
    } else if (flags & kDriveRunning) {
        display.lamp = kPanelBrightGreen;
        display.text = QStringLiteral("RUNNING");
    } else if (flags & kDriveError) {
        display.lamp = kPanelRed;
        display.text = QStringLiteral("VFD ERROR");
    } else if (flags & kRunProblem) {
        display.lamp = kPanelRed;
        display.text = QStringLiteral("RUN PROBLEM");
    } else {
        display.lamp = kPanelAqua;
        display.text = QStringLiteral("STOP");
    }
}

void ShowInputs(uint16_t inputs, DriveStatusDisplay& display) {
    const auto lit = [inputs](int letter, PanelColour on, PanelColour off) {
        return (inputs & (1u << letter)) ? on : off;
    };
    display.letters[LetterManual] = lit(LetterManual, kPanelRed, kPanelGrey);
    for (const int letter : {LetterAuto, LetterOk1, LetterOk2})
        display.letters[letter] = lit(letter, kPanelGreen, kPanelGrey);
    for (const int letter : {LetterSecurity, LetterEnable})
        display.letters[letter] = lit(letter, kPanelGreen, kPanelRed);
}

void ShowFigures(const DriveStatusBlock& drive, DriveStatusDisplay& display) {
    display.frequency = Frequency(drive.OutputFrequency(), drive.MaxFrequency());
    display.power = Tenths(drive.OutputPower());
    display.bubble = {
        Frequency(drive.FrequencyReference(), drive.MaxFrequency()) + QStringLiteral(" Hz "),
        Tenths(drive.OutputCurrent()) + QStringLiteral(" A "),
        Tenths(uint64_t{drive.OutputVoltage()} * 10) + QStringLiteral(" V "),
        QString::number(drive.FanPressure()) + u' ',
        QString::number(drive.FilterPressure()) + u' ',
        Tenths(drive.MaxFrequency()) + QStringLiteral(" Hz "),
    };
}

void ShowUnknownFigures(DriveStatusDisplay& display) {
    const QString unknown = QStringLiteral("???");
    display.letters.fill(kPanelGrey);
    display.frequency = display.power = unknown;
    display.bubble = {unknown, unknown, unknown, unknown, unknown, unknown};
}

QString RawRegisters(const DriveStatusBlock& drive) {
    QString raw;
    for (int k = 0; k < kRegisters; ++k)
        raw += QStringLiteral("%1 ").arg(drive.Register(k), 4, 16, QChar(u'0')).toUpper();
    return raw;
}

} // namespace

DriveStatusDisplay ShowDriveStatus(const DriveStatusBlock& drive) {
    DriveStatusDisplay display;
    ShowStatusLamp(drive.DriveFlags(), display);
    if (drive.DriveFlags() & kDriveLinkWorks) {
        ShowInputs(drive.DriveInputs(), display);
        ShowFigures(drive, display);
    } else {
        ShowUnknownFigures(display);
    }
    display.raw = RawRegisters(drive);
    display.controlWord = drive.ControlWord();
    display.statusWord = drive.StatusWord();
    return display;
}

DriveStatusDisplay NoDriveData() {
    DriveStatusDisplay display;
    const QString none = QStringLiteral("--");
    display.lamp = kPanelSilver;
    display.text = QStringLiteral("no data");
    display.letters.fill(kPanelGrey);
    display.frequency = display.power = none;
    display.bubble = {none, none, none, none, none, none};
    return display;
}
