#pragma once
// The gate names of one unit: twelve fields of 20 characters, zero-padded.

#include "data/block_table.h"
#include "data/wire_record.h"

inline constexpr int kGateNameLength = 20;

struct GateName : WireRecord<kGateNameLength> {
    // Without the padding; a 20-character name has no terminating zero.
    QString Name() const { return Text<0, kGateNameLength>(); }
    // Longer names are cut to 20 characters.
    void SetName(const QString& name) { SetText<0, kGateNameLength>(name); }
};

struct GateNamesBlock {
    std::array<GateName, kGatesPerUnit> Names;
};
using SlaveGateNamesBlock = GateNamesBlock;

static_assert(sizeof(GateName) == 20 && WireBlock<GateName>);
static_assert(sizeof(GateNamesBlock) == 240 && WireBlock<GateNamesBlock>);
