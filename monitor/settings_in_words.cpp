#include "monitor/settings_in_words.h"

#include "data/installation_mode.h"
#include "data/job_bits.h"
#include "data/settings_captions.h"
#include "data/system_settings_controls.h"
#include "data/vacuum_settings_controls.h"
#include "monitor/gate_table_model.h"

#include <iterator>

namespace {

QString YesNo(bool on) {
    return on ? QStringLiteral("Yes") : QStringLiteral("No");
}

class BlockWords {
public:
    BlockWords(QList<SettingInWords>& list, BlockId block)
        : list_(list), block_(BlockInWords(block)) {}
    void Add(const QString& field, const QString& value) { list_.append({block_, field, value}); }
    void Add(const char* caption, const QString& value) { Add(CaptionWords(caption), value); }

private:
    QList<SettingInWords>& list_;
    QString block_;
};

QString InstallationModeWords(uint8_t mode) {
    if (mode < std::size(Caption::InstallationModes))
        return CaptionWords(Caption::InstallationModes[mode]);
    return QString::number(mode);
}

void AddSystemSettings(const SystemSettingsBlock& image, const FeatureLevels& features,
                       BlockWords words) {
    SystemControls c;
    ShowSystemSettings(image, features, c);
    words.Add(Caption::SmartMinimumAiflowEnabled, YesNo(c.cbSmartMinimumAiflowEnabled));
    words.Add(Caption::SmartMinAiflowPercent, c.eSmartMinAiflowPercent);
    words.Add(Caption::OnDelay, c.eOnDelay);
    words.Add(Caption::OffDelay, c.eOffDelay);
    words.Add(CaptionInGroup(Caption::OpRange, Caption::OpRangeMin), c.eOpRangeMin);
    words.Add(CaptionInGroup(Caption::OpRange, Caption::OpRangeMax), c.eOpRangeMax);

    words.Add(Caption::CleanEnabled, YesNo(c.cbCleanEnabled));
    words.Add(CaptionInGroup(Caption::RegularCleaning, Caption::CleanHowOften), c.eCleanHowOften);
    words.Add(CaptionInGroup(Caption::RegularCleaning, Caption::CleanHowLong), c.eCleanHowLong);
    words.Add(CaptionInGroup(Caption::CleaningAtStop, Caption::CleaningBeforeStop),
              YesNo(c.cbCleaningBeforeStop));
    words.Add(CaptionInGroup(Caption::CleaningAtStop, Caption::CleanAtStopHowLong),
              c.eCleanAtStopHowLong);
    words.Add(CaptionInGroup(Caption::CleaningAtStop, Caption::CleanAtStopRunMin),
              c.eCleanAtStopRunMin);
    words.Add(Caption::OpenAtStop, YesNo(c.cbOpenAtStop));
    words.Add(Caption::OpenAtError, YesNo(c.cbOpenAtError));
    words.Add(Caption::RunAtError, YesNo(c.cbRunAtError));
    if (features.Has(Feature::KeepLastUsedOpen))
        words.Add(Caption::KeepLastUsedOpen, YesNo(c.cbKeepLastUsedOpen));

    words.Add(CaptionWords(Caption::ButtonFunction),
              CaptionWords(c.rbSignalSimul ? Caption::SignalSimul : Caption::OpenRequest));
    words.Add(Caption::ButtonCancel, c.eButtonCancel);
    words.Add(Caption::MinCurrent, c.eMinCurrent);
    words.Add(Caption::MaxCurrent, c.eMaxCurrent);
    words.Add(Caption::ReverseDelay, c.eReverseDelay);
    words.Add(Caption::StopOnCurrDecay, YesNo(c.cbStopOnCurrDecay));
    words.Add(Caption::InactiveAfterStart, c.eInactiveAfterStart);
    if (features.Has(Feature::PressureFromVFDWritten))
        words.Add(Caption::PressureFromVFD, YesNo(c.cbPressureFromVFD));
    words.Add(Caption::MasterSlavePage, InstallationModeWords(image.InstallationMode()));
}

void AddSensor(const char* side, const QString& caption, const QString& range,
               const QString& warning, const QString& units, BlockWords& words) {
    const QString prefix = CaptionWords(side) + u' ';
    words.Add(prefix + CaptionWords(Caption::SensorCaption), caption);
    words.Add(prefix + CaptionWords(Caption::SensorRange), range);
    words.Add(prefix + CaptionWords(Caption::SensorWarning), warning);
    words.Add(prefix + CaptionWords(Caption::SensorUnits), units);
}

void AddVacuumSettings(const VacuumSettingsBlock& image, const FeatureLevels& features,
                       BlockWords words) {
    VacuumControls c;
    ShowVacuumSettings(image, features, c);
    AddSensor(Caption::MasterSensor, c.eCurrInpCaption, c.eCurrInpRng, c.eCurrInpWarning,
              c.eCurrInpUnits, words);
    AddSensor(Caption::SlaveSensor, c.eCurrInpCaptionS, c.eCurrInpRngS, c.eCurrInpWarningS,
              c.eCurrInpUnitsS, words);
    if (features.Has(Feature::VacuumErrorSettings)) {
        words.Add(Caption::SensorError, c.eCurrInpError);
        words.Add(Caption::StopAtError, YesNo(c.eCurrInpStopAtError));
    }
}

int FirstRow(Unit unit) {
    return unit == Unit::Master ? 0 : kGatesPerUnit;
}

// The table's own cell texts, the row named by its number column ("3", or "M3" and "S3").
void AddGateSettings(const GateTableModel& table, Unit unit, BlockWords words) {
    for (int row = FirstRow(unit); row < FirstRow(unit) + kGatesPerUnit; ++row) {
        const QString gate = QStringLiteral("Gate ") + table.Text(row, ColNumber) + u' ';
        for (int column = ColEnable; column <= ColCompensation; ++column) {
            const QString text = table.Text(row, column);
            const bool checkBox = !GateTableModel::Typeable(column);
            words.Add(gate + CaptionWords(kGateColumnCaptions[static_cast<size_t>(column)]),
                      checkBox ? YesNo(text != QStringLiteral("0")) : text);
        }
    }
}

void AddGateNames(const GateTableModel& table, Unit unit, BlockWords words) {
    for (int row = FirstRow(unit); row < FirstRow(unit) + kGatesPerUnit; ++row)
        words.Add(QStringLiteral("Name of gate ") + table.Text(row, ColNumber),
                  table.Text(row, ColName));
}

template <typename Block> void ShowSide(SettingsImages<Block>& images, ImageSide side) {
    if (side == ImageSide::Read)
        images.Edited = images.Read;
}

} // namespace

