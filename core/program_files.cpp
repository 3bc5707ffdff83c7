#include "core/program_files.h"

#include "core/path_calls.h"
#include "platform/program_folders.h"

#include <QDir>

#include <algorithm>

namespace {
bool IsWithin(const QString& path, const QString& dir) {
    const QString inner = QDir::cleanPath(QDir::fromNativeSeparators(path)) + u'/';
    const QString outer = QDir::cleanPath(QDir::fromNativeSeparators(dir)) + u'/';
    return inner.startsWith(outer, FileNameCase());
}
} // namespace

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

bool IsInstalledProgramDirectory(const QString& programDir) {
    if (EntryAt(ProgramFileDirectories(programDir).constLast(), Links::Followed).kind ==
        PathKind::Folder)
        return true;
    const QStringList system = SystemProgramFolders();
    return std::any_of(system.begin(), system.end(),
                       [&](const QString& dir) { return IsWithin(programDir, dir); });
}
