#pragma once
// SIGTERM, SIGINT and SIGHUP close the window the normal way, so Settings.ini is written and
// the port closed when a desktop session logs out, the program is stopped from a terminal or
// its terminal is closed.

class QWidget;

void CloseOnTerminationSignals(QWidget* window);
