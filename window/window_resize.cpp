#include "window/window_resize.h"

#include "core/conversions.h"
#include "window/main_window_ui.h"
#include "window/page_align.h"
#include "window/page_master_slave.h"
#include "window/window_fit.h"

#include "window/gate_grid.h"
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QWebEngineView>
#include <algorithm>

namespace {

constexpr std::array<int, 11> kGateColumnWeights{10, 47, 16, 16, 16, 16, 17, 17, 17, 20, 23};
constexpr int kGateColumnWeightSum = 215;
constexpr int kGridLines = 10;
constexpr int kPageCount = 5;
constexpr int kTabAllowance = 10;
constexpr int kTabBorder = 1;
constexpr int kWarningFontPixels = 11;
constexpr int kWarningHeight = 35;
constexpr int kHoldRetryMs = 200;

// The controls of the window as its designer placed them: named widgets, not the inner parts
// of composite Qt widgets and not separate windows such as the dialogs.
bool IsControl(const QWidget* widget) {
    const QString name = widget->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

// Widgets whose children are their own inner parts, laid out by themselves.
bool ResizesAsOne(const QWidget* widget) {
    return qobject_cast<const QAbstractScrollArea*>(widget) != nullptr ||
           qobject_cast<const QTabBar*>(widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(widget) != nullptr ||
           qobject_cast<const QComboBox*>(widget) != nullptr ||
           qobject_cast<const QWebEngineView*>(widget) != nullptr;
}

template <class Visit> void WalkControls(QWidget* parent, Visit&& visit) {
    for (QObject* object : parent->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child == nullptr || child->isWindow()) {
            continue;
        }
        if (IsControl(child)) {
            visit(child);
        }
        if (!ResizesAsOne(child)) {
            WalkControls(child, visit);
        }
    }
}

int Scaled(int value, int multiplier, int divisor) {
    return RoundHalfEven(static_cast<double>(value) * multiplier / divisor);
}

} // namespace

void SetPageTabSize(QTabWidget* pages, int width, int height) {
    const int innerWidth = std::max(0, width - 2 * kTabBorder);
    const int innerHeight = std::max(0, height - kTabBorder);
    pages->tabBar()->setStyleSheet(
        QStringLiteral("QTabBar::tab { width: %1px; height: %2px; padding: 0px; margin: 0px;"
                       " border: %3px solid rgb(160, 160, 160); border-bottom: none;"
                       " background: rgb(218, 218, 218); }"
                       " QTabBar::tab:selected { background: palette(window); }"
                       " QTabBar::tab:hover:!selected { background: rgb(232, 232, 232); }")
            .arg(innerWidth)
            .arg(innerHeight)
            .arg(kTabBorder));
}

std::array<int, 11> GateColumnWidths(int clientWidth) {
    std::array<int, 11> widths{};
    int sum = 0;
    for (size_t i = 0; i + 1 < widths.size(); ++i) {
        widths[i] = RoundHalfEven(static_cast<double>(clientWidth) * kGateColumnWeights[i] /
                                  kGateColumnWeightSum);
        sum += widths[i];
    }
    widths.back() = std::max(0, clientWidth - sum - kGridLines);
    return widths;
}

QSize NormalClientSize(bool enlarged, const QSize& room) {
    if (!enlarged) {
        return kDesignClientSize;
    }
    const QSize grown(Scaled(kDesignClientSize.width(), 120, 100),
                      Scaled(kDesignClientSize.height(), 120, 100));
    return grown.boundedTo(room).expandedTo(kDesignClientSize);
}

int TabWidth(int pageControlWidth) {
    return std::max(0, (pageControlWidth - kTabAllowance) / kPageCount);
}

WindowResizer::WindowResizer(QWidget* window, MainWindowUi& ui) : window_(window), ui_(ui) {
    holdTimer_.setSingleShot(true);
    holdTimer_.setInterval(kHoldRetryMs);
    connect(&holdTimer_, &QTimer::timeout, this, &WindowResizer::TakeBackSize);
    ui_.Panel20->installEventFilter(this);
}

bool WindowResizer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_.Panel20 && event->type() == QEvent::Resize) {
        Panel20Resize();
    }
    return false;
}

