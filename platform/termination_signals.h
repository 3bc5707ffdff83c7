#pragma once
// SIGTERM, SIGINT and SIGHUP turned into a call on the event loop: the handler itself only
// writes the signal's number into a socket pair, which is all a signal handler may safely do.
// Windows has none of these signals: there nothing is set up.

#include <QObject>
#include <functional>

// Once per program; handler runs in context's thread with the signal's number. SIGPIPE is
// ignored as well, so a closed pipe shows as a failed write instead of ending the program.
void OnTerminationSignals(QObject* context, std::function<void(int signal)> handler);
