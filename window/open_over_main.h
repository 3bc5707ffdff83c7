#pragma once
// The Trends, Changes and Traffic windows: the first time, each opens in the main window's
// font, centred on it and fitted to its screen; later it comes back where the user left it.

class QWidget;

void OpenOverMainWindow(QWidget* window, QWidget* main);
