#pragma once
// Files the program reads beside itself (the help page): a portable copy keeps them in the
// program's directory, an installed one in <prefix>/share/vt12set beside <prefix>/bin.

#include <QString>
#include <QStringList>

// The program's directory (with a trailing separator) first, then the installed data directory.
QStringList ProgramFileDirectories(const QString& programDir);

// The first file, by name, matching pattern in the first of those directories that has one;
// empty when there is none.
QString FindProgramFile(const QString& programDir, const QString& pattern);

// An installed program: its data directory exists beside bin, or it lives in a directory the
// system owns (/usr, /bin, /sbin; Program Files and the Windows directory), which stays so
// even where the user may write to it (root, an administrator).
bool IsInstalledProgramDirectory(const QString& programDir);
