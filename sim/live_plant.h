#pragma once
// What the controller does with its plant: workstations through their delays open their
// gates, the fan follows with its delays, minimum airflow, cleaning, the security and bypass
// inputs, and the test commands that override all of it while test mode lasts.

#include "sim/cleaning_cycle.h"
#include "sim/fan_control.h"
#include "sim/gate_drive.h"
#include "sim/plant_setup.h"
#include "sim/register_content.h"
#include "sim/status_image.h"
#include "sim/workstation_delays.h"

#include <cstdint>

namespace vt12sim {

struct PlantSetup {
    SystemSetup system;
    GateSetup master;
    GateSetup slave;
    // The slave's workstations count for the fan only while the master hears the slave.
    bool slaveLinked = false;
};

struct PlantInputs {
    uint16_t masterSensors = 0;
    uint16_t slaveSensors = 0;
    bool securityInOrder = true;
    bool bypass = false;
};

// Gates that have just arrived open.
struct GateArrivals {
    uint16_t master = 0;
    uint16_t slave = 0;
};

class LivePlant {
public:
    // Delays and travel are exact to within one step; the simulator steps this often.
    static constexpr int kStepMs = 100;
    static constexpr uint16_t kIdleInput = 183;

    GateArrivals advance(int ms, const PlantInputs& inputs, const PlantSetup& setup);

    // Gates and fan as the test command says, until leaveTestMode.
    void testCommand(uint16_t masterGates, uint16_t slaveGates, uint8_t fan,
                     const PlantSetup& setup);
    void leaveTestMode();
    // Everything stops and closes.
    void restart();

    UnitStatus status(Unit unit, const PlantInputs& inputs, const PlantSetup& setup) const;
    uint8_t fanOutput() const { return testMode_ ? testFan_ : fan_.output(); }

private:
    struct UnitPart {
        WorkstationDelays stations;
        GateDrive gates;
        uint16_t minAirflowHeld = 0;
        uint16_t inputValue = kIdleInput;
    };

    UnitPart& part(Unit unit) { return unit == Unit::Master ? master_ : slave_; }
    const UnitPart& part(Unit unit) const { return unit == Unit::Master ? master_ : slave_; }
    void decideGates(const PlantInputs& inputs, const PlantSetup& setup);
    uint16_t heldForAirflow(const UnitPart& unit, const GateSetup& gates,
                            const SystemSetup& system) const;
    uint8_t fanTarget(const PlantSetup& setup) const;
    void followFan(UnitPart& unit, int ms) const;

    UnitPart master_;
    UnitPart slave_;
    FanControl fan_;
    CleaningCycle cleaning_;
    uint16_t notices_ = 0;
    bool testMode_ = false;
    uint8_t testFan_ = 0;
};

} // namespace vt12sim
