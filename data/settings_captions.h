#pragma once
// The captions of the settings controls: the pages label their controls with them, and the
// settings in words name each field by them.

namespace Caption {

// SETUP, right column.
inline constexpr char SmartMinAirflow[] = " SMART MINIMAL AIRFLOW ";
inline constexpr char SmartMinimumAiflowEnabled[] = "Smart Minimum Airflow Enabled";
inline constexpr char SmartMinAiflowPercent[] = "Minimum Airflow [%]";
inline constexpr char OnDelay[] = "Fan On Delay [sec.]";
inline constexpr char OffDelay[] = "Fan Off Delay [min.]";
inline constexpr char OpRange[] = "Operating Range";
inline constexpr char OpRangeMin[] = "Min. %";
inline constexpr char OpRangeMax[] = "Max. %";

// Additional Settings, Main.
inline constexpr char RegularCleaning[] = "REGULAR CLEANING";
inline constexpr char CleanEnabled[] = "Regular Cleaning Enabled";
inline constexpr char CleanHowOften[] = "How Often [min.]";
inline constexpr char CleanHowLong[] = "How Long [min.]";
inline constexpr char CleaningAtStop[] = "CLEANING WHEN SYSTEM STOPS";
inline constexpr char CleaningBeforeStop[] = "Enabled";
inline constexpr char CleanAtStopHowLong[] = "How Long [min.]";
inline constexpr char CleanAtStopRunMin[] = "Do Not Start Cleaning if System Runs Under [min.]";
inline constexpr char Safety[] = "SAFETY SETTINGS";
inline constexpr char OpenAtStop[] = "Open Gates at Fan Stop";
inline constexpr char OpenAtError[] = "Security Input - Open Gates";
inline constexpr char RunAtError[] = "Security Input - Run Fan";
inline constexpr char KeepLastUsedOpen[] = "Keep Last Used Gates Open";

// Additional Settings, Advanced.
inline constexpr char ButtonFunction[] = "BUTTON FUNCTION";
inline constexpr char OpenRequest[] = "Open / Close Gate Mode";
inline constexpr char SignalSimul[] = "Simulate Sensor";
inline constexpr char ButtonCancel[] = "Cancel After [30..6000 sec.]";
inline constexpr char GateFunction[] = "GATE FUNCTION";
inline constexpr char MinCurrent[] = "Min. Current [50..500 mA]";
inline constexpr char MaxCurrent[] = "Max. Current [200..2100 mA]";
inline constexpr char ReverseDelay[] = "Reverse Delay [100..2000 ms]";
inline constexpr char StopOnCurrDecay[] = "Stop At Current Decay";
inline constexpr char ActiveAfterStart[] = "Inactivity After Power Up";
inline constexpr char InactiveAfterStart[] = "Vantor is inactive for [sec.]";

// Additional Settings, Pressure.
inline constexpr char SensorCaption[] = "Caption";
inline constexpr char SensorRange[] = "Sensor Range";
inline constexpr char SensorWarning[] = "Warning at";
inline constexpr char SensorUnits[] = "Sensor Units";
inline constexpr char MasterSensor[] = "Master";
inline constexpr char SlaveSensor[] = "Slave";
inline constexpr char SensorError[] = "Error at";
inline constexpr char StopAtError[] = "Stop at Error";
inline constexpr char PressureFromVFD[] = "Pressure from VFD";

// RS485, MASTER/SLAVE MODE: the page and its choices, by installation mode.
inline constexpr char MasterSlavePage[] = "RS485, MASTER/SLAVE MODE";
inline constexpr const char* InstallationModes[] = {
    "SLAVE Vantor in MASTER/SLAVE Installation", "Slave Connected to RS-232 Port",
    "MASTER Vantor in the MASTER/SLAVE Installation", "Vantor 12 connected to Torvex via Modbus"};

} // namespace Caption
