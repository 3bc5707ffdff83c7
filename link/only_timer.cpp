#include "link/only_timer.h"

TOnlyTimer::TOnlyTimer(TimeBase& time) : timer_(time.CreateTimer()) {
    timer_->Expired = [this] {
        if (onTimer_)
            onTimer_();
    };
}

TOnlyTimer::~TOnlyTimer() {
    timer_->Stop();
}

void TOnlyTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Restart();
}

void TOnlyTimer::SetInterval(int intervalMs) {
    if (intervalMs == interval_)
        return;
    interval_ = intervalMs;
    Restart();
}

void TOnlyTimer::SetOnTimer(std::function<void()> onTimer) {
    onTimer_ = std::move(onTimer);
    Restart();
}

void TOnlyTimer::Restart() {
    timer_->Stop();
    if (enabled_ && interval_ != 0 && onTimer_)
        timer_->Start(interval_);
}
