#pragma once
// The notice line under the gate frames: which safety function holds gates open.

#include "monitor/status_display.h"

#include <cstdint>

class NoticeLine {
public:
    // The lowest of bits 0..2 chooses the text; other bits show the line with the text it had.
    NoticeDisplay Show(uint16_t noticeFlags);

private:
    uint16_t shown_ = 0;
};
