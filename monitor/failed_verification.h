#pragma once
// The settings blocks a save wrote and the unit read back otherwise: the SETUP page keeps
// saying so, and what to do, until each of them verifies or is read again.

#include "data/block_table.h"
#include "data/settings_reply.h"

#include <QString>
#include <cstdint>

class FailedVerification {
public:
    // A settings block read: a read-back that differs adds it, any other read removes it.
    // True when the message changes.
    bool Took(BlockId block, SettingsReply outcome);
    bool Any() const { return blocks_ != 0; }
    // Which blocks and what to do; empty while none failed.
    QString Message() const;

private:
    uint32_t blocks_ = 0;
};
