#pragma once
// What the simulator's --store-file says the controller keeps: settings blocks by their first
// register.

#include <QByteArray>
#include <QHash>
#include <QString>

using ControllerStore = QHash<int, QByteArray>;

// Empty when the file cannot be read.
ControllerStore ReadControllerStore(const QString& path);
