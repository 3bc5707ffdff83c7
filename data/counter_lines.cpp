#include "data/counter_lines.h"

#include "data/block_table.h"

namespace {

constexpr int kMasterInstallation = 2;
constexpr const char* kUnitCounterNames[] = {"Starts", "Errors", "Bypass", "Writes"};

} // namespace

QChar CounterPrefix(CounterMemo memo, int installationMode) {
    if (installationMode != kMasterInstallation)
        return u' ';
    return memo == CounterMemo::Master ? u'M' : u'S';
}

QString CounterName(int n) {
    if (n <= kGatesPerUnit)
        return QStringLiteral("Gate %1").arg(n);
    return QString::fromLatin1(kUnitCounterNames[n - kGatesPerUnit - 1]);
}

int ShownCounterCount(bool expertMode) {
    return kGatesPerUnit + (expertMode ? 4 : 1);
}

QStringList CounterLines(const CountersBlock& counters, QChar prefix, bool expertMode) {
    QStringList lines;
    for (int gate = 1; gate <= kGatesPerUnit; ++gate) {
        lines << QStringLiteral("#. ") + prefix + QString::number(gate) + QStringLiteral(":\t   ") +
                     QString::number(counters.Counter(gate));
    }
    lines << QString();
    for (int n = kGatesPerUnit + 1; n <= ShownCounterCount(expertMode); ++n)
        lines << CounterName(n) + QStringLiteral(":\t   ") + QString::number(counters.Counter(n));
    return lines;
}
