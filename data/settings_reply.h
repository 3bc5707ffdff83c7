#pragma once
// A settings block read, and the read-back that verifies a write.

#include "data/controller_images.h"

enum class SettingsReply {
    Stored,   // taken into both images
    Verified, // a verifying read equal to what was written: taken into both images
    // A verifying read that differs: the read image takes what the unit holds (what a changes
    // list compares with), the edited image keeps what was written.
    Mismatch,
};

SettingsReply TakeSettingsReply(ControllerImages& images, BlockId block, const uint8_t* data,
                                int length, bool verifying);
