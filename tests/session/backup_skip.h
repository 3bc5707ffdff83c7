#pragma once
// Why a settings backup was not made, as a test's data rows carry it.

#include "session/settings_backup.h"

#include <QMetaType>

using Skip = SettingsBackupDecision::Skip;
Q_DECLARE_METATYPE(Skip)
