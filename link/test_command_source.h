#pragma once
// Test mode as the scheduler sees it: whether the command is to be repeated, and its words.

#include <cstdint>

struct TestCommandWords {
    uint16_t gates;      // master unit's gate bits with the installation's mark
    uint16_t fan;        // fan power in the high byte
    uint16_t slaveGates; // slave unit's gate bits, 0 without a pair
};

class TestCommandSource {
public:
    virtual ~TestCommandSource() = default;
    virtual bool TestMode() const = 0;
    virtual TestCommandWords TestCommand() const = 0;
};
