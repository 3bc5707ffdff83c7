#pragma once
// The application's title: the name message boxes carry. Kept apart from Qt's display name,
// which the platform would append to every window caption.

#include <QString>

void SetApplicationTitle(const QString& title);
QString ApplicationTitle();
