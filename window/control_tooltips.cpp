#include "window/control_tooltips.h"

#include <QWidget>

namespace {
struct ControlTip {
    const char* name;
    const char* tip;
};

// "Writes to the controller" is said wherever a click does, and nowhere else.
constexpr ControlTip kTips[] = {
    // Header
    {"bTrafficMonitor", "Shows the requests and answers on the serial line as they pass"},
    // STATUS && TEST
    {"bTrends", "Opens the trends: fan, currents and vacuum over time"},
    {"bTestOn", "Test mode: the controller follows the buttons below instead of its sensors"},
    {"bTestOff", "Ends test mode: the controller follows its sensors again"},
    {"bOpenAll", "Test mode: opens every gate in use (writes to the controller)"},
    {"bCloseAll", "Test mode: closes every gate (writes to the controller)"},
    {"bFanRun", "Test mode: runs the fan at the power set on the right (writes to the "
                "controller). Open gates first!"},
    {"bFanStop", "Test mode: stops the fan (writes to the controller)"},
    {"tbPower", "Fan power in test mode, 0 to 100 % in steps of 2 %"},
    {"eFanPwr", "Fan power in test mode, 0 to 100 %; a larger number is sent as 100 %"},
    {"udFanPwr", "Fan power in test mode, 0 to 100 %, one percent a step"},
    {"lMoreAboutVFD", "Opens or closes the drive's figures"},
    {"lVfdMaxFrequency", "Click: the drive's raw registers, control and status word"},
    // SETUP
    {"bReload", "Reads all settings from the controller again; unsaved changes are lost (F5)"},
    {"bDefault", "Fills in the most commonly used values; nothing is written until Save to "
                 "Vantor"},
    {"bSave", "Writes the changed settings to the controller and reads them back to verify"},
    {"bLoadFromFile", "Loads settings from a .vt12 file into the screens (Ctrl+O); nothing is "
                      "written until Save to Vantor"},
    {"bSaveToFile", "Saves the settings shown to a .vt12 file (Ctrl+S)"},
    {"bPageUp", "Scrolls the gate table to the first workstation"},
    {"bPageDn", "Scrolls the gate table to the last workstation"},
    {"cbAdvancedSettings", "Shows the Main, Advanced and Pressure settings below"},
    {"bShowChanges", "Lists each setting that differs from what the controller holds"},
    {"gData", "Per-gate settings: type to edit a cell, Space toggles a check box; delays in "
              "seconds, currents in mA, diameters as the column says"},
    {"cbSmartMinimumAiflowEnabled", "The controller chooses the gates held open for the "
                                    "minimum airflow"},
    {"eSmartMinAiflowPercent", "Minimum airflow, 0 to 100 % of the total air volume"},
    {"eOnDelay", "Fan On Delay, whole seconds (0 is stored as 0.1 s)"},
    {"eOffDelay", "Fan Off Delay, whole minutes"},
    {"udDelay", "Fan Off Delay, whole minutes, one minute a step"},
    {"eOpRangeMin", "Lowest fan power of the operating range, 0 to 100 %"},
    {"eOpRangeMax", "Highest fan power of the operating range, 0 to 100 %"},
    {"udOpRangeMin", "Lowest fan power of the operating range, 0 to 100 %"},
    {"udOpRangeMax", "Highest fan power of the operating range, 0 to 100 %"},
    {"bSave2", "Writes the changed settings to the controller and reads them back to verify"},
    {"BitBtn1", "Reads all settings from the controller again; unsaved changes are lost"},
    // Additional Settings: Main
    {"cbCleanEnabled", "Runs a cleaning at regular intervals"},
    {"eMBA", "System settings byte 6, stored as it is, 0 to 255"},
    {"eCleanHowOften", "Interval between regular cleanings, 2 to 99 minutes"},
    {"eCleanHowLong", "Length of a regular cleaning, 1 to 60 minutes"},
    {"cbCleaningBeforeStop", "Runs a cleaning when the system stops"},
    {"eCleanAtStopHowLong", "Length of the cleaning at stop, 1 to 20 minutes"},
    {"eCleanAtStopRunMin", "No cleaning at stop after a run shorter than this, 2 to 60 minutes"},
    {"cbOpenAtStop", "Opens the gates when the fan stops"},
    {"cbOpenAtError", "Opens the gates while the security input is not in order"},
    {"cbRunAtError", "Runs the fan while the security input is not in order"},
    {"cbKeepLastUsedOpen", "Keeps the last used gates open when all machines stop"},
    // Additional Settings: Advanced
    {"rbOpenRequest", "A gate's push button opens and closes its gate"},
    {"rbSignalSimul", "A gate's push button acts as its machine's sensor"},
    {"eButtonCancel", "A button request ends after this time, 30 to 6000 seconds"},
    {"eMinCurrent", "Minimum gate motor current, 50 to 500 mA"},
    {"eMaxCurrent", "Maximum gate motor current, 200 to 2100 mA"},
    {"eReverseDelay", "Pause before a gate motor reverses, 100 to 2000 ms"},
    {"cbStopOnCurrDecay", "Stops a gate motor when its current decays"},
    {"eInactiveAfterStart", "The controller stays inactive this long after power-up, 0 to 255 "
                            "seconds"},
    {"eIniAirVelocity", "Air velocity for the air volume column, 2000 to 6000 FPM; not stored "
                        "in the controller"},
    // Additional Settings: Pressure
    {"eCurrInpCaption", "Caption of the master's pressure reading, up to 16 characters"},
    {"eCurrInpRng", "Full range of the master's pressure sensor in its units (0 or empty: 20)"},
    {"eCurrInpWarning", "Master pressure shown as a warning from this value, in the sensor's "
                        "units"},
    {"eCurrInpUnits", "Units of the master's pressure reading, up to 8 characters"},
    {"eCurrInpError", "Master pressure counted as an error from this value, in the sensor's "
                      "units"},
    {"eCurrInpStopAtError", "Stops the fan at the error pressure"},
    {"eCurrInpCaptionS", "Caption of the slave's pressure reading, up to 16 characters"},
    {"eCurrInpRngS", "Full range of the slave's pressure sensor in its units"},
    {"eCurrInpWarningS", "Slave pressure shown as a warning from this value, in the sensor's "
                         "units"},
    {"eCurrInpUnitsS", "Units of the slave's pressure reading, up to 8 characters"},
    {"cbPressureFromVFD", "Takes the pressure from the Torvex drive instead of the sensor input"},
    // SERVICE
    {"bRefreshCounters", "Reads the counters of the unit(s) again"},
    {"bExportCounters", "Saves the counters to a CSV file"},
    {"bServiceReport", "Saves a PDF report: identity, settings, counters and the pages"},
    {"bResetUnit", "Restarts the controller unit(s) (writes to the controller)"},
    {"eFirmwareFile", "Path of the firmware file (.vtfw) to upload"},
    {"bFirmwareFileOpen", "Chooses the firmware file (.vtfw)"},
    {"bUploadFirmware", "Writes the firmware file to the controller; the settings are kept in "
                        "a backup file first"},
    {"bRestoreBackup", "Loads the settings kept before the last firmware update into the "
                       "screens; nothing is written until Save to Vantor"},
    // RS485, MASTER/SLAVE MODE
    {"rbSlaveOnPort0", "Single unit, or the SLAVE unit of a pair; saved with Save to Vantor"},
    {"rbSlaveOnPort1", "A slave unit on the RS-232 port; saved with Save to Vantor"},
    {"rbSlaveOnPort2", "The MASTER of a MASTER/SLAVE pair: 24 gates; saved with Save to Vantor"},
    {"rbVFD_OnPort2", "A unit driving a Torvex drive over Modbus; saved with Save to Vantor"},
    // HELP
    {"bLegendMinAirflow", "What the minimum airflow colours mean"},
};
} // namespace

void SetControlToolTips(QWidget* window) {
    for (const ControlTip& entry : kTips) {
        // A hint the control was built with stays.
        auto* control = window->findChild<QWidget*>(QLatin1String(entry.name));
        if (control && control->toolTip().isEmpty())
            control->setToolTip(QString::fromUtf8(entry.tip));
    }
}
