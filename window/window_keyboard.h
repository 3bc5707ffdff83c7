#pragma once
// The window by keyboard: Tab follows each page's layout, the main buttons have mnemonics, and
// a few shortcuts that never write to the controller (reload, load and save a file, pages).

class QWidget;
struct MainWindowUi;

// Tab order through a page's controls: panel by panel, each read top to bottom and left to
// right, the way the page is laid out.
void OrderTabsByLayout(QWidget* page);

// Mnemonics, the shortcuts and the Tab order of every page of the window.
void BindKeyboard(QWidget* window, MainWindowUi& ui);
