#include "window/open_over_main.h"

#include "window/window_fit.h"

#include <QScreen>
#include <QWidget>

namespace {
const char* const kPlacedProperty = "vt12Placed";
} // namespace

void OpenOverMainWindow(QWidget* window, QWidget* main) {
    if (!window->property(kPlacedProperty).toBool()) {
        window->setProperty(kPlacedProperty, true);
        // A separate window does not inherit its parent's font.
        window->setFont(main->font());
        QSize frame = main->frameGeometry().size() - main->size();
        if (frame.isEmpty())
            frame = kUsualFrame;
        if (const QScreen* screen = main->screen()) {
            const QRect placed = PlaceWindow(main->frameGeometry(), window->size() + frame,
                                             screen->availableGeometry());
            window->resize(placed.size() - frame);
            window->move(placed.topLeft());
        }
    }
    window->show();
    window->raise();
    window->activateWindow();
}
