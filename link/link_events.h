#pragma once
// What the link reports of the controller's presence.

#include <cstdint>

class LinkEvents {
public:
    virtual ~LinkEvents() = default;
    // After every valid answer, with the answer's address byte.
    virtual void LinkAnswered(uint8_t addressByte) = 0;
    // Each detection step.
    virtual void LinkLost() = 0;
};
