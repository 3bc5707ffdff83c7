#include "session/guarded_time_base.h"

#include "core/uncaught_error.h"

namespace {
class GuardedTimer : public PlatformTimer {
public:
    explicit GuardedTimer(std::unique_ptr<PlatformTimer> timer) : timer_(std::move(timer)) {
        timer_->Expired = [this] {
            if (Expired)
                RunGuarded(Expired);
        };
    }
    void Start(int intervalMs) override { timer_->Start(intervalMs); }
    void Stop() override { timer_->Stop(); }

private:
    std::unique_ptr<PlatformTimer> timer_;
};
} // namespace

std::unique_ptr<PlatformTimer> GuardedTimeBase::CreateTimer() {
    return std::make_unique<GuardedTimer>(time_.CreateTimer());
}
