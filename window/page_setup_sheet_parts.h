#pragma once
// Building blocks shared by the sheets of the Additional Settings.

#include <QString>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QTabWidget;
class QWidget;

inline constexpr int kSheetRowHeight = 20;

// Top of the settings row with that index inside a group.
int SheetRow(int index);
QWidget* AddSheet(QTabWidget* sheets, const char* name, const char* caption);
// The sheet's panel, filling it; its controls start greyed out and disabled.
QFrame* MakeSheetPanel(QWidget* sheet, const char* name);
// A group panel with its caption, across the sheet's height.
QFrame* MakeSheetGroup(QWidget* parent, const char* name, const char* captionName, QLabel*& caption,
                       const char* text, int left, int width);
// A caption with its entry at the right end of the same row.
QLineEdit* MakeLabelledEntry(QWidget* parent, const char* captionName, QLabel*& caption,
                             const char* text, const char* entryName, int row, int entryLeft,
                             int entryWidth = 60);
QCheckBox* MakeOption(QWidget* parent, const char* name, const char* text, int row, int width);
