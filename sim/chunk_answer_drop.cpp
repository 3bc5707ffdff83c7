#include "sim/chunk_answer_drop.h"

#include "sim/register_bytes.h"

namespace vt12sim {

namespace {
constexpr uint8_t kFirmwareChunk = 110;
}

bool ChunkAnswerDrop::drops(QByteArrayView request) {
    if (left_ <= 0 || request.size() < 4 || static_cast<uint8_t>(request[1]) != kFirmwareChunk ||
        getWord(request, 2) != address_) {
        return false;
    }
    --left_;
    return true;
}

} // namespace vt12sim
