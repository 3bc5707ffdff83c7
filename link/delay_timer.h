#pragma once
// The one delay of the link: a failed open waits before the next port, a restart command
// before the next turn.

class DelayTimer {
public:
    virtual ~DelayTimer() = default;
    virtual void Start(int intervalMs) = 0;
    virtual void Stop() = 0;
};