void WindowResizer::FormActivate() {
    attached_ = true;
}

void WindowResizer::FormResize() {
    const Qt::WindowStates state = window_->windowState();
    const bool minimized = state.testFlag(Qt::WindowMinimized);
    const bool maximized =
        !minimized && (state.testFlag(Qt::WindowMaximized) || state.testFlag(Qt::WindowFullScreen));
    const bool normal = !minimized && !maximized;
    const bool stateChanged = resizeState_ == 0 || !normal || !wasNormal_;
    wasNormal_ = normal;
    if (attached_ && stateChanged) {
        StateStep(minimized, maximized);
    } else if (normal && !IsHeld()) {
        // A drag at the border, or a restore that put the grown window partly off the screen:
        // the layout is left as it is and the size and place are taken back once the window
        // manager has stopped moving the border.
        holdTimer_.start();
    }
    if (attached_) {
        ApplyGateColumns();
        ApplyTabWidth();
    }
}

void WindowResizer::StateStep(bool minimized, bool maximized) {
    if (resizeState_ == 0) {
        RecordLayout();
        resizeState_ = 1;
    } else if (minimized) {
        resizeState_ = 3;
    } else if (maximized) {
        // Also when maximized straight from the task bar, so that an enlarged layout is never
        // enlarged a second time; and a layout that was never enlarged is not shrunk.
        if (enlarged_) {
            ScaleLayout(100, 120);
            RestoreLayout();
            ApplyStateSizes(kGateRowHeight, kGateCaptionHeight, kPageTabHeight);
            enlarged_ = false;
        }
        resizeState_ = 1;
    } else {
        if (resizeState_ == 1 && EnlargedFitsScreen()) {
            // The window grows first, so that the controls aligned to it take the new room.
            enlarged_ = true;
            HoldNormalSize();
            ScaleLayout(120, 100);
            ApplyStateSizes(kEnlargedGateRowHeight, kEnlargedGateCaptionHeight,
                            kEnlargedPageTabHeight);
            ui_.lWarningVacuum->resize(ui_.lWarningVacuum->width(), kWarningHeight);
        }
        resizeState_ = 2;
    }
    if (maximized) {
        ReleaseSize();
    } else if (!minimized) {
        HoldNormalSize();
    }
}

bool WindowResizer::EnlargedFitsScreen() const {
    const QScreen* screen = window_->screen();
    return screen == nullptr ||
           EnlargedLayoutFits(kDesignClientSize, FrameMargins(), screen->availableGeometry());
}

QSize WindowResizer::FrameMargins() const {
    return (window_->frameGeometry().size() - window_->size()).expandedTo(QSize(0, 0));
}

