#pragma once
// The file-system calls the program makes, on a path's exact bytes (see app/path_bytes.h): on
// POSIX systems by open(2) and its kin, elsewhere by Qt's own classes (platform/file_calls.h says
// what each call does).

#include "platform/file_calls.h"

#include <QFile>
#include <QString>
#include <QStringList>

PathEntry EntryAt(const QString& path, Links links);
bool IsWritableFolder(const QString& path);
bool MakeFolders(const QString& path);
bool RemoveFile(const QString& path);
bool RenameFile(const QString& from, const QString& to);
QString OpenExact(QFile& file, const QString& path, QIODevice::OpenMode mode);
QStringList RegularFilesIn(const QString& folder);

class FileAside : public SystemFileAside {
public:
    explicit FileAside(const QString& path);
};
