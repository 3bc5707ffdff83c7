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

// The read images against the edited ones. A changed block whose difference lies only in values
// the screens do not show (or show alike) is listed with one line of its own, so the list is
// empty exactly when a save would write nothing.
QList<SettingChange> PendingChanges(const ControllerImages& images, const FeatureLevels& features,
                                    int installationMode);

// "Fan On Delay [sec.]: 3 → 4"
QString ChangeLine(const SettingChange& change);
