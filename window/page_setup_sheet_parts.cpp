#include "window/page_setup_sheet_parts.h"

#include "window/page_align.h"
#include "window/page_builders.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

namespace {
constexpr int kGroupTop = 4;
constexpr int kGroupHeight = 116;
constexpr int kFirstRow = 24;
constexpr int kRowPitch = 24;
} // namespace

int SheetRow(int index) {
    return kFirstRow + index * kRowPitch;
}

QWidget* AddSheet(QTabWidget* sheets, const char* name, const char* caption) {
    auto* sheet = new QWidget();
    sheet->setObjectName(QString::fromLatin1(name));
    sheets->addTab(sheet, QString::fromLatin1(caption));
    return sheet;
}

QFrame* MakeSheetPanel(QWidget* sheet, const char* name) {
    auto* panel = Make<QFrame>(sheet, name, QRect(0, 0, 980, 124));
    SetAlign(panel, Align::Client);
    SetTextColor(panel, kFigureGrey);
    panel->setEnabled(false);
    return panel;
}

QFrame* MakeSheetGroup(QWidget* parent, const char* name, const char* captionName, QLabel*& caption,
                       const char* text, int left, int width) {
    QFrame* group = MakeGroupPanel(parent, name, QRect(left, kGroupTop, width, kGroupHeight));
    caption =
        MakeCaption(group, captionName, QString::fromLatin1(text), QRect(8, 4, width - 16, 14));
    return group;
}

QLineEdit* MakeLabelledEntry(QWidget* parent, const char* captionName, QLabel*& caption,
                             const char* text, const char* entryName, int row, int entryLeft,
                             int entryWidth) {
    caption =
        Make<QLabel>(parent, captionName, QRect(8, SheetRow(row), entryLeft - 12, kSheetRowHeight),
                     QString::fromLatin1(text));
    auto* entry = Make<QLineEdit>(parent, entryName,
                                  QRect(entryLeft, SheetRow(row), entryWidth, kSheetRowHeight));
    entry->setAlignment(Qt::AlignRight);
    return entry;
}

QCheckBox* MakeOption(QWidget* parent, const char* name, const char* text, int row, int width) {
    return Make<QCheckBox>(parent, name, QRect(8, SheetRow(row) - 2, width, 18),
                           QString::fromLatin1(text));
}
