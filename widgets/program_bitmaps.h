#pragma once
// The pictures carried inside the program, looked up by their resource name
// ("GATEOPEN", "CHECKBOXCHECKED", "LOGOVELDRA", "MS_MS", ...).

#include <QPixmap>
#include <QString>
#include <QStringList>

// The picture at its design size on an opaque white background; a null pixmap for an
// unknown name.
QPixmap ProgramBitmap(const QString& name);

// Every resource name, for listings and checks.
QStringList ProgramBitmapNames();
