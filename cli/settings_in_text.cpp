#include "cli/settings_in_text.h"

#include "core/path_calls.h"
#include "data/factory_defaults.h"
#include "data/identification.h"
#include "data/installation_mode.h"
#include "data/settings_file.h"

#include <QFile>

namespace {
int wordsMode(const SettingsFileInWords& a, const SettingsFileInWords& b) {
    return a.installationMode == kInstallationMasterSlave ? a.installationMode : b.installationMode;
}
} // namespace

SettingsFileInWords ReadSettingsFileInWords(const QString& path) {
    SettingsFileInWords file;
    QFile input;
    if (const QString error = OpenExact(input, path, QIODevice::ReadOnly); !error.isEmpty()) {
        file.error = error;
        return file;
    }
    const QByteArray bytes = input.read(kSettingsFileSize + 1);
    if (bytes.size() != kSettingsFileSize) {
        file.error = QStringLiteral("not a settings file: %1 bytes, %2 expected")
                         .arg(input.size())
                         .arg(kSettingsFileSize);
        return file;
    }
    file.images = std::make_unique<ControllerImages>();
    ApplyFactoryDefaults(*file.images);
    const SettingsFileLoaded loaded = TakeSettingsFile(bytes, *file.images);
    if (!loaded.ok) {
        file.error = loaded.error;
        return file;
    }
    if (loaded.mFwData)
        file.features.SetMasterCode(FirmwareCodeOf(*loaded.mFwData));
    file.installationMode = file.images->SystemSettings.Edited.InstallationMode();
    return file;
}

QString SettingsText(const SettingsFileInWords& file) {
    QString text;
    QString block;
    for (const SettingInWords& setting :
         SettingsInWords(*file.images, ImageSide::Edited, file.features, file.installationMode)) {
        if (setting.block != block) {
            block = setting.block;
            text += block + u'\n';
        }
        text += QStringLiteral("  ") + setting.field + QStringLiteral(": ") + setting.value + u'\n';
    }
    return text;
}

QList<SettingChange> FileDifferences(const SettingsFileInWords& a, const SettingsFileInWords& b) {
    const int mode = wordsMode(a, b);
    return CompareSettings(SettingsInWords(*a.images, ImageSide::Edited, a.features, mode),
                           SettingsInWords(*b.images, ImageSide::Edited, b.features, mode));
}

QString ChangesText(const QList<SettingChange>& changes) {
    if (changes.isEmpty())
        return QStringLiteral("No setting differs.\n");
    QString text;
    QString block;
    for (const SettingChange& change : changes) {
        if (change.block != block) {
            block = change.block;
            text += QStringLiteral("Changed: ") + block + u'\n';
        }
        text += QStringLiteral("  ") + ChangeLine(change) + u'\n';
    }
    return text;
}
