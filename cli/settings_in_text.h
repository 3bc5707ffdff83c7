#pragma once
// show and diff: settings files in the words of the SETUP page and the Changes window, for the
// office; two files need no controller.

#include "data/controller_images.h"
#include "data/feature_levels.h"
#include "monitor/pending_changes.h"

#include <QString>
#include <memory>

// A settings file taken as the window loads it, over the factory settings, with the firmware
// code its identification text names.
struct SettingsFileInWords {
    QString error; // empty when read
    std::unique_ptr<ControllerImages> images;
    FeatureLevels features;
    int installationMode = 0;
};

SettingsFileInWords ReadSettingsFileInWords(const QString& path);

// "system settings" blocks, each followed by its settings: "  Fan On Delay [sec.]: 3".
QString SettingsText(const SettingsFileInWords& file);

// The edited settings of two files compared, A as the "controller" side of each change; the
// slave's blocks where either file is a MASTER unit.
QList<SettingChange> FileDifferences(const SettingsFileInWords& a, const SettingsFileInWords& b);

// "Changed: system settings" and "  Fan On Delay [sec.]: 3 → 4" lines, block by block, or
// "No setting differs."
QString ChangesText(const QList<SettingChange>& changes);
