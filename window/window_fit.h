#pragma once
// Where the program's windows go on a screen: plain geometry, free of widgets. "available" is
// the screen's available geometry (without task bars), "frame" what the window manager's
// frame adds to a client area (title bar and borders).

#include <QRect>
#include <QSize>

// A title bar and borders as window managers commonly draw them, for a window not shown yet.
inline constexpr QSize kUsualFrame{8, 31};

// The enlarged layout (6/5 of the design) only where it fits the room whole, frame included;
// on a smaller screen it would cut off the lower part of the pages.
bool EnlargedLayoutFits(const QSize& design, const QSize& frame, const QRect& available);

// A window's frame rectangle of the wanted size, no larger than the room, centred on "over"
// (the main window's frame) and moved wholly into the room, so its title bar is on the screen.
QRect PlaceWindow(const QRect& over, const QSize& wanted, const QRect& available);
