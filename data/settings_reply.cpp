#include "data/settings_reply.h"

SettingsReply TakeSettingsReply(ControllerImages& images, BlockId block, const uint8_t* data,
                                int length, bool verifying) {
    if (verifying && !images.EditedEquals(block, data, length)) {
        images.StoreReadBack(block, data, length);
        return SettingsReply::Mismatch;
    }
    images.StoreReply(block, data, length);
    return verifying ? SettingsReply::Verified : SettingsReply::Stored;
}
