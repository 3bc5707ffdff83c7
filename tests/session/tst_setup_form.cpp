// The SETUP form's model over random register contents, firmware levels and installation modes:
// showing never writes, a file round trip writes nothing, and the Changes list is the byte
// difference a save writes.

#include "data/installation_mode.h"
#include "data/settings_file.h"
#include "data/settings_plausibility.h"
#include "monitor/gate_table_model.h"
#include "monitor/pending_changes.h"
#include "session/setup_form.h"

#include "tests/support/test_registry.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

constexpr int kCases = 300;
const char* const kFirmware[] = {"F03A", "F03G", "F03K", "F04A", "F04B", "F05A", "F06A"};
constexpr BlockId kSettingsBlocks[] = {BlockId::GateSettings,   BlockId::SlaveGateSettings,
                                       BlockId::GateNames,      BlockId::SlaveGateNames,
                                       BlockId::SystemSettings, BlockId::VacuumSettings};

struct Plant {
    ControllerImages images;
    FeatureLevels features;
    int mode = 0;
};

void Randomise(std::span<uint8_t> bytes, QRandomGenerator& random) {
    for (uint8_t& byte : bytes)
        byte = static_cast<uint8_t>(random.bounded(256));
}

// What a connect leaves: random bytes read into both images, at a random level and mode.
void Connect(Plant& unit, QRandomGenerator& random) {
    const char* code = kFirmware[random.bounded(int(std::size(kFirmware)))];
    unit.features.SetMasterCode(FirmwareCode::FromText(QString::fromLatin1(code)));
    unit.features.SetSlaveCode(FirmwareCode::FromText(
        QString::fromLatin1(kFirmware[random.bounded(int(std::size(kFirmware)))])));
    unit.mode = random.bounded(4);
    for (const BlockId block : kSettingsBlocks) {
        Randomise(unit.images.ReadImage(block), random);
        // A few units hold bytes the controls like best: all zero.
        if (random.bounded(10) == 0)
            std::ranges::fill(unit.images.ReadImage(block), 0);
    }
    unit.images.SystemSettings.Read.SetInstallationMode(static_cast<uint8_t>(unit.mode));
    for (const BlockId block : kSettingsBlocks)
        std::ranges::copy(unit.images.ReadImage(block), unit.images.EditedImage(block).begin());
}

// The screens filled from the edited images, and the save's rebuild from what they show.
void ShowAndSave(Plant& unit) {
    SetupForm form(unit.images, unit.features);
    form.ShowSystem();
    form.ShowVacuum();
    GateTableModel table(unit.images, unit.features);
    table.SetInstallationMode(unit.mode);
    for (const Unit side : {Unit::Master, Unit::Slave}) {
        table.ShowGateSettings(side, false);
        table.ShowGateNames(side);
    }
    table.SetAirVelocityText(QStringLiteral("3000"));
    table.SetSmartMinimumAirflow(true);
    // Every editable cell's editor opened and closed on what it showed.
    for (int row = 0; row < table.RowCount(); ++row) {
        for (int column = ColName; column <= ColCompensation; ++column)
            table.Commit(row, column, table.Text(row, column));
    }
    form.EditSystem(form.System());
    form.EditVacuum(form.Vacuum());
}

bool WithSlave(const Plant& unit) {
    return unit.mode == kInstallationMasterSlave;
}

QString Changed(const Plant& unit) {
    QStringList changed;
    for (const BlockId block : kSettingsBlocks) {
        if (unit.images.IsChanged(block))
            changed << BlockInWords(block);
    }
    return changed.join(u',');
}

bool Covered(const FieldBytes& field, int byte, uint8_t bits) {
    return byte >= field.offset && byte < field.offset + field.length && (bits & field.mask) != 0;
}

} // namespace

