#pragma once
// The settings file: the edited settings images and three memo texts in eight fixed segments,
// 2,600 bytes, no header. Any file is accepted and its bytes taken as images.

#include "data/controller_images.h"

#include <QByteArray>
#include <QString>
#include <optional>

inline constexpr int kSettingsFileSize = 2600;

// The memos carried beside the images, lines separated by "\n" as the memos hold them.
struct SettingsFileTexts {
    QString mFwData;
    QString mCtcs;
    QString mCtcs24;
};

// Which images a file holds: the edited ones ("Save to File"), or those as read from the unit
// (the copy kept before a firmware update).
enum class SettingsSide { Edited, Read };

// The eight segments, always 2,600 bytes: a memo text longer than its segment is cut to it, so
// the later segments stay where a load looks for them.
QByteArray SettingsFileBytes(const ControllerImages& images, const SettingsFileTexts& texts,
                             SettingsSide side = SettingsSide::Edited);

struct SettingsFileSaved {
    bool ok = false;
    QString error; // the platform's message
};

// Written in one piece to a temporary file that replaces the old one only when complete, so a
// failed write leaves the old file as it was; only a regular file is written over.
SettingsFileSaved SaveSettingsFile(const QString& path, const ControllerImages& images,
                                   const SettingsFileTexts& texts,
                                   SettingsSide side = SettingsSide::Edited);

struct SettingsFileLoaded {
    bool ok = false;
    QString error; // the platform's message; no image changed
    // Trimmed; absent where the file ends before the segment, so that memo keeps its text.
    std::optional<QString> mFwData;
    std::optional<QString> mCtcs;
    std::optional<QString> mCtcs24;
    // The loaded installation mode is 2: the slave rows are shown as well.
    bool slaveRowsShown = false;
};

// The file's segments into the edited images of the system, gate and name blocks, as far as the
// file reaches; bytes beyond its end keep their content, as do the vacuum settings and the read
// images. Only the first 2,600 bytes of a longer file are read.
SettingsFileLoaded LoadSettingsFile(const QString& path, ControllerImages& images);

// The bytes of a file, taken as LoadSettingsFile takes them.
SettingsFileLoaded TakeSettingsFile(const QByteArray& bytes, ControllerImages& images);
