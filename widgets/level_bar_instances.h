#pragma once
// The level bars of the STATUS && TEST page: fan output, gate drive currents of both units
// and the fan delay.

#include "widgets/level_bar.h"

enum class TLevelBarInstance { lbFanOut, lbDrvOdd, lbDrvEven, lbDrvOdd24, lbDrvEven24, lbDelay };

// Named, sized and coloured as designed; the caller places it.
TLevelBar* CreateLevelBar(TLevelBarInstance which, QWidget* parent);
