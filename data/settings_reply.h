#pragma once
// A settings block read, and the read-back that verifies a write.

#include "data/controller_images.h"

enum class SettingsReply {
    Stored,   // taken into both images
    Verified, // a verifying read equal to what was written: taken into both images
    Mismatch, // a verifying read that differs: both images stay as they were
};

SettingsReply TakeSettingsReply(ControllerImages& images, BlockId block, const uint8_t* data,
                                int length, bool verifying);
