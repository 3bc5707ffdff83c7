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
