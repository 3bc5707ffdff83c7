#pragma once
// restore FILE: the settings file loaded as "Load from File" loads it, then the save that
// "Save to Vantor" starts, listed before it is started.

#include "monitor/pending_changes.h"
#include "session/controller_session.h"

#include <QStringList>

struct RestorePrepared {
    bool ok = false;
    QString error;
    // Values outside their limits, as bounded: the file is not written without --force.
    QStringList bounded;
    // In the order of the writes: "gate settings", "system settings", ...
    QStringList changedBlocks;
    // Setting by setting, of the blocks the save writes.
    QList<SettingChange> changes;
    uint32_t writeJobs = 0;
};

// Loads the file into the edited images as the SETUP page loads it. A file of another size than
// a settings file is refused: unattended, a wrong file would be written to the unit.
RestorePrepared PrepareRestore(const QString& path, ControllerSession& session);
