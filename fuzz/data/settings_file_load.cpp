// Any bytes taken as a settings file: the images take what fits, the memos what is text.

#include "data/settings_file.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ControllerImages images;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const SettingsFileLoaded loaded = TakeSettingsFile(bytes, images);
    if (!loaded.ok) {
        std::abort();
    }
    // What was loaded saves to a file of the fixed size, whatever the memos held.
    const SettingsFileTexts texts{loaded.mFwData.value_or(QString()),
                                  loaded.mCtcs.value_or(QString()),
                                  loaded.mCtcs24.value_or(QString())};
    if (SettingsFileBytes(images, texts).size() != kSettingsFileSize) {
        std::abort();
    }
    return 0;
}
