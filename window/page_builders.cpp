#include "window/page_builders.h"

#include "window/window_resize.h"

#include <QFrame>
#include <QLabel>
#include <QTabWidget>

QWidget* AddPage(QTabWidget* pages, const char* name, const QString& caption) {
    auto* page = new QWidget();
    page->setObjectName(QString::fromLatin1(name));
    page->setAutoFillBackground(true);
    pages->addTab(page, caption);
    page->setGeometry(0, 0, pages->width() - 8, pages->height() - kPageTabHeight - 8);
    return page;
}

QFrame* MakePanel(QWidget* parent, const char* name, const QRect& geometry) {
    auto* panel = Make<QFrame>(parent, name, geometry);
    panel->setAutoFillBackground(true);
    return panel;
}

QFrame* MakeGroupPanel(QWidget* parent, const char* name, const QRect& geometry) {
    auto* panel = MakePanel(parent, name, geometry);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    return panel;
}

QLabel* MakeCaption(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* caption = Make<QLabel>(parent, name, geometry, text);
    SetBold(caption);
    SetTextColor(caption, kCaptionBlue);
    return caption;
}

void SetBackground(QWidget* control, const QColor& color) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Base, color);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

void SetTextColor(QWidget* control, const QColor& color) {
    // Disabled, a control keeps the style's grey, so that it looks disabled.
    QPalette palette = control->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, color);
        palette.setColor(group, QPalette::Text, color);
        palette.setColor(group, QPalette::ButtonText, color);
    }
    control->setPalette(palette);
}

void SetOwnFont(QWidget* control, int pixelSize, bool bold, bool italic) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    control->setFont(font);
}

void SetBold(QWidget* control) {
    QFont font = control->font();
    font.setBold(true);
    control->setFont(font);
}
