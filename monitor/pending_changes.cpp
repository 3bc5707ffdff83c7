#include "monitor/pending_changes.h"

#include "data/installation_mode.h"
#include "data/settings_captions.h"
#include "monitor/gate_table_display.h"

#include <QHash>

namespace {

QString Key(const QString& block, const QString& field) {
    return block + u'\n' + field;
}

constexpr BlockId kSettingsBlocks[] = {BlockId::GateSettings,   BlockId::SlaveGateSettings,
                                       BlockId::GateNames,      BlockId::SlaveGateNames,
                                       BlockId::SystemSettings, BlockId::VacuumSettings};

bool SlaveBlock(BlockId block) {
    return block == BlockId::SlaveGateSettings || block == BlockId::SlaveGateNames;
}

QString NotShown(const QString& name) {
    return name + QStringLiteral(" (not shown)");
}

QString Column(int column) {
    return CaptionWords(kGateColumnCaptions[static_cast<size_t>(column)]);
}

QList<FieldBytes> SystemFields() {
    using namespace Caption;
    return {
        {CaptionWords(OnDelay), 0, 2},
        {CaptionWords(OffDelay), 2, 2},
        {CaptionWords(ButtonCancel), 4, 2},
        {NotShown(QStringLiteral("MBA")), 6, 1},
        {CaptionWords(OpenAtStop), 7, 1},
        {CaptionWords(OpenAtError), 8, 1},
        {CaptionWords(RunAtError), 9, 1},
        {CaptionWords(ButtonFunction), 10, 1},
        {CaptionWords(MinCurrent), 11, 1},
        {CaptionWords(MaxCurrent), 12, 1},
        {CaptionInGroup(OpRange, OpRangeMin), 13, 1},
        {CaptionInGroup(OpRange, OpRangeMax), 14, 1},
        {CaptionWords(ReverseDelay), 15, 1},
        {CaptionWords(StopOnCurrDecay), 16, 1},
        {CaptionWords(CleanEnabled), 17, 1, SystemSettingsBlock::kCleanRegular},
        {CaptionInGroup(CleaningAtStop, CleaningBeforeStop), 17, 1,
         SystemSettingsBlock::kCleanAtStop},
        {NotShown(QStringLiteral("Cleaning, other bits")), 17, 1, 0xFC},
        {CaptionInGroup(RegularCleaning, CleanHowLong), 18, 1},
        {CaptionInGroup(RegularCleaning, CleanHowOften), 19, 1},
        {CaptionWords(MasterSlavePage), 20, 1},
        {CaptionWords(InactiveAfterStart), 21, 1},
        {CaptionInGroup(CleaningAtStop, CleanAtStopRunMin), 22, 1},
        {CaptionInGroup(CleaningAtStop, CleanAtStopHowLong), 23, 1},
        {CaptionWords(SmartMinimumAiflowEnabled), 24, 1, 0x80},
        {CaptionWords(SmartMinAiflowPercent), 24, 1, 0x7F},
        {CaptionWords(KeepLastUsedOpen), 25, 1},
        {CaptionWords(PressureFromVFD), 26, 1},
        {NotShown(QStringLiteral("Reserved byte 27")), 27, 1},
    };
}

QList<FieldBytes> GateFields(const QString& prefix) {
    QList<FieldBytes> fields;
    for (int i = 0; i < kGatesPerUnit; ++i) {
        const QString gate = QStringLiteral("Gate %1%2 ").arg(prefix).arg(i + 1);
        const int at = 16 * i;
        fields << FieldBytes{gate + Column(ColEnable), at, 1}
               << FieldBytes{gate + Column(ColMinAirflow), at + 1, 1}
               << FieldBytes{gate + Column(ColDelayOn), at + 2, 2}
               << FieldBytes{gate + Column(ColDelayOff), at + 4, 2}
               << FieldBytes{NotShown(gate + QStringLiteral("size factor")), at + 6, 2}
               << FieldBytes{gate + Column(ColGate1), at + 8, 1}
               << FieldBytes{gate + Column(ColGate2), at + 9, 1}
               << FieldBytes{gate + Column(ColGate3), at + 10, 1}
               << FieldBytes{NotShown(gate + QStringLiteral("reserved byte 11")), at + 11, 1}
               << FieldBytes{NotShown(gate + QStringLiteral("extra area")), at + 12, 1}
               << FieldBytes{gate + Column(ColCompensation), at + 13, 1}
               << FieldBytes{NotShown(gate + QStringLiteral("reserved bytes 14-15")), at + 14, 2};
    }
    fields << FieldBytes{NotShown(QStringLiteral("Register 96")), 16 * kGatesPerUnit, 2};
    return fields;
}

QList<FieldBytes> NameFields(const QString& prefix) {
    QList<FieldBytes> fields;
    for (int i = 0; i < kGatesPerUnit; ++i)
        fields << FieldBytes{QStringLiteral("Name of gate %1%2").arg(prefix).arg(i + 1), 20 * i,
                             20};
    return fields;
}

QList<FieldBytes> VacuumFields() {
    QList<FieldBytes> fields;
    for (const auto& [side, offset] :
         {std::pair{Caption::MasterSensor, 0}, {Caption::SlaveSensor, 40}}) {
        const QString prefix = CaptionWords(side) + u' ';
        fields << FieldBytes{prefix + CaptionWords(Caption::SensorCaption), offset, 16}
               << FieldBytes{prefix + CaptionWords(Caption::SensorRange), offset + 16, 8}
               << FieldBytes{prefix + CaptionWords(Caption::SensorWarning), offset + 24, 8}
               << FieldBytes{prefix + CaptionWords(Caption::SensorUnits), offset + 32, 8};
    }
    fields << FieldBytes{CaptionWords(Caption::SensorError), 80, 2}
           << FieldBytes{CaptionWords(Caption::StopAtError), 82, 2};
    return fields;
}

bool Differs(const FieldBytes& field, std::span<const uint8_t> a, std::span<const uint8_t> b) {
    for (int i = field.offset; i < field.offset + field.length; ++i) {
        const auto at = static_cast<size_t>(i);
        if (((a[at] ^ b[at]) & field.mask) != 0)
            return true;
    }
    return false;
}

// The stored bytes: a number for a byte or a register, else the bytes in hex.
QString Stored(const FieldBytes& field, std::span<const uint8_t> bytes) {
    const auto at = static_cast<size_t>(field.offset);
    if (field.length == 1)
        return QString::number(bytes[at] & field.mask);
    if (field.length == 2)
        return QString::number((bytes[at] << 8) | bytes[at + 1]);
    QStringList hex;
    for (int i = 0; i < field.length; ++i)
        hex << QStringLiteral("%1").arg(bytes[at + static_cast<size_t>(i)], 2, 16, QChar(u'0'));
    return hex.join(u' ');
}

} // namespace

