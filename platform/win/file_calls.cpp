#include "platform/file_calls.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

Qt::CaseSensitivity FileNameCase() {
    return Qt::CaseInsensitive;
}

bool FileNamesAreBytes() {
    return false;
}

PathEntry EntryAt(const SystemPath& path, Links links) {
    const QFileInfo info(path.text);
    if (links == Links::NotFollowed && info.isSymLink())
        return {PathKind::Link, 0};
    if (!info.exists())
        return {};
    if (info.isFile())
        return {PathKind::File, info.size()};
    return {info.isDir() ? PathKind::Folder : PathKind::Other, 0};
}

bool IsWritableFolder(const SystemPath& path) {
    const QFileInfo info(path.text);
    return info.isDir() && info.isWritable();
}

bool MakeFolders(const SystemPath& path) {
    return QDir().mkpath(path.text);
}

bool RemoveFile(const SystemPath& path) {
    return QFile::remove(path.text);
}

bool RenameFile(const SystemPath& from, const SystemPath& to) {
    return QFile::rename(from.text, to.text);
}

QString OpenExact(QFile& file, const SystemPath& path, QIODevice::OpenMode mode) {
    if (!(mode & QIODevice::WriteOnly) && EntryAt(path, Links::Followed).kind != PathKind::File)
        return QStringLiteral("Not a regular file");
    file.setFileName(path.text);
    return file.open(mode) ? QString() : file.errorString();
}

QStringList RegularFilesIn(const SystemPath& folder, QString (*)(const QByteArray&)) {
    return QDir(folder.text).entryList(QDir::Files | QDir::Readable | QDir::NoSymLinks, QDir::Name);
}

struct SystemFileAside::Parts {
    QSaveFile file;
};

SystemFileAside::SystemFileAside(const SystemPath& path) : parts_(new Parts) {
    parts_->file.setFileName(path.text);
}

SystemFileAside::~SystemFileAside() = default;

QString SystemFileAside::Open() {
    return parts_->file.open(QIODevice::WriteOnly) ? QString() : parts_->file.errorString();
}

QFileDevice& SystemFileAside::Device() {
    return parts_->file;
}

QString SystemFileAside::Commit() {
    return parts_->file.commit() ? QString() : parts_->file.errorString();
}

void SystemFileAside::Cancel() {
    parts_->file.cancelWriting();
}
