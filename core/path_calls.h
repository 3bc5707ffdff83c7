#pragma once
// The file-system calls the program makes, on a path's exact bytes (see app/path_bytes.h): on
// POSIX systems by open(2) and its kin, elsewhere by Qt's own classes.

#include <QFile>
#include <QString>
#include <QStringList>

#ifndef Q_OS_UNIX
#include <QSaveFile>
#endif

enum class PathKind { Missing, File, Link, Folder, Other };
enum class Links { Followed, NotFollowed };

struct PathEntry {
    PathKind kind = PathKind::Missing;
    qint64 size = 0;
};

// What path names; a link is one only when not followed.
PathEntry EntryAt(const QString& path, Links links);

bool IsWritableFolder(const QString& path);

// The folder and those above it that are missing; whether it is a folder afterwards.
bool MakeFolders(const QString& path);

bool RemoveFile(const QString& path);
// Replaces to, never following a link there.
bool RenameFile(const QString& from, const QString& to);

// Opens path into file (a QFile without a name of its own). Only a regular file is read or
// written; writing never follows a link, and with QIODevice::NewOnly creates the file or fails.
// Empty when opened, else why not.
QString OpenExact(QFile& file, const QString& path, QIODevice::OpenMode mode);

// The regular files in folder, links left out, sorted by name.
QStringList RegularFilesIn(const QString& folder);

// A file written beside path and put in its place only by Commit, as QSaveFile does.
class FileAside {
public:
    explicit FileAside(const QString& path);
    ~FileAside();
    FileAside(const FileAside&) = delete;
    FileAside& operator=(const FileAside&) = delete;

    // Empty when opened, else why not.
    QString Open();
    QFileDevice& Device();
    // Empty when the file took the place of the old one, else why not; the old one is kept.
    QString Commit();
    void Cancel();

private:
    QString path_;
#ifdef Q_OS_UNIX
    QString aside_;
    QFile file_;
#else
    QSaveFile file_;
#endif
};
