#include "sim/live_plant.h"

#include <algorithm>
#include <bit>

namespace vt12sim {

namespace {

constexpr uint16_t kKeepLastUsedNotice = 0x0001;
constexpr uint16_t kOpenAtStopNotice = 0x0002;
constexpr uint16_t kOpenAtSecurityNotice = 0x0004;
// How quickly the duct vacuum follows the fan.
constexpr int kVacuumLagMs = 800;

int areaOf(uint16_t gates, const GateSetup& setup) {
    int area = 0;
    for (int gate = 0; gate < 12; ++gate) {
        if (gates & (1u << gate)) {
            area += setup.area[gate];
        }
    }
    return area;
}

uint16_t inputFlags(const PlantInputs& inputs) {
    uint16_t flags = inputs.securityInOrder ? kSecurityInputInOrder : 0;
    if (inputs.bypass) {
        // A bypass that cannot act while the security input is out of order blinks.
        flags |= inputs.securityInOrder ? kBypassInputOn : kBypassInputOn | kBypassBlinking;
    }
    return flags;
}

} // namespace

GateArrivals LivePlant::advance(int ms, const PlantInputs& inputs, const PlantSetup& setup) {
    GateArrivals arrivals;
    arrivals.master = master_.gates.advance(ms, setup.master.inUse);
    arrivals.slave = slave_.gates.advance(ms, setup.slave.inUse);
    master_.stations.advance(ms, inputs.masterSensors, setup.master);
    slave_.stations.advance(ms, inputs.slaveSensors, setup.slave);
    if (!testMode_) {
        const SystemSetup& system = setup.system;
        const bool alarm = !inputs.securityInOrder;
        const bool working =
            master_.stations.active() != 0 || (setup.slaveLinked && slave_.stations.active() != 0);
        cleaning_.advance(ms, working, fan_.output() > 0, system);
        const bool wanted = working || cleaning_.isRunning() || (inputs.bypass && !alarm) ||
                            (alarm && system.runAtError);
        fan_.advance(ms, wanted, alarm && !system.runAtError, fanTarget(setup), system);
        decideGates(inputs, setup);
    }
    followFan(master_, ms);
    followFan(slave_, ms);
    return arrivals;
}

void LivePlant::decideGates(const PlantInputs& inputs, const PlantSetup& setup) {
    const SystemSetup& system = setup.system;
    const bool alarm = !inputs.securityInOrder;
    const bool stopped = !fan_.isCommanded();
    const bool allOpen = cleaning_.isRunning() || (inputs.bypass && !alarm) ||
                         (alarm && system.openAtError) || (stopped && system.openAtStop);
    const bool working =
        master_.stations.active() != 0 || (setup.slaveLinked && slave_.stations.active() != 0);
    const bool keepLast = system.keepLastUsedOpen && !working;
    uint16_t keptOpen = 0;
    for (const Unit unit : {Unit::Master, Unit::Slave}) {
        UnitPart& each = part(unit);
        const GateSetup& gates = unit == Unit::Master ? setup.master : setup.slave;
        each.minAirflowHeld = fan_.isCommanded() ? heldForAirflow(each, gates, system) : 0;
        uint16_t open = each.stations.active() | each.minAirflowHeld;
        if (allOpen) {
            open |= gates.inUse;
        }
        if (keepLast) {
            open |= each.stations.lastUsed();
            keptOpen |= each.stations.lastUsed() & gates.inUse;
        }
        each.gates.request(open);
        each.gates.advance(0, gates.inUse);
    }
    notices_ = 0;
    if (keptOpen != 0) {
        notices_ |= kKeepLastUsedNotice;
    }
    if (stopped && system.openAtStop) {
        notices_ |= kOpenAtStopNotice;
    }
    if (alarm && system.openAtError) {
        notices_ |= kOpenAtSecurityNotice;
    }
}

uint16_t LivePlant::heldForAirflow(const UnitPart& unit, const GateSetup& gates,
                                   const SystemSetup& system) const {
    const uint16_t active = unit.stations.active();
    if (!system.smartMinAirflow) {
        return gates.minAirflow & gates.inUse & ~active;
    }
    // Enough further gates, in their order, to let through the set share of all gates' area.
    const int wanted = areaOf(gates.inUse, gates) * system.minAirflowPercent;
    int open = areaOf(active, gates) * 100;
    uint16_t held = 0;
    for (int gate = 0; gate < 12 && open < wanted; ++gate) {
        const auto bit = static_cast<uint16_t>(1u << gate);
        if ((gates.inUse & ~active & bit) != 0 && gates.area[gate] > 0) {
            held |= bit;
            open += gates.area[gate] * 100;
        }
    }
    return held;
}

uint8_t LivePlant::fanTarget(const PlantSetup& setup) const {
    int total = areaOf(setup.master.inUse, setup.master);
    int open = areaOf(master_.gates.requested() & setup.master.inUse, setup.master);
    if (setup.slaveLinked) {
        total += areaOf(setup.slave.inUse, setup.slave);
        open += areaOf(slave_.gates.requested() & setup.slave.inUse, setup.slave);
    }
    const int low = setup.system.opRangeMin;
    const int high = setup.system.opRangeMax;
    const int level = total > 0 ? low + (high - low) * open / total : high;
    return static_cast<uint8_t>(std::clamp(level, 1, 255));
}

void LivePlant::followFan(UnitPart& unit, int ms) const {
    // Each open gate lets in air, so the vacuum falls a little with each.
    const int pull = fanOutput() * 540 / 255 - 12 * std::popcount(unit.gates.openGates());
    const int target = kIdleInput + std::max(0, pull);
    const int gap = target - unit.inputValue;
    int step = ms >= kVacuumLagMs ? gap : gap * ms / kVacuumLagMs;
    if (step == 0 && gap != 0 && ms > 0) {
        step = gap > 0 ? 1 : -1;
    }
    unit.inputValue = static_cast<uint16_t>(unit.inputValue + step);
}

void LivePlant::testCommand(uint16_t masterGates, uint16_t slaveGates, uint8_t fan,
                            const PlantSetup& setup) {
    testMode_ = true;
    testFan_ = fan;
    fan_.stop();
    cleaning_.stop();
    notices_ = 0;
    master_.minAirflowHeld = 0;
    slave_.minAirflowHeld = 0;
    master_.gates.request(masterGates);
    master_.gates.advance(0, setup.master.inUse);
    if (setup.slaveLinked) {
        slave_.gates.request(slaveGates);
        slave_.gates.advance(0, setup.slave.inUse);
    }
}

void LivePlant::leaveTestMode() {
    testMode_ = false;
    testFan_ = 0;
}

void LivePlant::restart() {
    leaveTestMode();
    fan_.stop();
    cleaning_.stop();
    notices_ = 0;
    for (UnitPart* each : {&master_, &slave_}) {
        each->stations.clear();
        each->gates.request(0);
        each->minAirflowHeld = 0;
    }
}

UnitStatus LivePlant::status(Unit unit, const PlantInputs& inputs, const PlantSetup& setup) const {
    const UnitPart& each = part(unit);
    const SystemSetup& system = setup.system;
    UnitStatus status;
    status.sensorInputs = each.stations.sensors();
    status.activeSensors = static_cast<uint16_t>(each.stations.active() | inputFlags(inputs));
    status.openingGates = each.gates.openingGates();
    status.closingGates = each.gates.closingGates();
    status.openGates = each.gates.openGates();
    status.oddDriverCurrent = each.gates.oddDriverCurrent();
    status.evenDriverCurrent = each.gates.evenDriverCurrent();
    status.fanOutput = fanOutput();
    status.inputValue = each.inputValue;
    if (system.reportsMinAirflowGates) {
        status.minAirflowGates = each.minAirflowHeld;
    }
    if (unit == Unit::Slave) {
        return status;
    }
    status.onDelayLeft = fan_.onDelayLeft();
    status.offDelayLeft = fan_.offDelayLeft(system);
    status.cleaningTime = cleaning_.cleaningTime(system);
    status.cleaningState = cleaning_.state(system);
    status.noticeFlags = notices_;
    return status;
}

} // namespace vt12sim
