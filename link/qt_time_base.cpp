#include "link/qt_time_base.h"

#include <QTimer>

namespace {

class QtPlatformTimer : public PlatformTimer {
public:
    QtPlatformTimer() {
        // Coarse timers may be 5 % late; a 500 ms response timeout should not be.
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (Expired)
                Expired();
        });
    }
    void Start(int intervalMs) override { timer_.start(intervalMs); }
    void Stop() override { timer_.stop(); }

private:
    QTimer timer_;
};

} // namespace

QtTimeBase::QtTimeBase() {
    started_.start();
}

uint32_t QtTimeBase::TickMs() const {
    return static_cast<uint32_t>(started_.elapsed());
}

std::unique_ptr<PlatformTimer> QtTimeBase::CreateTimer() {
    return std::make_unique<QtPlatformTimer>();
}
