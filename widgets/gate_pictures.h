#pragma once
// The five gate-state pictures, loaded once by the main window and shown by every gate frame.

#include <QPixmap>

struct GatePictures {
    QPixmap imGateOpen;
    QPixmap imGateClose;
    QPixmap imGateND;
    QPixmap imGateOpening;
    QPixmap imGateClosing;

    // Loads them from the program's bitmaps, white made transparent.
    static GatePictures FromResources();

    // Kind 0 disabled, 1 opening, 2 closing, 3 open, 4 closed; a null pixmap for other kinds.
    QPixmap ForKind(int kind) const;
};
