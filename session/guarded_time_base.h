#pragma once
// The event loop's time for the program: a timer's event that throws reaches the uncaught
// error handler, and the timer goes on.

#include "link/qt_time_base.h"

class GuardedTimeBase : public TimeBase {
public:
    uint32_t TickMs() const override { return time_.TickMs(); }
    std::unique_ptr<PlatformTimer> CreateTimer() override;

private:
    QtTimeBase time_;
};
