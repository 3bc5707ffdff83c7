#pragma once
// The register data of a read answer, as the decoders take them.

#include <algorithm>
#include <cstdint>

struct RegisterData {
    const uint8_t* data = nullptr;
    int length = 0;
};

// Data start at byte 3 of a function 3 or 4 answer; byte 2 gives their count. The count is not
// checked by the client, so it is held to what the frame can carry before its CRC.
inline RegisterData RegisterDataOfFrame(const uint8_t* frame, int frameLength) {
    constexpr int kHeader = 3;
    constexpr int kCrc = 2;
    if (frame == nullptr || frameLength <= kHeader + kCrc)
        return {};
    return {frame + kHeader, std::min<int>(frame[2], frameLength - kHeader - kCrc)};
}
