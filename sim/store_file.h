#pragma once
// --store-file: the settings blocks as the unit keeps them, for a check of what a save really
// left in the controller.

#include <QString>

namespace vt12sim {

class ControllerModel;

// One line per settings block: its first holding register, a space, its bytes in hex. The
// file is replaced as a whole, so a reader never sees half of it; false with the reason in
// *error.
bool writeStoreFile(const QString& path, const ControllerModel& model, QString* error);

} // namespace vt12sim
