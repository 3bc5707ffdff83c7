#pragma once
// Time reaches the link through this interface, so tests can drive it step by step.

#include <cstdint>
#include <functional>
#include <memory>

// One platform timer: once started it fires every interval until stopped.
class PlatformTimer {
public:
    virtual ~PlatformTimer() = default;
    virtual void Start(int intervalMs) = 0;
    virtual void Stop() = 0;

    std::function<void()> Expired;
};

class TimeBase {
public:
    virtual ~TimeBase() = default;
    // Millisecond tick; wraps like any 32-bit tick counter.
    virtual uint32_t TickMs() const = 0;
    virtual std::unique_ptr<PlatformTimer> CreateTimer() = 0;
};
