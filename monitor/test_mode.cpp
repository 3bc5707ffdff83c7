#include "monitor/test_mode.h"

#include "core/conversions.h"
#include "data/installation_mode.h"

namespace {

constexpr uint16_t kGateBits = StatusBlock::kGateBits;
// Bits 13-15 always, bit 12 except for the MASTER of a pair.
constexpr uint16_t kSingleUnitMark = 0xF000;
constexpr uint16_t kPairMark = 0xE000;
constexpr int kPowerPanelStartPercentage = 10;
constexpr int kFullFanOutput = 255;

} // namespace

uint16_t GatesInUse(const GateSettingsBlock& edited) {
    uint16_t bits = 0;
    for (int i = 0; i < kGatesPerUnit; ++i)
        if (edited.Gates[i].Enabled() != 0)
            bits |= static_cast<uint16_t>(1u << i);
    return bits;
}

TestModeControls TestModeModel::SetTestMode(bool on, const TestModeContext& context) {
    if (on && !context.linkUp)
        return Controls(context);
    on_ = on;
    powerPanelVisible_ = false;
    if (on) {
        buttons_ = {static_cast<uint16_t>(context.masterGatesOpen & kGateBits),
                    static_cast<uint16_t>(context.slaveGatesOpen & kGateBits)};
        fanRun_ = context.fanOutput != 0;
        power_.SetPercentage(Percent(context.fanOutput, kFullFanOutput));
        powerPanelVisible_ = fanRun_;
    }
    return Controls(context);
}

TestModeControls TestModeModel::LinkDown() {
    on_ = false;
    powerPanelVisible_ = false;
    buttons_ = {};
    return Controls(TestModeContext{});
}

void TestModeModel::SetGateButtonDown(int frame, bool down) {
    if (frame < 0 || frame >= 2 * kGatesPerUnit)
        return;
    uint16_t& bits = frame < kGatesPerUnit ? buttons_.masterDown : buttons_.slaveDown;
    const auto bit = static_cast<uint16_t>(1u << (frame % kGatesPerUnit));
    bits = down ? (bits | bit) : (bits & ~bit);
}

TestGateButtons TestModeModel::OpenCloseAll(bool open, const TestModeContext& context) {
    buttons_.masterDown = open ? (context.masterGatesInUse & kGateBits) : 0;
    if (Pair())
        buttons_.slaveDown = open ? (context.slaveGatesInUse & kGateBits) : 0;
    return buttons_;
}

TestFanControls TestModeModel::FanRunStop(bool run) {
    const bool opens = run && !powerPanelVisible_;
    fanRun_ = run;
    powerPanelVisible_ = run;
    if (opens && power_.Percentage() == 0)
        power_.SetPercentage(kPowerPanelStartPercentage);
    return FanControls();
}

TestFanControls TestModeModel::SetPercentage(int percentage) {
    power_.SetPercentage(percentage);
    return FanControls();
}

TestFanControls TestModeModel::TypePercentage(const QString& text) {
    const bool corrected = power_.TypePercentage(text);
    TestFanControls controls = FanControls();
    controls.entryCorrected = corrected;
    return controls;
}

TestFanControls TestModeModel::SetSliderPosition(int position) {
    power_.SetSliderPosition(position);
    return FanControls();
}

TestFanControls TestModeModel::FanControls() const {
    return {fanRun_, powerPanelVisible_, power_.Percentage(), power_.SliderPosition()};
}

TestCommandWords TestModeModel::TestCommand() const {
    const uint8_t fan = fanRun_ ? power_.PowerByte() : 0;
    // Buttons left down on gates not in use count as well: they are sent as pressed.
    return {static_cast<uint16_t>((Pair() ? kPairMark : kSingleUnitMark) |
                                  (buttons_.masterDown & kGateBits)),
            static_cast<uint16_t>(fan << 8),
            static_cast<uint16_t>(Pair() ? buttons_.slaveDown & kGateBits : 0)};
}

bool TestModeModel::Pair() const {
    return installation_.InstallationMode() == kInstallationMasterSlave;
}

TestModeControls TestModeModel::Controls(const TestModeContext& context) const {
    const bool live = on_ && context.linkUp;
    return {on_,
            live,
            static_cast<uint16_t>(live ? context.masterGatesInUse & kGateBits : 0),
            static_cast<uint16_t>(live ? context.slaveGatesInUse & kGateBits : 0),
            buttons_,
            FanControls()};
}
