#pragma once
// The file-system calls as this system makes them: POSIX calls on a path's exact bytes, or on
// Windows, where names are UTF-16 text, Qt's own classes.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <memory>

// A path in both forms; each system's calls take the one that is exact there. The caller makes
// the bytes, keeping those that are no UTF-8.
struct SystemPath {
    QString text;
    QByteArray bytes;
};

// Whether a file's name is any bytes (POSIX) rather than UTF-16 text (Windows).
bool FileNamesAreBytes();

// Whether two names that differ in case only name two files.
Qt::CaseSensitivity FileNameCase();

enum class PathKind { Missing, File, Link, Folder, Other };
enum class Links { Followed, NotFollowed };

struct PathEntry {
    PathKind kind = PathKind::Missing;
    qint64 size = 0;
};

// What path names; a link is one only when not followed.
PathEntry EntryAt(const SystemPath& path, Links links);

bool IsWritableFolder(const SystemPath& path);

// The folder and those above it that are missing; whether it is a folder afterwards.
bool MakeFolders(const SystemPath& path);

bool RemoveFile(const SystemPath& path);
// Replaces to, never following a link there.
bool RenameFile(const SystemPath& from, const SystemPath& to);

// Opens path into file (a QFile without a name of its own). Only a regular file is read or
// written; writing never follows a link, and with QIODevice::NewOnly creates the file or fails.
// Empty when opened, else why not.
QString OpenExact(QFile& file, const SystemPath& path, QIODevice::OpenMode mode);

// The regular files in folder, links left out, sorted by name; nameOf turns a name the system
// gives as bytes into text.
QStringList RegularFilesIn(const SystemPath& folder, QString (*nameOf)(const QByteArray&));

// A file written beside its path and put in its place only by Commit, as QSaveFile does.
class SystemFileAside {
public:
    explicit SystemFileAside(const SystemPath& path);
    ~SystemFileAside();
    SystemFileAside(const SystemFileAside&) = delete;
    SystemFileAside& operator=(const SystemFileAside&) = delete;

    // Empty when opened, else why not.
    QString Open();
    QFileDevice& Device();
    // Empty when the file took the place of the old one, else why not; the old one is kept.
    QString Commit();
    void Cancel();

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};
