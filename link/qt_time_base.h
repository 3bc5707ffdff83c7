#pragma once
// Time from the Qt event loop: timers fire as events of the thread that made them.

#include "link/time_base.h"

#include <QElapsedTimer>

class QtTimeBase : public TimeBase {
public:
    QtTimeBase();
    uint32_t TickMs() const override;
    std::unique_ptr<PlatformTimer> CreateTimer() override;

private:
    QElapsedTimer started_;
};
