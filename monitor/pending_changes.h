#pragma once
// What a save would change, setting by setting: the controller's value and the edited one in
// the words the screens use.

#include "monitor/settings_in_words.h"

struct SettingChange {
    QString block;
    QString field;
    QString controller; // as read
    QString edited;
};

// The fields whose values differ between two descriptions of the same settings.
QList<SettingChange> CompareSettings(const QList<SettingInWords>& read,
                                     const QList<SettingInWords>& edited);

// The bytes of one field of a settings block (some bits of one byte where a byte holds several),
// named as the screens name it; a field no control shows says so in its name.
struct FieldBytes {
    QString name;
    int offset = 0;
    int length = 1;
    uint8_t mask = 0xFF;
};

// Every byte of the block belongs to one field (to several only through their bits).
QList<FieldBytes> SettingsFields(BlockId block, int installationMode);

// The read images against the edited ones, field by field of the bytes that differ: a save
// writes a block exactly when a line names it, and every byte it changes belongs to a line.
// A field the screens show alike on both sides (rounded) adds the stored numbers.
QList<SettingChange> PendingChanges(const ControllerImages& images, const FeatureLevels& features,
                                    int installationMode);

// "Fan On Delay [sec.]: 3 → 4"
QString ChangeLine(const SettingChange& change);
