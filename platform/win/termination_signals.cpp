#include "platform/termination_signals.h"

void OnTerminationSignals(QObject*, std::function<void(int)>) {}
