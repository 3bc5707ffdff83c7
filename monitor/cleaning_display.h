#pragma once
// The cleaning lamp and texts under "CLEANING".

#include "monitor/status_display.h"

#include <cstdint>

// cleaningTime in tenths of a second.
CleaningDisplay Cleaning(uint8_t cleaningState, uint16_t cleaningTime, uint8_t fanOutput);

// "hh:nn:ss" of a time in tenths of a second.
QString CleaningClock(uint16_t tenths);