QList<FieldBytes> SettingsFields(BlockId block, int installationMode) {
    const bool pair = installationMode == kInstallationMasterSlave;
    switch (block) {
    case BlockId::GateSettings:
        return GateFields(pair ? QStringLiteral("M") : QString());
    case BlockId::SlaveGateSettings:
        return GateFields(QStringLiteral("S"));
    case BlockId::GateNames:
        return NameFields(pair ? QStringLiteral("M") : QString());
    case BlockId::SlaveGateNames:
        return NameFields(QStringLiteral("S"));
    case BlockId::SystemSettings:
        return SystemFields();
    case BlockId::VacuumSettings:
        return VacuumFields();
    default:
        return {};
    }
}

QList<SettingChange> CompareSettings(const QList<SettingInWords>& read,
                                     const QList<SettingInWords>& edited) {
    QHash<QString, QString> readValues;
    for (const SettingInWords& setting : read)
        readValues.insert(Key(setting.block, setting.field), setting.value);
    QList<SettingChange> changes;
    for (const SettingInWords& setting : edited) {
        const QString before = readValues.value(Key(setting.block, setting.field));
        if (before != setting.value)
            changes.append({setting.block, setting.field, before, setting.value});
    }
    return changes;
}

QList<SettingChange> PendingChanges(const ControllerImages& images, const FeatureLevels& features,
                                    int installationMode) {
    QHash<QString, QString> readWords;
    for (const SettingInWords& s :
         SettingsInWords(images, ImageSide::Read, features, installationMode))
        readWords.insert(Key(s.block, s.field), s.value);
    QHash<QString, QString> editedWords;
    for (const SettingInWords& s :
         SettingsInWords(images, ImageSide::Edited, features, installationMode))
        editedWords.insert(Key(s.block, s.field), s.value);

    const bool withSlave = installationMode == kInstallationMasterSlave;
    QList<SettingChange> changes;
    for (const BlockId block : kSettingsBlocks) {
        if (!images.IsChanged(block) || (SlaveBlock(block) && !withSlave))
            continue;
        const QString words = BlockInWords(block);
        const std::span<const uint8_t> read = images.ReadImage(block);
        const std::span<const uint8_t> edited = images.EditedImage(block);
        for (const FieldBytes& field : SettingsFields(block, installationMode)) {
            if (!Differs(field, read, edited))
                continue;
            const QString key = Key(words, field.name);
            QString before = readWords.value(key);
            QString after = editedWords.value(key);
            // A value the screens do not show, or show alike (rounded): the stored numbers too.
            if (!readWords.contains(key)) {
                before = Stored(field, read);
                after = Stored(field, edited);
            } else if (before == after) {
                before += QStringLiteral(" (stored %1)").arg(Stored(field, read));
                after += QStringLiteral(" (stored %1)").arg(Stored(field, edited));
            }
            changes.append({words, field.name, before, after});
        }
    }
    return changes;
}

QString ChangeLine(const SettingChange& change) {
    return change.field + QStringLiteral(": ") + change.controller + QStringLiteral(" \u2192 ") +
           change.edited;
}
