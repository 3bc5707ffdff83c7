#include "monitor/status_model.h"

#include "core/conversions.h"
#include "monitor/cleaning_display.h"
#include "monitor/fan_delay.h"

#include <bit>

namespace {
constexpr int kVacuumHardware = 4;
const QString kNoFigure = QStringLiteral("--");

bool Bit(uint16_t mask, int gate) {
    return ((mask >> gate) & 1u) != 0;
}
} // namespace

StatusDisplay StatusModel::ShowStatus(const GateMasks& masks, uint16_t manualMinAirflowMask,
                                      int installationMode) {
    const StatusBlock& status = images_.Status;
    const SystemSettingsBlock& system = images_.SystemSettings.Edited;
    StatusDisplay shown;
    shown.notice = notice_.Show(status.NoticeFlags());
    const QString prefix =
        installationMode == kInstallationMasterSlave ? QStringLiteral("M") : QString();
    shown.unit = ShowUnit(
        master_, {status, images_.GateSettings.Edited, masks, manualMinAirflowMask, prefix});
    shown.activeSensorCount = master_.activeSensors + slave_.activeSensors;
    shown.activeSensors = QString::number(shown.activeSensorCount);

    const uint16_t inputs = status.InputFlags();
    shown.bypassBlinks = (inputs & StatusBlock::kBypassBlink) != 0;
    shown.bypassLamp = (inputs & StatusBlock::kBypassInput) != 0 ? Lamp::Red : Lamp::Off;
    shown.securityInOrder = (inputs & StatusBlock::kSecurityInOrder) != 0;

    shown.fanPosition = status.FanOutput();
    shown.fanPercentage = Percent(status.FanOutput(), 255);
    shown.fanPercent = QString::number(shown.fanPercentage) + u'%';
    shown.dustLamp = status.FanOutput() != 0 ? Lamp::Green : Lamp::Off;

    shown.fanDelay = FanDelay({status.OnDelayLeft(), status.OffDelayLeft(), system.FanOnDelay(),
                               system.FanOffDelay(), features_.Has(Feature::FanOffDelayInSeconds)});
    shown.cleaning = Cleaning(status.CleaningState(), status.CleaningTime(), status.FanOutput());
    shown.showVacuumReading =
        features_.HardwareVersion(status.HardwareVersion()) >= kVacuumHardware;
    return shown;
}

StatusDisplay StatusModel::ShowNoData() {
    master_ = UnitState{};
    slave_ = UnitState{};
    notice_ = NoticeLine{};
    return NoDataStatus();
}

StatusDisplay StatusModel::NoDataStatus() {
    StatusDisplay shown;
    shown.live = false;
    shown.unit = NoDataUnit();
    shown.activeSensors = kNoFigure;
    shown.fanPercent = kNoFigure;
    return shown;
}

UnitStatus StatusModel::NoDataUnit() {
    UnitStatus shown;
    shown.live = false;
    for (DriverDisplay* driver : {&shown.odd, &shown.even}) {
        driver->live = false;
        driver->milliamps = kNoFigure;
    }
    shown.odd.gateCaption = QStringLiteral("Odd");
    shown.even.gateCaption = QStringLiteral("Even");
    shown.openGates = kNoFigure;
    return shown;
}

UnitStatus StatusModel::ShowSlaveStatus(const GateMasks& masks, uint16_t manualMinAirflowMask) {
    return ShowUnit(slave_, {images_.SlaveStatus, images_.SlaveGateSettings.Edited, masks,
                             manualMinAirflowMask, QStringLiteral("S")});
}

UnitStatus StatusModel::ShowUnit(UnitState& unit, const UnitSource& source) {
    const StatusBlock& status = source.status;
    const uint16_t active = status.ActiveSensors();
    const uint16_t heldOpen = source.masks.open & ~active & ~source.masks.closing;
    const bool controllerSet = features_.Has(Feature::ControllerMinAirflowGates);
    const uint16_t minAirflow = heldOpen & (controllerSet ? status.ControllerMinAirflowGates()
                                                          : source.manualMinAirflowMask);
    const bool smart = images_.SystemSettings.Edited.SmartMinAirflowEnabled();

    UnitStatus shown;
    for (int i = 0; i < kGatesPerUnit; ++i) {
        GateFrameStatus& gate = shown.gates[static_cast<size_t>(i)];
        if (controllerSet)
            gate.minAirflowMark =
                smart ? Bit(status.ControllerMinAirflowGates(), i)
                      : source.settings.Gates[static_cast<size_t>(i)].MinAirflow() != 0;
        if (Bit(active, i))
            gate.signal = SignalColor::Active;
        else if (Bit(minAirflow, i))
            gate.signal = SignalColor::MinAirflow;
        gate.delay = Bit(status.SensorInputs(), i);
        gate.manual = Bit(status.ManualRequests(), i);
    }
    unit.activeSensors = std::popcount(active);

    const uint16_t driven = source.masks.opening | source.masks.closing;
    shown.odd = unit.odd.Show(driven, status.OddDriverCurrent(), source.numberPrefix);
    shown.even = unit.even.Show(driven, status.EvenDriverCurrent(), source.numberPrefix);
    ShowGateStates(unit, source, shown);
    return shown;
}

void StatusModel::ShowGateStates(UnitState& unit, const UnitSource& source, UnitStatus& shown) {
    unit.openGates = 0;
    for (int i = 0; i < kGatesPerUnit; ++i) {
        if (source.settings.Gates[static_cast<size_t>(i)].Enabled() == 0)
            continue;
        GatePicture picture = GatePicture::Closed;
        if (Bit(source.masks.opening, i)) {
            picture = GatePicture::Opening;
        } else if (Bit(source.masks.closing, i)) {
            picture = GatePicture::Closing;
        } else if (Bit(source.masks.open, i)) {
            picture = GatePicture::Open;
            ++unit.openGates;
        }
        shown.gates[static_cast<size_t>(i)].picture = picture;
    }
    shown.openGateCount = master_.openGates + slave_.openGates;
    shown.openGates = QString::number(shown.openGateCount);
}
