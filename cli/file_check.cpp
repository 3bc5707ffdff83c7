#include "cli/file_check.h"

#include "core/path_calls.h"
#include "data/settings_file.h"
#include "firmware/firmware_file.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString named(const QString& path, const QString& why) {
    return QDir::toNativeSeparators(path) + QStringLiteral(": ") + why;
}

QString settingsFileProblem(const QString& path) {
    QFile file;
    if (const QString error = OpenExact(file, path, QIODevice::ReadOnly); !error.isEmpty())
        return named(path, error);
    if (file.size() != kSettingsFileSize)
        return named(path, QStringLiteral("not a settings file: %1 bytes, %2 expected")
                               .arg(file.size())
                               .arg(kSettingsFileSize));
    return {};
}

QString firmwareFileProblem(const QString& path) {
    FirmwareFile file;
    const FirmwareFileCheck check = file.Validate(path);
    if (!check.readError.isEmpty())
        return named(path, check.readError);
    if (!check.verdict.Accepted())
        return named(path, check.verdict.Text());
    return {};
}

// The file itself is written at the end; only where it goes is known now.
QString backupProblem(const CliRequest& request) {
    // QFileInfo takes the folder from the name alone; asking it about the disk would lose
    // bytes that are no UTF-8.
    const QString folder = request.allPorts ? request.file : QFileInfo(request.file).path();
    if (EntryAt(folder, Links::Followed).kind != PathKind::Folder)
        return named(folder, QStringLiteral("no such folder"));
    if (!request.allPorts && EntryAt(request.file, Links::Followed).kind == PathKind::Folder)
        return named(request.file, QStringLiteral("is a folder"));
    return {};
}
} // namespace

QString FileProblem(const CliRequest& request) {
    switch (request.command) {
    case CliCommand::Restore:
    case CliCommand::Show:
        return settingsFileProblem(request.file);
    case CliCommand::Diff: {
        const QString first = settingsFileProblem(request.file);
        if (!first.isEmpty() || request.otherFile.isEmpty())
            return first;
        return settingsFileProblem(request.otherFile);
    }
    case CliCommand::Firmware:
        return firmwareFileProblem(request.file);
    case CliCommand::Backup:
        return backupProblem(request);
    default:
        return {};
    }
}
