#pragma once
// SIGTERM and SIGINT close the window the normal way, so Settings.ini is written and the
// port closed when a desktop session logs out or the program is stopped from a terminal.

class QWidget;

void CloseOnTerminationSignals(QWidget* window);