class TestSetupForm : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void connectThenSaveWritesNothing() {
        QRandomGenerator random(2112);
        for (int i = 0; i < kCases; ++i) {
            Plant unit;
            Connect(unit, random);
            ShowAndSave(unit);
            QVERIFY2(Changed(unit).isEmpty(), qPrintable(QStringLiteral("case %1 %2: %3")
                                                             .arg(i)
                                                             .arg(unit.features.MasterCode().Text())
                                                             .arg(Changed(unit))));
            QVERIFY(PendingChanges(unit.images, unit.features, unit.mode).isEmpty());
        }
    }

    void fileRoundTripWritesNothing() {
        QRandomGenerator random(1848);
        for (int i = 0; i < kCases; ++i) {
            Plant unit;
            Connect(unit, random);
            const SettingsFileTexts memos{
                QStringLiteral("VT12") + unit.features.MasterCode().Text(), {}, {}};
            const QByteArray file = SettingsFileBytes(unit.images, memos);
            // Something else on the screens before the load, in every block the file holds.
            for (const BlockId block : kSettingsBlocks) {
                if (block != BlockId::VacuumSettings)
                    Randomise(unit.images.EditedImage(block), random);
            }
            const SettingsFileLoaded loaded = TakeSettingsFile(file, unit.images);
            QVERIFY(loaded.ok);
            FeatureLevels written = unit.features;
            written.SetMasterCode(FirmwareCode::FromText(loaded.mFwData->mid(4)));
            ConvertFirmwareUnits(unit.images, written, unit.features);
            ShowAndSave(unit);
            QVERIFY2(Changed(unit).isEmpty(),
                     qPrintable(QStringLiteral("case %1: %2").arg(i).arg(Changed(unit))));
        }
    }

    void changesListIsTheByteDifference() {
        QRandomGenerator random(4711);
        for (int i = 0; i < kCases; ++i) {
            Plant unit;
            Connect(unit, random);
            const int edits = random.bounded(1, 6);
            for (int e = 0; e < edits; ++e) {
                const BlockId block =
                    kSettingsBlocks[random.bounded(int(std::size(kSettingsBlocks)))];
                const std::span<uint8_t> bytes = unit.images.EditedImage(block);
                bytes[size_t(random.bounded(int(bytes.size())))] ^=
                    static_cast<uint8_t>(1u << random.bounded(8));
            }
            const QList<SettingChange> changes =
                PendingChanges(unit.images, unit.features, unit.mode);
            for (const BlockId block : kSettingsBlocks) {
                const bool written = unit.images.IsChanged(block) &&
                                     (WithSlave(unit) || (block != BlockId::SlaveGateSettings &&
                                                          block != BlockId::SlaveGateNames));
                const QString words = BlockInWords(block);
                const QList<FieldBytes> fields = SettingsFields(block, unit.mode);
                QList<FieldBytes> listed;
                for (const SettingChange& change : changes) {
                    if (change.block != words)
                        continue;
                    const auto field = std::ranges::find_if(
                        fields, [&](const FieldBytes& f) { return f.name == change.field; });
                    QVERIFY2(field != fields.end(), qPrintable(change.field));
                    QVERIFY(change.controller != change.edited);
                    listed << *field;
                }
                QCOMPARE(!listed.isEmpty(), written);
                if (!written)
                    continue;
                const std::span<const uint8_t> read = unit.images.ReadImage(block);
                const std::span<const uint8_t> edited = unit.images.EditedImage(block);
                for (int b = 0; b < int(read.size()); ++b) {
                    const auto diff = static_cast<uint8_t>(read[size_t(b)] ^ edited[size_t(b)]);
                    if (diff == 0)
                        continue;
                    QVERIFY2(std::ranges::any_of(
                                 listed, [&](const FieldBytes& f) { return Covered(f, b, diff); }),
                             qPrintable(QStringLiteral("%1 byte %2").arg(words).arg(b)));
                }
            }
        }
    }

    // A control moved writes its own bytes only; brought back, it leaves the unit's bytes.
    void aControlWritesOnlyItsOwnBytes() {
        QRandomGenerator random(77);
        for (int i = 0; i < kCases; ++i) {
            Plant unit;
            Connect(unit, random);
            SetupForm form(unit.images, unit.features);
            form.ShowSystem();
            const SystemControls shown = form.System();
            SystemControls typed = shown;
            const QString number = QString::number(random.bounded(0, 5000));
            QString* const edits[] = {&typed.eOnDelay, &typed.eMinCurrent, &typed.eCleanHowOften,
                                      &typed.eSmartMinAiflowPercent};
            QString* const edit = edits[random.bounded(int(std::size(edits)))];
            *edit = number;
            form.EditSystem(typed);
            const auto& read = unit.images.SystemSettings.Read.Bytes;
            const auto& edited = unit.images.SystemSettings.Edited.Bytes;
            int differing = 0;
            for (size_t b = 0; b < read.size(); ++b)
                differing += read[b] != edited[b] ? 1 : 0;
            QVERIFY(differing <= 2);
            form.EditSystem(shown);
            QVERIFY(!unit.images.SystemSettings.Changed());
        }
    }
};

VT12_TEST(TestSetupForm, TestApplication::None)
#include "tst_setup_form.moc"
