#pragma once
// Building blocks shared by the page setup files.

#include <QColor>
#include <QLabel>
#include <QRect>
#include <QString>
#include <QWidget>
#include <type_traits>
#include <utility>

class QFrame;
class QTabWidget;

template <class Control, class... Args>
Control* Make(QWidget* parent, const char* name, const QRect& geometry, Args&&... args) {
    auto* control = new Control(std::forward<Args>(args)..., parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    // Labels show texts of the unit and of files: a version "<h1>X</h" is shown as it is.
    if constexpr (std::is_base_of_v<QLabel, Control>)
        control->setTextFormat(Qt::PlainText);
    return control;
}

// A page of the page control, sized to its client area.
QWidget* AddPage(QTabWidget* pages, const char* name, const QString& caption);
// A borderless container that paints its own background.
QFrame* MakePanel(QWidget* parent, const char* name, const QRect& geometry);
// A container with a thin sunken border, used for groups of controls.
QFrame* MakeGroupPanel(QWidget* parent, const char* name, const QRect& geometry);
// A bold dark blue group title.
QLabel* MakeCaption(QWidget* parent, const char* name, const QString& text, const QRect& geometry);

void SetBackground(QWidget* control, const QColor& color);
void SetTextColor(QWidget* control, const QColor& color);
// The control's own font: Arial at the pixel size, optionally bold or italic.
void SetOwnFont(QWidget* control, int pixelSize, bool bold = false, bool italic = false);
void SetBold(QWidget* control);

inline constexpr int kDesignFontPixels = 11;
inline constexpr QColor kVersionGreen{32, 160, 32};
inline constexpr QColor kCaptionBlue{0, 0, 128};
inline constexpr QColor kSilver{192, 192, 192};
inline constexpr QColor kLampOff{192, 192, 192};
inline constexpr QColor kLampGreen{0, 224, 0};
inline constexpr QColor kFigureGrey{128, 128, 128};
inline constexpr QColor kFigureYellow{255, 255, 0};