QSize WindowResizer::HeldSize() const {
    const QScreen* screen = window_->screen();
    if (screen == nullptr) {
        return NormalClientSize(enlarged_, QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    }
    return NormalClientSize(enlarged_, screen->availableGeometry().size() - FrameMargins());
}

QPoint WindowResizer::OnScreenPosition(const QSize& client) const {
    const QScreen* screen = window_->screen();
    QRect frame(window_->frameGeometry().topLeft(), client + FrameMargins());
    if (screen != nullptr && window_->isVisible()) {
        const QRect available = screen->availableGeometry();
        frame.moveRight(std::min(frame.right(), available.right()));
        frame.moveBottom(std::min(frame.bottom(), available.bottom()));
        frame.moveLeft(std::max(frame.left(), available.left()));
        frame.moveTop(std::max(frame.top(), available.top()));
    }
    return frame.topLeft();
}

bool WindowResizer::IsHeld() const {
    const QSize client = HeldSize();
    return window_->size() == client &&
           window_->frameGeometry().topLeft() == OnScreenPosition(client);
}

void WindowResizer::HoldNormalSize() {
    const QSize client = HeldSize();
    // No maximum: a window manager offers maximize only to a window that may grow.
    window_->setMinimumSize(client);
    window_->resize(client);
    // Grown to the right or downwards, the window is moved back onto the screen.
    const QPoint position = OnScreenPosition(client);
    if (position != window_->frameGeometry().topLeft()) {
        window_->move(position);
    }
}

void WindowResizer::TakeBackSize() {
    const Qt::WindowStates state = window_->windowState();
    if (state.testAnyFlags(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen) ||
        IsHeld()) {
        return;
    }
    HoldNormalSize();
    // A window manager still dragging ignores the request; it is made again until it holds.
    holdTimer_.start();
}

void WindowResizer::ReleaseSize() {
    window_->setMinimumSize(kMinimumClientSize);
}

void WindowResizer::Panel20Resize() {
    ui_.pOther24->resize(ui_.Panel20->width() / 2, ui_.pOther24->height());
}

void WindowResizer::ClearLayoutTable() {
    layoutTable_.fill(LayoutEntry{});
    layoutCount_ = 0;
}

void WindowResizer::RecordLayout() {
    WalkControls(window_, [this](QWidget* control) {
        if (layoutCount_ < kLayoutTableSize) {
            layoutTable_[static_cast<size_t>(layoutCount_++)] = {control, control->geometry()};
        }
    });
}

void WindowResizer::RestoreLayout() {
    for (int i = 0; i < layoutCount_; ++i) {
        const LayoutEntry& entry = layoutTable_[static_cast<size_t>(i)];
        if (entry.control) {
            entry.control->setGeometry(entry.bounds);
        }
    }
    AlignTree(window_);
    if (reapplyInstallationMode) {
        reapplyInstallationMode();
    }
}

void WindowResizer::ScaleLayout(int multiplier, int divisor) {
    // The window's font scales with its controls' own fonts, so that text taken from the
    // window is not left smaller than text beside it (a bold Save button, the captions).
    QFont windowFont = window_->font();
    if (windowFont.pixelSize() > 0) {
        windowFont.setPixelSize(std::max(1, Scaled(windowFont.pixelSize(), multiplier, divisor)));
        window_->setFont(windowFont);
    }
    QWidget* header = ui_.Panel1;
    WalkControls(window_, [multiplier, divisor, header](QWidget* control) {
        const QRect bounds = control->geometry();
        // The header is never higher than at design, so its controls only widen.
        if (control == header || header->isAncestorOf(control)) {
            control->setGeometry(Scaled(bounds.left(), multiplier, divisor), bounds.top(),
                                 Scaled(bounds.width(), multiplier, divisor), bounds.height());
            return;
        }
        control->setGeometry(Scaled(bounds.left(), multiplier, divisor),
                             Scaled(bounds.top(), multiplier, divisor),
                             Scaled(bounds.width(), multiplier, divisor),
                             Scaled(bounds.height(), multiplier, divisor));
        if (control->testAttribute(Qt::WA_SetFont)) {
            QFont font = control->font();
            if (font.pixelSize() > 0) {
                font.setPixelSize(std::max(1, Scaled(font.pixelSize(), multiplier, divisor)));
            } else {
                font.setPointSizeF(font.pointSizeF() * multiplier / divisor);
            }
            control->setFont(font);
        }
    });
    AlignTree(window_);
}

void WindowResizer::ApplyStateSizes(int rowHeight, int captionHeight, int tabHeight) {
    ui_.gData->verticalHeader()->setDefaultSectionSize(rowHeight);
    ui_.gData->horizontalHeader()->setFixedHeight(captionHeight);
    tabHeight_ = tabHeight;
    QFont warning = ui_.lWarningVacuum->font();
    warning.setPixelSize(kWarningFontPixels);
    ui_.lWarningVacuum->setFont(warning);
    ui_.Panel25->resize(ui_.Panel25->width(), ui_.pMSMode->height() - kPictureHeightAllowance);
}

void WindowResizer::ApplyGateColumns() {
    const int clientWidth = ui_.gData->width() - 2 * ui_.gData->frameWidth();
    const std::array<int, 11> widths = GateColumnWidths(clientWidth);
    // Qt draws each grid line inside the column before it, so every column but the last
    // takes its line: the columns then fill the client width without a gap.
    for (size_t column = 0; column < widths.size(); ++column) {
        const int gridLine = column + 1 < widths.size() ? 1 : 0;
        ui_.gData->setColumnWidth(static_cast<int>(column), widths[column] + gridLine);
    }
}

void WindowResizer::ApplyTabWidth() {
    SetPageTabSize(ui_.pcPages, TabWidth(ui_.pcPages->width()), tabHeight_);
}
