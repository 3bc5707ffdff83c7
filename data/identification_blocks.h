#pragma once
// The identification texts the controller answers with.

#include "data/wire_record.h"

// FirmwareInfoBlock, FirmwareInfoBlock2 and BootloaderInfoBlock.
struct InfoTextBlock : WireRecord<248> {
    // BootloaderInfoBlock only: days since 30 December 1899, the time of day as fraction.
    double UpdateTime() const { return Copied<double, 64>(); }
};

// Eight characters, such as "VT12" followed by the slave firmware code.
struct SlaveVersionBlock : WireRecord<8> {};

static_assert(sizeof(InfoTextBlock) == 248 && WireBlock<InfoTextBlock>);
static_assert(sizeof(SlaveVersionBlock) == 8 && WireBlock<SlaveVersionBlock>);
