#include "window/window_keyboard.h"

#include "window/main_window_ui.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <algorithm>
#include <vector>

namespace {
// Controls whose tops differ by less than this count as one row.
constexpr int kRowTolerance = 6;

// Reading order: by rows from the top, each row from the left. A row is the controls whose
// tops lie within a few pixels of its first one.
void SortInReadingOrder(std::vector<QWidget*>& widgets) {
    std::stable_sort(widgets.begin(), widgets.end(),
                     [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
    for (auto row = widgets.begin(); row != widgets.end();) {
        const int top = (*row)->y();
        const auto end = std::find_if(row, widgets.end(), [top](const QWidget* widget) {
            return widget->y() - top >= kRowTolerance;
        });
        std::stable_sort(row, end,
                         [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
        row = end;
    }
}

bool TabsAsOne(const QWidget* widget) {
    return qobject_cast<const QAbstractScrollArea*>(widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(widget) != nullptr ||
           qobject_cast<const QComboBox*>(widget) != nullptr ||
           qobject_cast<const QTabWidget*>(widget) != nullptr;
}

void CollectInLayoutOrder(QWidget* parent, std::vector<QWidget*>& chain) {
    std::vector<QWidget*> children;
    for (QObject* object : parent->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child != nullptr && !child->isWindow())
            children.push_back(child);
    }
    SortInReadingOrder(children);
    for (QWidget* child : children) {
        if (child->focusPolicy() & Qt::TabFocus)
            chain.push_back(child);
        if (auto* tabs = qobject_cast<QTabWidget*>(child)) {
            // Each sheet of an inner page control in its own order, after the tab bar.
            for (int i = 0; i < tabs->count(); ++i)
                CollectInLayoutOrder(tabs->widget(i), chain);
        } else if (!TabsAsOne(child)) {
            CollectInLayoutOrder(child, chain);
        }
    }
}

void AddMnemonic(QAbstractButton* button, int letterAt) {
    QString text = button->text();
    text.insert(letterAt, u'&');
    button->setText(text);
}

void Shortcut(QWidget* window, const QKeySequence& keys, QAbstractButton* button) {
    auto* shortcut = new QShortcut(keys, window);
    // As a click would: only while the button can be clicked.
    QObject::connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isEnabled())
            button->click();
    });
}

void PageShortcuts(QWidget* window, QTabWidget* pages) {
    const Qt::Key digits[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5};
    for (int n = 0; n < 5; ++n) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | digits[n]), window);
        // The n-th page the window shows: the expert page and the help may be hidden.
        QObject::connect(shortcut, &QShortcut::activated, pages, [pages, n] {
            int shown = -1;
            for (int i = 0; i < pages->count(); ++i) {
                if (pages->isTabVisible(i) && ++shown == n) {
                    pages->setCurrentIndex(i);
                    return;
                }
            }
        });
    }
}
} // namespace

void OrderTabsByLayout(QWidget* page) {
    std::vector<QWidget*> chain;
    CollectInLayoutOrder(page, chain);
    for (size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void BindKeyboard(QWidget* window, MainWindowUi& ui) {
    AddMnemonic(ui.bReload, 0);            // &Reload from Vantor
    AddMnemonic(ui.bDefault, 0);           // &Default Settings
    AddMnemonic(ui.bLoadFromFile, 0);      // &Load from File
    AddMnemonic(ui.bSaveToFile, 8);        // Save to &File
    AddMnemonic(ui.bPageUp, 6);            // Show f&irst workstation
    AddMnemonic(ui.bPageDn, 7);            // Show la&st workstation
    AddMnemonic(ui.cbAdvancedSettings, 0); // &Additional Settings
    AddMnemonic(ui.bShowChanges, 0);       // &Changes...
    AddMnemonic(ui.bTrends, 0);            // &Trends
    AddMnemonic(ui.bRefreshCounters, 8);   // Refresh &Counters

    Shortcut(window, QKeySequence(Qt::Key_F5), ui.bReload);
    Shortcut(window, QKeySequence(Qt::CTRL | Qt::Key_O), ui.bLoadFromFile);
    Shortcut(window, QKeySequence(Qt::CTRL | Qt::Key_S), ui.bSaveToFile);
    PageShortcuts(window, ui.pcPages);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), window);
    QObject::connect(help, &QShortcut::activated, ui.pcPages, [&ui] {
        const int index = ui.pcPages->indexOf(ui.tsHelp);
        if (ui.pcPages->isTabVisible(index))
            ui.pcPages->setCurrentIndex(index);
    });

    for (int i = 0; i < ui.pcPages->count(); ++i)
        OrderTabsByLayout(ui.pcPages->widget(i));
}
