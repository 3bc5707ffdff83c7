#include "core/path_calls.h"

#include "core/path_bytes.h"

namespace {
SystemPath InBothForms(const QString& path) {
    return {path, PathBytes(path)};
}
} // namespace

PathEntry EntryAt(const QString& path, Links links) {
    return EntryAt(InBothForms(path), links);
}

bool IsWritableFolder(const QString& path) {
    return IsWritableFolder(InBothForms(path));
}

bool MakeFolders(const QString& path) {
    return MakeFolders(InBothForms(path));
}

bool RemoveFile(const QString& path) {
    return RemoveFile(InBothForms(path));
}

bool RenameFile(const QString& from, const QString& to) {
    return RenameFile(InBothForms(from), InBothForms(to));
}

QString OpenExact(QFile& file, const QString& path, QIODevice::OpenMode mode) {
    return OpenExact(file, InBothForms(path), mode);
}

QStringList RegularFilesIn(const QString& folder) {
    return RegularFilesIn(InBothForms(folder), PathFromBytes);
}

FileAside::FileAside(const QString& path) : SystemFileAside(InBothForms(path)) {}
