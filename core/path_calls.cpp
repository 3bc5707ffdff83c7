#include "core/path_calls.h"

#include "core/path_bytes.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef Q_OS_UNIX
namespace {
// Taken by chance or on purpose, a name aside gets another random part; never an endless loop.
constexpr int kAsideAttempts = 8;

QString ErrorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

PathKind KindOf(mode_t mode) {
    if (S_ISREG(mode))
        return PathKind::File;
    if (S_ISLNK(mode))
        return PathKind::Link;
    if (S_ISDIR(mode))
        return PathKind::Folder;
    return PathKind::Other;
}

QString AsideName(const QString& path) {
    return path + QStringLiteral(".%1").arg(QRandomGenerator::system()->generate(), 8, 16,
                                            QLatin1Char('0'));
}

// As OpenExact, a new file created with permissions (less the umask).
QString OpenExactWith(QFile& file, const QString& path, QIODevice::OpenMode mode,
                      mode_t permissions) {
    // Non-blocking: a pipe without a writer or a reader must not hold the program up; for a
    // regular file, the only kind kept open, the flag means nothing.
    int flags = O_CLOEXEC | O_NONBLOCK;
    if (mode & QIODevice::WriteOnly) {
        flags |= O_WRONLY | O_CREAT | O_NOFOLLOW;
        if (mode & QIODevice::NewOnly)
            flags |= O_EXCL;
        if (mode & QIODevice::Append)
            flags |= O_APPEND;
    } else {
        flags |= O_RDONLY;
    }
    const int fd = ::open(PathBytes(path).constData(), flags, permissions);
    if (fd < 0)
        return ErrorText(errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return QStringLiteral("Not a regular file");
    }
    if (!file.open(fd, mode & ~QIODevice::NewOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
    return {};
}
} // namespace

PathEntry EntryAt(const QString& path, Links links) {
    struct stat st {};
    const QByteArray bytes = PathBytes(path);
    const int result =
        links == Links::Followed ? ::stat(bytes.constData(), &st) : ::lstat(bytes.constData(), &st);
    if (result != 0)
        return {};
    return {KindOf(st.st_mode), static_cast<qint64>(st.st_size)};
}

bool IsWritableFolder(const QString& path) {
    return EntryAt(path, Links::Followed).kind == PathKind::Folder &&
           ::access(PathBytes(path).constData(), W_OK | X_OK) == 0;
}

bool MakeFolders(const QString& path) {
    const QByteArray bytes = PathBytes(path);
    for (qsizetype slash = bytes.indexOf('/', 1); slash > 0; slash = bytes.indexOf('/', slash + 1))
        ::mkdir(bytes.left(slash).constData(), 0777);
    ::mkdir(bytes.constData(), 0777);
    return EntryAt(path, Links::Followed).kind == PathKind::Folder;
}

bool RemoveFile(const QString& path) {
    return ::unlink(PathBytes(path).constData()) == 0;
}

bool RenameFile(const QString& from, const QString& to) {
    return ::rename(PathBytes(from).constData(), PathBytes(to).constData()) == 0;
}

QString OpenExact(QFile& file, const QString& path, QIODevice::OpenMode mode) {
    return OpenExactWith(file, path, mode, 0666);
}

QStringList RegularFilesIn(const QString& folder) {
    QStringList names;
    DIR* dir = ::opendir(PathBytes(folder).constData());
    if (!dir)
        return names;
    const int fd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        struct stat st {};
        if (::fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
            ::faccessat(fd, entry->d_name, R_OK, 0) == 0)
            names.append(PathFromBytes(QByteArray(entry->d_name)));
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

FileAside::FileAside(const QString& path) : path_(path) {}

FileAside::~FileAside() {
    if (file_.isOpen())
        Cancel();
}

QString FileAside::Open() {
    // As QSaveFile: a file kept from writing is not replaced either, and until it has the old
    // file's rights the new one is the owner's alone.
    struct stat st {};
    const bool replacing = ::stat(PathBytes(path_).constData(), &st) == 0;
    if (replacing && ::access(PathBytes(path_).constData(), W_OK) != 0)
        return QStringLiteral("The file is write-protected; not written over");
    QString error;
    for (int attempt = 0; attempt < kAsideAttempts; ++attempt) {
        aside_ = AsideName(path_);
        error = OpenExactWith(file_, aside_, QIODevice::WriteOnly | QIODevice::NewOnly,
                              replacing ? 0600 : 0666);
        if (error.isEmpty())
            break;
        if (EntryAt(aside_, Links::NotFollowed).kind == PathKind::Missing)
            return error;
    }
    if (!error.isEmpty())
        return error;
    if (replacing && ::fchmod(file_.handle(), st.st_mode & 07777) != 0) {
        error = ErrorText(errno);
        Cancel();
    }
    return error;
}

QFileDevice& FileAside::Device() {
    return file_;
}

QString FileAside::Commit() {
    QString error;
    if (!file_.flush() || file_.error() != QFileDevice::NoError)
        error = file_.errorString();
    else if (::fsync(file_.handle()) != 0 && errno != EINVAL) // EINVAL: cannot be synced
        error = ErrorText(errno);
    if (!error.isEmpty()) {
        Cancel();
        return error;
    }
    file_.close();
    if (file_.error() != QFileDevice::NoError) {
        error = file_.errorString();
        RemoveFile(aside_);
        return error;
    }
    if (!RenameFile(aside_, path_)) {
        error = ErrorText(errno);
        RemoveFile(aside_);
    }
    return error;
}

void FileAside::Cancel() {
    file_.close();
    RemoveFile(aside_);
}

#else

PathEntry EntryAt(const QString& path, Links links) {
    const QFileInfo info(path);
    if (links == Links::NotFollowed && info.isSymLink())
        return {PathKind::Link, 0};
    if (!info.exists())
        return {};
    if (info.isFile())
        return {PathKind::File, info.size()};
    return {info.isDir() ? PathKind::Folder : PathKind::Other, 0};
}

bool IsWritableFolder(const QString& path) {
    const QFileInfo info(path);
    return info.isDir() && info.isWritable();
}

bool MakeFolders(const QString& path) {
    return QDir().mkpath(path);
}

bool RemoveFile(const QString& path) {
    return QFile::remove(path);
}

bool RenameFile(const QString& from, const QString& to) {
    return QFile::rename(from, to);
}

QString OpenExact(QFile& file, const QString& path, QIODevice::OpenMode mode) {
    if (!(mode & QIODevice::WriteOnly) && EntryAt(path, Links::Followed).kind != PathKind::File)
        return QStringLiteral("Not a regular file");
    file.setFileName(path);
    return file.open(mode) ? QString() : file.errorString();
}

QStringList RegularFilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Readable | QDir::NoSymLinks, QDir::Name);
}

FileAside::FileAside(const QString& path) : path_(path), file_(path) {}

FileAside::~FileAside() = default;

QString FileAside::Open() {
    return file_.open(QIODevice::WriteOnly) ? QString() : file_.errorString();
}

QFileDevice& FileAside::Device() {
    return file_;
}

QString FileAside::Commit() {
    return file_.commit() ? QString() : file_.errorString();
}

void FileAside::Cancel() {
    file_.cancelWriting();
}

#endif
