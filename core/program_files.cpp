#include "core/program_files.h"

#include "core/path_calls.h"

#include <QDir>

#include <algorithm>

namespace {
QStringList SystemDirectories() {
#ifdef Q_OS_WIN
    QStringList dirs;
    for (const char* name : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432", "SystemRoot"}) {
        const QString dir = qEnvironmentVariable(name);
        if (!dir.isEmpty())
            dirs.append(dir);
    }
    return dirs;
#else
    return {QStringLiteral("/usr"), QStringLiteral("/bin"), QStringLiteral("/sbin")};
#endif
}

bool IsWithin(const QString& path, const QString& dir) {
    const QString inner = QDir::cleanPath(QDir::fromNativeSeparators(path)) + u'/';
    const QString outer = QDir::cleanPath(QDir::fromNativeSeparators(dir)) + u'/';
#ifdef Q_OS_WIN
    return inner.startsWith(outer, Qt::CaseInsensitive);
#else
    return inner.startsWith(outer);
#endif
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
    const QStringList system = SystemDirectories();
    return std::any_of(system.begin(), system.end(),
                       [&](const QString& dir) { return IsWithin(programDir, dir); });
}
