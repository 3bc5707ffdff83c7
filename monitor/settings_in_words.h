#pragma once
// Every setting of the settings blocks in words, as the SETUP controls and the gate table show
// it, for the images as read or as edited.

#include "data/controller_images.h"
#include "data/feature_levels.h"

#include <QList>
#include <QString>

struct SettingInWords {
    QString block; // as the save's log names it: "system settings"
    QString field; // by the caption of its control: "Fan On Delay [sec.]"
    QString value; // as the control shows it: "3"
};

enum class ImageSide { Read, Edited };

// Block by block in the order a save writes them; the slave's blocks only in the MASTER
// installation. Fields the unit's firmware does not have are left out.
QList<SettingInWords> SettingsInWords(const ControllerImages& images, ImageSide side,
                                      const FeatureLevels& features, int installationMode);

// "gate settings" and the like, as "Writing gate settings..." names the block; "status",
// "firmware info 2" for the blocks that are only read.
QString BlockInWords(BlockId block);

// A control's caption as text; one that is not unique on its page is named with its group.
QString CaptionWords(const char* caption);
QString CaptionInGroup(const char* group, const char* caption);
