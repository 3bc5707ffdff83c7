#pragma once
// A line without a controller that is not quiet either: a stream of random bytes, or an
// adapter that echoes whatever is sent.

#include <QObject>
#include <QTimer>
#include <random>

namespace vt12sim {

class LinePort;

enum class LineNoiseKind { None, Random, Echo };

class LineNoise : public QObject {
    Q_OBJECT

public:
    LineNoise(LinePort& port, LineNoiseKind kind, uint32_t seed, QObject* parent = nullptr);

private:
    void sendRandomBytes();

    LinePort& port_;
    std::mt19937 random_;
    QTimer timer_;
};

} // namespace vt12sim
