#include "app/program_files.h"

#include <QDir>

QStringList ProgramFileDirectories(const QString& programDir) {
    const QString installed =
        QDir::cleanPath(programDir + QStringLiteral("/../share/vt12set")) + QDir::separator();
    return {programDir, QDir::toNativeSeparators(installed)};
}

QString FindProgramFile(const QString& programDir, const QString& pattern) {
    for (const QString& dir : ProgramFileDirectories(programDir)) {
        const QStringList found = QDir(dir).entryList({pattern}, QDir::Files, QDir::Name);
        if (!found.isEmpty())
            return dir + found.first();
    }
    return {};
}
