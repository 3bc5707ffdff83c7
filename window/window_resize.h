#pragma once
// The main window's own layout rule: the layout is recorded at the first resize after the first
// activation, enlarged by 6/5 in the normal window state where the screen holds it, and
// restored when maximized again.
// In the normal state the window's size is held: its client area fits the layout, enlarged or
// not, as far as the screen allows, and a drag at the border is undone without enlarging.

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QTimer>
#include <array>
#include <functional>

class QTabWidget;
class QWidget;
struct MainWindowUi;

inline constexpr int kPageTabWidth = 200;
inline constexpr int kPageTabHeight = 25;
inline constexpr int kEnlargedPageTabHeight = 29;
inline constexpr int kGateRowHeight = 19;
inline constexpr int kEnlargedGateRowHeight = 22;
inline constexpr int kGateCaptionHeight = 32;
inline constexpr int kEnlargedGateCaptionHeight = 38;

// Every page tab of the page control gets exactly this size in pixels.
void SetPageTabSize(QTabWidget* pages, int width, int height);

// Widths of the 11 gate table columns for a table of that client width.
std::array<int, 11> GateColumnWidths(int clientWidth);
// Client size held in the normal window state: the design size, or with the layout enlarged
// the enlarged size as far as the room on the screen allows, never below the design size.
QSize NormalClientSize(bool enlarged, const QSize& room);
// Width of each of the five page tabs for a page control of that width.
int TabWidth(int pageControlWidth);

struct LayoutEntry {
    QPointer<QWidget> control;
    QRect bounds;
};

class WindowResizer : public QObject {
public:
    static constexpr int kLayoutTableSize = 512;

    // Panel20's resizes are followed from construction on; the window's resizes once
    // FormActivate has run: before that FormResize does nothing.
    WindowResizer(QWidget* window, MainWindowUi& ui);

    // Call on every activation of the window.
    void FormActivate();
    // Call on every change of the window's size or state; before FormActivate it only holds
    // the size.
    void FormResize();
    void Panel20Resize();
    void ClearLayoutTable();

    // Run at the end of every restore of the recorded layout.
    std::function<void()> reapplyInstallationMode;

    int ResizeState() const { return resizeState_; }
    bool IsAttached() const { return attached_; }
    int LayoutCount() const { return layoutCount_; }
    const std::array<LayoutEntry, kLayoutTableSize>& LayoutTable() const { return layoutTable_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StateStep(bool minimized, bool maximized);
    void RecordLayout();
    void RestoreLayout();
    void ScaleLayout(int multiplier, int divisor);
    void ApplyStateSizes(int rowHeight, int captionHeight, int tabHeight);
    void ApplyGateColumns();
    void ApplyTabWidth();
    // The enlarged layout is taken only where the screen holds it whole.
    bool EnlargedFitsScreen() const;
    // Width and height the window manager's frame adds to the client area.
    QSize FrameMargins() const;
    QSize HeldSize() const;
    // Where the window's frame goes so that a client area of that size is on the screen.
    QPoint OnScreenPosition(const QSize& client) const;
    bool IsHeld() const;
    void HoldNormalSize();
    void TakeBackSize();
    void ReleaseSize();

    QWidget* window_;
    MainWindowUi& ui_;
    std::array<LayoutEntry, kLayoutTableSize> layoutTable_{};
    int layoutCount_ = 0;
    int resizeState_ = 0;
    int tabHeight_ = kPageTabHeight;
    bool attached_ = false;
    bool enlarged_ = false;
    bool wasNormal_ = true;
    QTimer holdTimer_;
};
