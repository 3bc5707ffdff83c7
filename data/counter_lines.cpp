#include "data/counter_lines.h"

#include "data/block_table.h"

namespace {

constexpr int kMasterInstallation = 2;
constexpr const char* kUnitCounterLabels[] = {"Starts:", "Errors:", "Bypass:", "Writes:"};

} // namespace

QChar CounterPrefix(CounterMemo memo, int installationMode) {
    if (installationMode != kMasterInstallation)
        return u' ';
    return memo == CounterMemo::Master ? u'M' : u'S';
}

QStringList CounterLines(const CountersBlock& counters, QChar prefix, bool expertMode) {
    QStringList lines;
    for (int gate = 1; gate <= kGatesPerUnit; ++gate) {
        lines << QStringLiteral("#. ") + prefix + QString::number(gate) + QStringLiteral(":\t   ") +
                     QString::number(counters.Counter(gate));
    }
    lines << QString();
    const int unitCounters = expertMode ? 4 : 1;
    for (int i = 0; i < unitCounters; ++i) {
        lines << QString::fromLatin1(kUnitCounterLabels[i]) + QStringLiteral("\t   ") +
                     QString::number(counters.Counter(kGatesPerUnit + 1 + i));
    }
    return lines;
}
