#pragma once
// The live status of both units turned into what the STATUS && TEST page shows, one poll at a
// time. Holds what outlives a poll: the driver samples, the counts of each unit and the notice
// shown.

#include "data/controller_images.h"
#include "data/feature_levels.h"
#include "data/slave_link.h"
#include "monitor/driver_current.h"
#include "monitor/notice_line.h"
#include "monitor/status_display.h"

class StatusModel {
public:
    StatusModel(const ControllerImages& images, const FeatureLevels& features)
        : images_(images), features_(features) {}

    // masks: the unit's gate masks as the poll took them (a lost slave keeps its last ones).
    // manualMinAirflowMask: the unit's gates whose MinAirflow setting the gate table showed.
    StatusDisplay ShowStatus(const GateMasks& masks, uint16_t manualMinAirflowMask,
                             int installationMode);
    UnitStatus ShowSlaveStatus(const GateMasks& masks, uint16_t manualMinAirflowMask);

    // No status to show: the link is down, or back and not yet polled. What was kept of earlier
    // polls is forgotten, so that the next status is shown as the first one.
    StatusDisplay ShowNoData();
    static StatusDisplay NoDataStatus();
    static UnitStatus NoDataUnit();

    // Leaving the MASTER installation: the slave no longer adds to the figures.
    void ResetSlaveCounts() { slave_.activeSensors = slave_.openGates = 0; }

private:
    struct UnitState {
        DriverCurrent odd{Driver::Odd};
        DriverCurrent even{Driver::Even};
        int activeSensors = 0;
        int openGates = 0;
    };
    struct UnitSource {
        const StatusBlock& status;
        const GateSettingsBlock& settings;
        const GateMasks& masks;
        uint16_t manualMinAirflowMask;
        QString numberPrefix;
    };

    UnitStatus ShowUnit(UnitState& unit, const UnitSource& source);
    void ShowGateStates(UnitState& unit, const UnitSource& source, UnitStatus& shown);

    const ControllerImages& images_;
    const FeatureLevels& features_;
    NoticeLine notice_;
    UnitState master_;
    UnitState slave_;
};
