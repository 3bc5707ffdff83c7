#pragma once
// The counter memos of the SERVICE page, one line per gate and per unit event.

#include "data/counters_block.h"

#include <QStringList>

enum class CounterMemo { Master, Slave };

// "M" or "S" before the gate numbers where two units are shown, a blank otherwise.
QChar CounterPrefix(CounterMemo memo, int installationMode);

// Counter n (1..16) named for a list: "Gate 3", "Starts".
QString CounterName(int n);
// The counters the memo shows: the gates and "Starts:", or in expert mode all sixteen.
int ShownCounterCount(bool expertMode);

// Twelve gate lines and an empty one, then the "Starts:" line, or in expert mode all four
// unit counters.
QStringList CounterLines(const CountersBlock& counters, QChar prefix, bool expertMode);
