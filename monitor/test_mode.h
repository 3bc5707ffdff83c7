#pragma once
// Test mode: the technician's requested state of both units' gates and of the fan, which the
// scheduler sends as one test command every few answers while the mode is on.

#include "data/gate_settings_block.h"
#include "data/status_block.h"
#include "link/installation_source.h"
#include "link/test_command_source.h"
#include "monitor/fan_power.h"

#include <cstdint>

// Bit i stands for gate i + 1 of the unit.
uint16_t GatesInUse(const GateSettingsBlock& edited);

// What switching the mode and pressing all gates at once read from the rest of the program.
struct TestModeContext {
    bool linkUp = false;
    // Gates whose Enabled byte in the edited gate settings is not 0.
    uint16_t masterGatesInUse = 0;
    uint16_t slaveGatesInUse = 0;
    // Open or opening, from the last status of each unit.
    uint16_t masterGatesOpen = 0;
    uint16_t slaveGatesOpen = 0;
    uint8_t fanOutput = 0;
};

// The gate frames' toggle buttons, bit i for gate i + 1 of each unit.
struct TestGateButtons {
    uint16_t masterDown = 0;
    uint16_t slaveDown = 0;
};

struct TestFanControls {
    bool run = false; // bFanRun down, else bFanStop down
    bool powerPanelVisible = false;
    int percentage = 0;
    int sliderPosition = FanPower::kMaxSliderPosition;
    // A typed percentage was bounded: eFanPwr shows what is sent, not what was typed.
    bool entryCorrected = false;
};

struct TestModeControls {
    // bTestOn down (else bTestOff), bTestOff enabled, lWarningVacuum shown, pTest tinted.
    bool on = false;
    // bOpenAll, bCloseAll, bFanRun and bFanStop.
    bool commandsEnabled = false;
    uint16_t masterButtonsEnabled = 0;
    uint16_t slaveButtonsEnabled = 0;
    TestGateButtons buttons;
    TestFanControls fan;
};

class TestModeModel : public TestCommandSource {
public:
    explicit TestModeModel(const InstallationSource& installation) : installation_(installation) {}

    bool TestMode() const override { return on_; }
    // Taken when the command is sent: the buttons of both units and the fan power.
    TestCommandWords TestCommand() const override;

    // "Test Mode On" only while the link is up, then again and again: each time the buttons
    // take the gates' present state and the fan its present output.
    TestModeControls SetTestMode(bool on, const TestModeContext& context);
    // Off, and every gate button up.
    TestModeControls LinkDown();

    // A gate frame's button: frames 0..11 the master's gates, 12..23 the slave's.
    void SetGateButtonDown(int frame, bool down);
    // "Open All Gates" presses the buttons of the gates in use and lifts the others; "Close All
    // Gates" lifts all. The slave's only in the MASTER installation.
    TestGateButtons OpenCloseAll(bool open, const TestModeContext& context);
    TestGateButtons GateButtons() const { return buttons_; }

    // "Fan Run" (run) or "Fan Stop": a power panel opened at 0 % starts at 10 %.
    TestFanControls FanRunStop(bool run);
    TestFanControls SetPercentage(int percentage);
    TestFanControls TypePercentage(const QString& text);
    TestFanControls SetSliderPosition(int position);
    TestFanControls FanControls() const;

private:
    TestModeControls Controls(const TestModeContext& context) const;
    bool Pair() const;

    const InstallationSource& installation_;
    bool on_ = false;
    TestGateButtons buttons_;
    bool fanRun_ = true;
    bool powerPanelVisible_ = false;
    FanPower power_;
};
