#pragma once
// Time that moves only when a test says so; due timers fire in order of their due time.

#include "link/time_base.h"

#include <algorithm>
#include <vector>

class FakeTimeBase : public TimeBase {
public:
    class Timer : public PlatformTimer {
    public:
        explicit Timer(FakeTimeBase& owner) : owner_(owner) { owner_.timers_.push_back(this); }
        ~Timer() override { std::erase(owner_.timers_, this); }
        void Start(int intervalMs) override {
            interval_ = intervalMs;
            due_ = owner_.now_ + static_cast<uint32_t>(intervalMs);
            running_ = true;
        }
        void Stop() override { running_ = false; }
        bool Running() const { return running_; }
        int IntervalMs() const { return interval_; }
        uint32_t Due() const { return due_; }

    private:
        friend class FakeTimeBase;
        FakeTimeBase& owner_;
        bool running_ = false;
        int interval_ = 0;
        uint32_t due_ = 0;
    };

    uint32_t TickMs() const override { return now_; }
    std::unique_ptr<PlatformTimer> CreateTimer() override { return std::make_unique<Timer>(*this); }

    // Moves time on by ms, firing every timer that falls due on the way.
    void Advance(uint32_t ms) {
        const uint32_t end = now_ + ms;
        for (;;) {
            Timer* next = nullptr;
            for (Timer* t : timers_)
                if (t->running_ && t->due_ <= end && (!next || t->due_ < next->due_))
                    next = t;
            if (!next)
                break;
            now_ = next->due_;
            next->due_ = now_ + static_cast<uint32_t>(std::max(next->interval_, 1));
            if (next->Expired)
                next->Expired();
        }
        now_ = end;
    }

    const std::vector<Timer*>& Timers() const { return timers_; }

private:
    uint32_t now_ = 0;
    std::vector<Timer*> timers_;
};
