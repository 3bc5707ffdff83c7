#pragma once
// What the vacuum figures are computed from: the Pressure tab's entries as typed, the rest as
// the session holds it. The pressure panels and the trends take the same figures.

#include "monitor/vacuum_reading.h"

class ControllerSession;
struct MainWindowUi;

VacuumReadingInputs VacuumInputsOf(const MainWindowUi& ui, const ControllerSession& session);
