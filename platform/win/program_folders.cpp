#include "platform/program_folders.h"

QStringList SystemProgramFolders() {
    QStringList dirs;
    for (const char* name : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432", "SystemRoot"}) {
        const QString dir = qEnvironmentVariable(name);
        if (!dir.isEmpty())
            dirs.append(dir);
    }
    return dirs;
}

QByteArray RunningProgramPath() {
    return {};
}

QList<const char*> UserFolderVariables() {
    return {};
}
