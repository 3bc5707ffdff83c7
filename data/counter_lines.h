#pragma once
// The counter memos of the SERVICE page, one line per gate and per unit event.

#include "data/counters_block.h"

#include <QStringList>

enum class CounterMemo { Master, Slave };

// "M" or "S" before the gate numbers where two units are shown, a blank otherwise.
QChar CounterPrefix(CounterMemo memo, int installationMode);

// Twelve gate lines and an empty one, then the "Starts:" line, or in expert mode all four
// unit counters.
QStringList CounterLines(const CountersBlock& counters, QChar prefix, bool expertMode);
