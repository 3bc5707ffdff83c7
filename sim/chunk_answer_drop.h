#pragma once
// The answers to one firmware chunk lost on the line a given number of times, while the unit
// keeps the chunk: the tool has to send the same chunk again.

#include <QByteArrayView>
#include <cstdint>

namespace vt12sim {

class ChunkAnswerDrop {
public:
    ChunkAnswerDrop() = default;
    ChunkAnswerDrop(uint16_t address, int times) : address_(address), left_(times) {}

    // True while answers to function 110 at the address are still to be lost.
    bool drops(QByteArrayView request);

private:
    uint16_t address_ = 0;
    int left_ = 0;
};

} // namespace vt12sim
