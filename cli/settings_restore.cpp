#include "cli/settings_restore.h"

#include "core/path_calls.h"
#include "data/settings_file.h"
#include "data/slave_link.h"

RestorePrepared PrepareRestore(const QString& path, ControllerSession& session) {
    RestorePrepared prepared;
    const PathEntry file = EntryAt(path, Links::Followed);
    if (file.kind == PathKind::File && file.size != kSettingsFileSize) {
        prepared.error = QStringLiteral("not a settings file: %1 bytes, %2 expected")
                             .arg(file.size)
                             .arg(kSettingsFileSize);
        return prepared;
    }
    const SettingsFileLoaded loaded = session.LoadSettings(path);
    if (!loaded.ok) {
        prepared.error = loaded.error;
        return prepared;
    }
    prepared.bounded = session.LoadCorrections();
    session.SetInstallationMode(session.Images().SystemSettings.Edited.InstallationMode());
    session.ShowGateTables();

    prepared.ok = true;
    prepared.writeJobs = SaveWriteJobs(session.InstallationMode(), session.SlaveConnected());
    const ControllerImages& images = session.Images();
    for (const WriteJobLog& log : kWriteJobLogs) {
        const BlockSpec* block = BlockForJob(log.job);
        if ((prepared.writeJobs & log.job) != 0 && images.IsChanged(block->id))
            prepared.changedBlocks << BlockInWords(block->id);
    }
    for (const SettingChange& change :
         PendingChanges(images, session.Features(), session.InstallationMode())) {
        if (prepared.changedBlocks.contains(change.block))
            prepared.changes << change;
    }
    return prepared;
}
