#include "monitor/pending_changes.h"

#include "data/installation_mode.h"

#include <QHash>
#include <algorithm>
#include <iterator>

namespace {

QString Key(const SettingInWords& setting) {
    return setting.block + u'\n' + setting.field;
}

constexpr BlockId kSettingsBlocks[] = {BlockId::GateSettings,   BlockId::SlaveGateSettings,
                                       BlockId::GateNames,      BlockId::SlaveGateNames,
                                       BlockId::SystemSettings, BlockId::VacuumSettings};

qsizetype BlockOrder(const QString& words) {
    const auto block = std::ranges::find_if(kSettingsBlocks,
                                            [&](BlockId id) { return BlockInWords(id) == words; });
    return block - std::begin(kSettingsBlocks);
}

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
        if (listed)
            continue;
        // After the block's place in the list: the blocks come in the order of kSettingsBlocks.
        const auto next = std::ranges::find_if(changes, [&](const SettingChange& change) {
            return BlockOrder(change.block) > BlockOrder(words);
        });
        changes.insert(next, {words, QStringLiteral("Values not shown on the screens"),
                              QStringLiteral("as read"), QStringLiteral("changed")});
    }
    return changes;
}

QString ChangeLine(const SettingChange& change) {
    return change.field + QStringLiteral(": ") + change.controller + QStringLiteral(" \u2192 ") +
           change.edited;
}
