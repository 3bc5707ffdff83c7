#pragma once
// What one status poll puts on the STATUS && TEST page, as plain values; the page applies them
// and maps the lamp and signal kinds to its colours.

#include "data/block_table.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

enum class Lamp : uint8_t { Off, Green, Red, Yellow };

// The idle signal of a slave gate is a lighter grey than a master gate's.
enum class SignalColor : uint8_t { Idle, Active, MinAirflow };

// The kinds of TfrGate::SetGatePicture.
enum class GatePicture : uint8_t { Disabled = 0, Opening = 1, Closing = 2, Open = 3, Closed = 4 };

// Applied to a frame in this order: the frame decides its delay strip from the signal colour
// it holds.
struct GateFrameStatus {
    std::optional<bool> minAirflowMark; // only where the controller reports its own set
    SignalColor signal = SignalColor::Idle;
    bool delay = false;
    bool manual = false;
    std::optional<GatePicture> picture; // gates not in use keep theirs
};

struct DriverDisplay {
    bool live = true; // false: no figure to show, the bar and its captions in their no-data look
    int position = 0; // bar 0..127; a larger value fills the bar
    int current = 0;  // mA, as milliamps shows it
    QString milliamps;
    QString gateCaption;
};

// The part of a poll that the master and the slave unit both show.
struct UnitStatus {
    bool live = true; // false: the unit's indicators show no data
    std::array<GateFrameStatus, kGatesPerUnit> gates;
    DriverDisplay odd;
    DriverDisplay even;
    int openGateCount = 0; // master plus slave
    QString openGates;     // lOpnGates
};

struct NoticeDisplay {
    bool visible = false;
    std::optional<QString> text; // only when another notice is chosen
};

struct FanDelayDisplay {
    bool visible = false;
    QString text;
    int maximum = 0;
    int position = 0;
};

struct CleaningDisplay {
    bool regularEnabled = false;    // lCleanLabel
    bool atStopEnabled = false;     // lCASE
    std::optional<bool> atStopBlue; // lCASE text colour: blue, else black
    Lamp lamp = Lamp::Off;          // shCleaning
    bool timeVisible = false;       // lCleanAfter
    std::optional<QString> timeText;
};

struct StatusDisplay {
    // false: no status to show (link down, or back and not yet polled); every indicator in its
    // no-data look, no lamp blinks.
    bool live = true;
    NoticeDisplay notice;
    UnitStatus unit;
    int activeSensorCount = 0;    // master plus slave
    QString activeSensors;        // lActiveSns
    bool bypassBlinks = false;    // tBypassBlinkTimer enabled
    Lamp bypassLamp = Lamp::Off;  // only while it does not blink
    bool securityInOrder = false; // SetSecurityInput
    int fanPosition = 0;
    int fanPercentage = 0;
    QString fanPercent;
    Lamp dustLamp = Lamp::Off; // sDustOn
    FanDelayDisplay fanDelay;
    CleaningDisplay cleaning;
    bool showVacuumReading = false;
};