QString BlockInWords(BlockId block) {
    for (const WriteJobLog& log : kWriteJobLogs) {
        if (BlockForJob(log.job)->id != block)
            continue;
        QString words = QString::fromLatin1(log.writing);
        words.remove(QStringLiteral("Writing "));
        words.remove(QStringLiteral("..."));
        return words;
    }
    // A block that is only read: its name split into words, "SlaveStatusBlock" as
    // "slave status".
    QString name = QString::fromLatin1(SpecOf(block).name).remove(QStringLiteral("Block"));
    QString words;
    for (const QChar c : name) {
        if ((c.isUpper() || c.isDigit()) && !words.isEmpty())
            words += u' ';
        words += c.toLower();
    }
    return words;
}

QList<SettingInWords> SettingsInWords(const ControllerImages& images, ImageSide side,
                                      const FeatureLevels& features, int installationMode) {
    // The gate table's texts come from the edited images: a copy shows the side asked for.
    ControllerImages shown = images;
    ShowSide(shown.GateSettings, side);
    ShowSide(shown.SlaveGateSettings, side);
    ShowSide(shown.GateNames, side);
    ShowSide(shown.SlaveGateNames, side);
    GateTableModel table(shown, features);
    table.SetInstallationMode(installationMode);
    const bool withSlave = installationMode == kInstallationMasterSlave;
    for (const Unit unit : {Unit::Master, Unit::Slave}) {
        table.ShowGateSettings(unit, false);
        table.ShowGateNames(unit);
    }
    const auto& system =
        side == ImageSide::Read ? images.SystemSettings.Read : images.SystemSettings.Edited;
    const auto& vacuum =
        side == ImageSide::Read ? images.VacuumSettings.Read : images.VacuumSettings.Edited;

    QList<SettingInWords> list;
    AddGateSettings(table, Unit::Master, {list, BlockId::GateSettings});
    if (withSlave)
        AddGateSettings(table, Unit::Slave, {list, BlockId::SlaveGateSettings});
    AddGateNames(table, Unit::Master, {list, BlockId::GateNames});
    if (withSlave)
        AddGateNames(table, Unit::Slave, {list, BlockId::SlaveGateNames});
    AddSystemSettings(system, features, {list, BlockId::SystemSettings});
    AddVacuumSettings(vacuum, features, {list, BlockId::VacuumSettings});
    return list;
}

QString CaptionWords(const char* caption) {
    return QString::fromLatin1(caption);
}

QString CaptionInGroup(const char* group, const char* caption) {
    return CaptionWords(group).trimmed() + QStringLiteral(": ") + CaptionWords(caption);
}
