#include "sim/rtu_framer.h"

#include "sim/modbus_crc.h"

namespace vt12sim {

namespace {

constexpr qsizetype kLengthNotYetKnown = 0;
constexpr qsizetype kUnknownFunction = -1;
// Longest frame of a function we do not know: it ends only with the silence after it.
constexpr qsizetype kLongestUnknownFrame = 256;
constexpr qsizetype kShortestFrame = 4;

// Length of the frame at the start of bytes, CRC included, as its function code tells.
qsizetype frameLength(const QByteArray& bytes) {
    switch (static_cast<uint8_t>(bytes[1])) {
    case 3:
    case 4:
        return 8;
    case 101:
        return 10;
    case 16:
    case 110:
        return bytes.size() > 6 ? 9 + static_cast<uint8_t>(bytes[6]) : kLengthNotYetKnown;
    default:
        return kUnknownFunction;
    }
}

} // namespace

QList<QByteArray> RtuFramer::feed(QByteArrayView bytes) {
    buffer_.append(bytes);
    return takeFrames();
}

QList<QByteArray> RtuFramer::takeFrames() {
    QList<QByteArray> frames;
    while (buffer_.size() >= 2) {
        const qsizetype length = frameLength(buffer_);
        if (length == kUnknownFunction) {
            if (buffer_.size() <= kLongestUnknownFrame) {
                break;
            }
            buffer_.remove(0, 1);
            continue;
        }
        if (length == kLengthNotYetKnown || buffer_.size() < length) {
            break;
        }
        const QByteArray frame = buffer_.left(length);
        if (crcMatches(frame)) {
            buffer_.remove(0, length);
            keepIfOurs(frame, frames);
        } else {
            // Noise before the frame: the next byte may begin the real one.
            buffer_.remove(0, 1);
        }
    }
    return frames;
}

QList<QByteArray> RtuFramer::endOfSilence() {
    QList<QByteArray> frames;
    while (!buffer_.isEmpty()) {
        if (buffer_.size() >= kShortestFrame && frameLength(buffer_) == kUnknownFunction &&
            crcMatches(buffer_)) {
            keepIfOurs(buffer_, frames);
            buffer_.clear();
            break;
        }
        buffer_.remove(0, 1);
        frames += takeFrames();
    }
    buffer_.clear();
    return frames;
}

void RtuFramer::keepIfOurs(const QByteArray& frame, QList<QByteArray>& frames) const {
    if (static_cast<uint8_t>(frame[0]) == address_) {
        frames.append(frame);
    }
}

} // namespace vt12sim
