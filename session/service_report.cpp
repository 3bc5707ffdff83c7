#include "session/service_report.h"

#include "data/counter_lines.h"
#include "data/installation_mode.h"
#include "link/traffic_ring.h"
#include "monitor/gate_table_model.h"
#include "monitor/pending_changes.h"
#include "session/traffic_item_model.h"

namespace {
constexpr int kLastTrafficEvents = 20;
constexpr int kLastLogLines = 40;

QStringList MemoLines(const QString& memo) {
    QStringList lines = memo.split(u'\n');
    while (!lines.isEmpty() && lines.constLast().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList OrNothing(QStringList lines, const QString& nothing) {
    return lines.isEmpty() ? QStringList{nothing} : lines;
}

QString LinkLine(const ServiceReportSource& source) {
    if (source.bootloaderMode)
        return QStringLiteral("Firmware damaged: only the bootloader answers; values as last read");
    if (source.linkUp)
        return QStringLiteral("Link up: %1").arg(source.linkCaption);
    return QStringLiteral("Link down (%1): values as last read").arg(source.linkCaption);
}

ReportSection UnitSection(const ServiceReportSource& source) {
    QStringList lines{
        QStringLiteral("Printed: %1")
            .arg(source.printedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))),
        source.programVersion,
        LinkLine(source),
        source.firmwareVersion,
        source.hardwareVersion,
        QStringLiteral("Installation mode: %1 (%2)")
            .arg(source.installationMode)
            .arg(InstallationModeWords(source.installationMode)),
    };
    if (!source.slaveVersion.isEmpty())
        lines << source.slaveVersion;
    return {QStringLiteral("Unit"), lines, {}};
}

// The rows the SETUP page's table would show had nothing been edited since the last read.
ReportTable GateTable(const ServiceReportSource& source) {
    ControllerImages read = *source.images;
    read.GateSettings.Edited = read.GateSettings.Read;
    read.SlaveGateSettings.Edited = read.SlaveGateSettings.Read;
    read.GateNames.Edited = read.GateNames.Read;
    read.SlaveGateNames.Edited = read.SlaveGateNames.Read;
    GateTableModel table(read, *source.features);
    table.SetInstallationMode(source.installationMode);
    QList<Unit> units{Unit::Master};
    if (table.ShowGateSettings(Unit::Slave, false))
        units << Unit::Slave;
    table.ShowGateSettings(Unit::Master, false);
    table.SetAirVelocityText(source.airVelocity);

    ReportTable report;
    for (const char* caption : kGateColumnCaptions)
        report.header << QString::fromLatin1(caption);
    for (const Unit unit : units) {
        table.ShowGateNames(unit);
        const int first = unit == Unit::Master ? 0 : kGatesPerUnit;
        for (int row = first; row < first + kGatesPerUnit; ++row) {
            QStringList cells;
            for (int column = 0; column < GateColumnCount; ++column) {
                const CellLook look = table.Look(row, column, true);
                if (!look.notUsed)
                    cells << table.Text(row, column);
                else
                    cells << (column == ColDelayOn ? QString::fromLatin1(kNotUsedText) : QString());
            }
            report.rows << cells;
        }
    }
    return report;
}

// The gates' settings and names are in the gate table, in the same words.
ReportSection SettingsSection(const ServiceReportSource& source) {
    const QStringList gateBlocks{
        BlockInWords(BlockId::GateSettings), BlockInWords(BlockId::SlaveGateSettings),
        BlockInWords(BlockId::GateNames), BlockInWords(BlockId::SlaveGateNames)};
    ReportSection section{QStringLiteral("Settings as Read from the Controller"),
                          {QStringLiteral("The gates' settings and names: see the gate table.")},
                          {}};
    section.table.header = {QStringLiteral("Block"), QStringLiteral("Setting"),
                            QStringLiteral("Value")};
    for (const SettingInWords& setting : SettingsInWords(
             *source.images, ImageSide::Read, *source.features, source.installationMode)) {
        if (!gateBlocks.contains(setting.block))
            section.table.rows << QStringList{setting.block, setting.field, setting.value};
    }
    return section;
}

// Edits on the screens that a save has not yet written.
ReportSection EditsSection(const ServiceReportSource& source) {
    QStringList lines;
    for (const SettingChange& change :
         PendingChanges(*source.images, *source.features, source.installationMode))
        lines << ChangeLine(change);
    return {QStringLiteral("Edits Not Saved to the Controller"),
            OrNothing(lines, QStringLiteral("(none)")),
            {}};
}

ReportSection CountersSection(const ServiceReportSource& source) {
    const bool pair = source.installationMode == kInstallationMasterSlave;
    ReportTable table;
    table.header = pair ? QStringList{QStringLiteral("Counter"), QStringLiteral("Master"),
                                      QStringLiteral("Slave")}
                        : QStringList{QStringLiteral("Counter"), QStringLiteral("Value")};
    for (int n = 1; n <= ShownCounterCount(source.expertMode); ++n) {
        QStringList row{CounterName(n), QString::number(source.images->Counters.Counter(n))};
        if (pair)
            row << QString::number(source.images->SlaveCounters.Counter(n));
        table.rows << row;
    }
    return {QStringLiteral("Counters"), {}, table};
}

ReportSection TrafficSection(const TrafficRing* traffic) {
    ReportSection section{QStringLiteral("Traffic"), {}, {}};
    if (traffic == nullptr) {
        section.lines << QStringLiteral(
            "The traffic monitor was not opened: no traffic statistics were recorded.");
        return section;
    }
    section.lines << QStringLiteral("Recorded while the traffic monitor was open:")
                  << StatsText(traffic->Stats());
    const TrafficItemModel events(*traffic, nullptr);
    const int columns = events.columnCount();
    for (int column = 0; column < columns; ++column)
        section.table.header
            << events.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    for (int row = std::max(0, events.rowCount() - kLastTrafficEvents); row < events.rowCount();
         ++row) {
        QStringList cells;
        for (int column = 0; column < columns; ++column)
            cells << events.data(events.index(row, column), Qt::DisplayRole).toString();
        section.table.rows << cells;
    }
    if (section.table.rows.isEmpty())
        section.table.header.clear();
    return section;
}

ReportSection LogSection(const QString& komLog) {
    const QStringList lines = MemoLines(komLog);
    return {QStringLiteral("Communication Log"),
            OrNothing(lines.mid(std::max<qsizetype>(0, lines.size() - kLastLogLines)),
                      QStringLiteral("(empty)")),
            {}};
}

} // namespace

ServiceReport BuildServiceReport(const ServiceReportSource& source) {
    ServiceReport report;
    report.title = QStringLiteral("Vantor 12 Service Report");
    const QString none = QStringLiteral("(nothing read)");
    report.sections << UnitSection(source)
                    << ReportSection{QStringLiteral("Firmware Data"),
                                     OrNothing(MemoLines(source.identification), none),
                                     {}}
                    << ReportSection{QStringLiteral("Bootloader Data"),
                                     OrNothing(MemoLines(source.bootloader), none),
                                     {}}
                    << ReportSection{QStringLiteral("Gate Table as Read from the Controller"),
                                     {},
                                     GateTable(source)}
                    << SettingsSection(source) << EditsSection(source) << CountersSection(source)
                    << TrafficSection(source.traffic) << LogSection(source.komLog);
    return report;
}
