#include "window/close_on_signal.h"

#include "platform/termination_signals.h"

#include <QWidget>

void CloseOnTerminationSignals(QWidget* window) {
    OnTerminationSignals(window, [window](int) { window->close(); });
}
