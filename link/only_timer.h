#pragma once
// A timer whose event runs in the event loop of the thread that made it. Every property
// change stops it and starts it again when it can run, so disabling and enabling restarts
// the full interval.

#include "link/time_base.h"

#include <functional>
#include <memory>

class TOnlyTimer {
public:
    explicit TOnlyTimer(TimeBase& time);
    ~TOnlyTimer();
    TOnlyTimer(const TOnlyTimer&) = delete;
    TOnlyTimer& operator=(const TOnlyTimer&) = delete;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    int Interval() const { return interval_; }
    void SetInterval(int intervalMs);
    void SetOnTimer(std::function<void()> onTimer);

private:
    void Restart();

    std::unique_ptr<PlatformTimer> timer_;
    bool enabled_ = true;
    int interval_ = 1000;
    std::function<void()> onTimer_;
};
