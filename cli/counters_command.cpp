// counters: the memos' text, or for scripts all sixteen counters of each unit as CSV with the
// port in front (the header once per run) or as one JSON line.

#include "cli/command_run.h"
#include "cli/counters_output.h"
#include "cli/terminal_text.h"

void CommandRun::PrintCounters() {
    const ControllerImages& images = session_.Images();
    const FeatureLevels& features = session_.Features();
    const UnitCounters master{QStringLiteral("master"), features.MasterCode().Text(),
                              &images.Counters};
    std::optional<UnitCounters> slave;
    if (slaveCountersRead_)
        slave = UnitCounters{QStringLiteral("slave"), features.SlaveCode().Text(),
                             &images.SlaveCounters};
    const QDateTime now = QDateTime::currentDateTime();
    if (request_.json) {
        out_ << QString::fromUtf8(CountersJson(UnitKeys(Report()), now, master, slave));
    } else if (request_.csv) {
        QList<UnitCounters> units{master};
        if (slave)
            units.append(*slave);
        // All sixteen counters, as a script wants them.
        out_ << TerminalText(CountersCsvWithPort(CountersCsv(now, units, true),
                                                 link_.Port().ComNumber(),
                                                 !shared_.csvHeaderWritten),
                             LineBreaks::Kept);
        shared_.csvHeaderWritten = true;
    } else {
        out_ << TerminalText(masterCounters_, LineBreaks::Kept) << Qt::endl;
        if (slaveCountersRead_)
            out_ << TerminalText(slaveCounters_, LineBreaks::Kept) << Qt::endl;
    }
}
