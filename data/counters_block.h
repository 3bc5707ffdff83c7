#pragma once
// Sixteen unsigned 32-bit counters of one unit: gates 1 to 12, then unit events.

#include "data/wire_record.h"

struct CountersBlock : WireRecord<64> {
    static constexpr int kCount = 16;
    // Counter n, 1-based as on the screen; 0 outside 1..16.
    uint32_t Counter(int n) const { return LongAt(n - 1); }
};
using SlaveCountersBlock = CountersBlock;

static_assert(sizeof(CountersBlock) == 64 && WireBlock<CountersBlock>);
