#include "cli/command_run.h"
#include "cli/settings_in_text.h"
#include "cli/terminal_text.h"
#include "data/installation_mode.h"
#include "data/settings_file.h"

#include <QDir>

// diff FILE: the controller's settings against the file's, as restore --dry-run would list them.
void CommandRun::Diff() {
    auto images = std::make_unique<ControllerImages>(session_.Images());
    const SettingsFileLoaded loaded = LoadSettingsFile(request_.file, *images);
    if (!loaded.ok) {
        err_ << TerminalText(QDir::toNativeSeparators(request_.file)) << ": "
             << TerminalText(loaded.error) << Qt::endl;
        Finish(ExitCode::FileRejected);
        return;
    }
    const int fileMode = images->SystemSettings.Edited.InstallationMode();
    const int mode = fileMode == kInstallationMasterSlave ? fileMode : session_.InstallationMode();
    out_ << ChangesText(PendingChanges(*images, session_.Features(), mode)) << Qt::flush;
    Finish(ExitCode::Done);
}
