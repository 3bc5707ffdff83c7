#pragma once
// The drive's control word and status word rows of the raw VFD data panel.

#include "widgets/led_bits.h"

enum class TLedBitsInstance { lbCW, lbSW };

// Named, sized and set up as designed; the caller places it in its panel.
TLedBits* CreateLedBits(TLedBitsInstance which, QWidget* parent);
