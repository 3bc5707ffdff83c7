#pragma once
// Where programs and their users' files are on this system.

#include <QByteArray>
#include <QList>
#include <QStringList>

// The folders the system installs programs in.
QStringList SystemProgramFolders();

// The running program's file as the system names it; empty where it cannot say.
QByteArray RunningProgramPath();

// The environment variables Qt builds the user's standard folders from (HOME and the XDG
// folders); none where Qt asks the system instead.
QList<const char*> UserFolderVariables();
