#pragma once
// Collects request bytes from the line into complete frames for one slave address.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <cstdint>

namespace vt12sim {

class RtuFramer {
public:
    explicit RtuFramer(uint8_t address) : address_(address) {}

    // Appends received bytes; returns the requests for our address that they complete.
    QList<QByteArray> feed(QByteArrayView bytes);

    // The line has been silent for 3.5 characters: a frame of an unknown function ends here
    // and whatever else is collected is dropped.
    QList<QByteArray> endOfSilence();

    bool isCollecting() const { return !buffer_.isEmpty(); }
    void reset() { buffer_.clear(); }

private:
    QList<QByteArray> takeFrames();
    void keepIfOurs(const QByteArray& frame, QList<QByteArray>& frames) const;

    uint8_t address_;
    QByteArray buffer_;
};

} // namespace vt12sim
