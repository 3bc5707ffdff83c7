#include "sim/line_noise.h"

#include "sim/line_port.h"

namespace vt12sim {

namespace {
// About the line's rate at 19200 baud.
constexpr int kBurstMs = 20;
constexpr int kBurstBytes = 36;
} // namespace

LineNoise::LineNoise(LinePort& port, LineNoiseKind kind, uint32_t seed, QObject* parent)
    : QObject(parent), port_(port), random_(seed) {
    if (kind == LineNoiseKind::Echo) {
        connect(&port_, &LinePort::received, &port_, &LinePort::write);
    } else if (kind == LineNoiseKind::Random) {
        connect(&timer_, &QTimer::timeout, this, &LineNoise::sendRandomBytes);
        timer_.start(kBurstMs);
    }
}

void LineNoise::sendRandomBytes() {
    QByteArray bytes(kBurstBytes, Qt::Uninitialized);
    for (char& byte : bytes) {
        byte = static_cast<char>(random_() & 0xFF);
    }
    port_.write(bytes);
}

} // namespace vt12sim
