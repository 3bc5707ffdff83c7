#include "monitor/pending_changes.h"

#include "data/installation_mode.h"

#include <QHash>
#include <algorithm>

namespace {

QString Key(const SettingInWords& setting) {
    return setting.block + u'\n' + setting.field;
}

constexpr BlockId kSettingsBlocks[] = {BlockId::GateSettings,   BlockId::SlaveGateSettings,
                                       BlockId::GateNames,      BlockId::SlaveGateNames,
                                       BlockId::SystemSettings, BlockId::VacuumSettings};

bool SlaveBlock(BlockId block) {
    return block == BlockId::SlaveGateSettings || block == BlockId::SlaveGateNames;
}

} // namespace

QList<SettingChange> CompareSettings(const QList<SettingInWords>& read,
                                     const QList<SettingInWords>& edited) {
    QHash<QString, QString> readValues;
    for (const SettingInWords& setting : read)
        readValues.insert(Key(setting), setting.value);
    QList<SettingChange> changes;
    for (const SettingInWords& setting : edited) {
        const QString before = readValues.value(Key(setting));
        if (before != setting.value)
            changes.append({setting.block, setting.field, before, setting.value});
    }
    return changes;
}

QList<SettingChange> PendingChanges(const ControllerImages& images, const FeatureLevels& features,
                                    int installationMode) {
    QList<SettingChange> changes =
        CompareSettings(SettingsInWords(images, ImageSide::Read, features, installationMode),
                        SettingsInWords(images, ImageSide::Edited, features, installationMode));
    const bool withSlave = installationMode == kInstallationMasterSlave;
    for (const BlockId block : kSettingsBlocks) {
        if (!images.IsChanged(block) || (SlaveBlock(block) && !withSlave))
            continue;
        const QString words = BlockInWords(block);
        const bool listed = std::ranges::any_of(
            changes, [&](const SettingChange& change) { return change.block == words; });
        if (!listed)
            changes.append({words, QStringLiteral("Values not shown on the screens"),
                            QStringLiteral("as read"), QStringLiteral("changed")});
    }
    return changes;
}

QString ChangeLine(const SettingChange& change) {
    return change.field + QStringLiteral(": ") + change.controller + QStringLiteral(" \u2192 ") +
           change.edited;
}
