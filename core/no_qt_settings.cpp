#include "core/no_qt_settings.h"

#include <QSettings>

void KeepNoQtSettings() {
    // Nothing can be created below a file, so Qt's settings are read as empty and never
    // written. (On Windows they live in the registry, which this does not reach.)
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
}
