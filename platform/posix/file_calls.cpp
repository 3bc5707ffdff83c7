#include "platform/file_calls.h"

#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

PathEntry EntryOf(const QByteArray& path, Links links) {
    struct stat st {};
    const int result =
        links == Links::Followed ? ::stat(path.constData(), &st) : ::lstat(path.constData(), &st);
    if (result != 0)
        return {};
    return {KindOf(st.st_mode), static_cast<qint64>(st.st_size)};
}

QByteArray AsideName(const QByteArray& path) {
    return path + '.' +
           QByteArray::number(QRandomGenerator::system()->generate(), 16).rightJustified(8, '0');
}

// As OpenExact, a new file created with permissions (less the umask).
QString OpenExactWith(QFile& file, const QByteArray& path, QIODevice::OpenMode mode,
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
    const int fd = ::open(path.constData(), flags, permissions);
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

Qt::CaseSensitivity FileNameCase() {
    return Qt::CaseSensitive;
}

bool FileNamesAreBytes() {
    return true;
}

PathEntry EntryAt(const SystemPath& path, Links links) {
    return EntryOf(path.bytes, links);
}

bool IsWritableFolder(const SystemPath& path) {
    return EntryOf(path.bytes, Links::Followed).kind == PathKind::Folder &&
           ::access(path.bytes.constData(), W_OK | X_OK) == 0;
}

bool MakeFolders(const SystemPath& path) {
    const QByteArray& bytes = path.bytes;
    for (qsizetype slash = bytes.indexOf('/', 1); slash > 0; slash = bytes.indexOf('/', slash + 1))
        ::mkdir(bytes.left(slash).constData(), 0777);
    ::mkdir(bytes.constData(), 0777);
    return EntryOf(bytes, Links::Followed).kind == PathKind::Folder;
}

bool RemoveFile(const SystemPath& path) {
    return ::unlink(path.bytes.constData()) == 0;
}

bool RenameFile(const SystemPath& from, const SystemPath& to) {
    return ::rename(from.bytes.constData(), to.bytes.constData()) == 0;
}

QString OpenExact(QFile& file, const SystemPath& path, QIODevice::OpenMode mode) {
    return OpenExactWith(file, path.bytes, mode, 0666);
}

QStringList RegularFilesIn(const SystemPath& folder, QString (*nameOf)(const QByteArray&)) {
    QStringList names;
    DIR* dir = ::opendir(folder.bytes.constData());
    if (!dir)
        return names;
    const int fd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        struct stat st {};
        if (::fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
            ::faccessat(fd, entry->d_name, R_OK, 0) == 0)
            names.append(nameOf(QByteArray(entry->d_name)));
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

struct SystemFileAside::Parts {
    QByteArray path;
    QByteArray aside;
    QFile file;
};

SystemFileAside::SystemFileAside(const SystemPath& path) : parts_(new Parts{path.bytes, {}, {}}) {}

SystemFileAside::~SystemFileAside() {
    if (parts_->file.isOpen())
        Cancel();
}

QString SystemFileAside::Open() {
    Parts& p = *parts_;
    // As QSaveFile: a file kept from writing is not replaced either, and until it has the old
    // file's rights the new one is the owner's alone.
    struct stat st {};
    const bool replacing = ::stat(p.path.constData(), &st) == 0;
    if (replacing && ::access(p.path.constData(), W_OK) != 0)
        return QStringLiteral("The file is write-protected; not written over");
    QString error;
    for (int attempt = 0; attempt < kAsideAttempts; ++attempt) {
        p.aside = AsideName(p.path);
        error = OpenExactWith(p.file, p.aside, QIODevice::WriteOnly | QIODevice::NewOnly,
                              replacing ? 0600 : 0666);
        if (error.isEmpty())
            break;
        if (EntryOf(p.aside, Links::NotFollowed).kind == PathKind::Missing)
            return error;
    }
    if (!error.isEmpty())
        return error;
    if (replacing && ::fchmod(p.file.handle(), st.st_mode & 07777) != 0) {
        error = ErrorText(errno);
        Cancel();
    }
    return error;
}

QFileDevice& SystemFileAside::Device() {
    return parts_->file;
}

QString SystemFileAside::Commit() {
    Parts& p = *parts_;
    QString error;
    if (!p.file.flush() || p.file.error() != QFileDevice::NoError)
        error = p.file.errorString();
    else if (::fsync(p.file.handle()) != 0 && errno != EINVAL) // EINVAL: cannot be synced
        error = ErrorText(errno);
    if (!error.isEmpty()) {
        Cancel();
        return error;
    }
    p.file.close();
    if (p.file.error() != QFileDevice::NoError) {
        error = p.file.errorString();
        ::unlink(p.aside.constData());
        return error;
    }
    if (::rename(p.aside.constData(), p.path.constData()) != 0) {
        error = ErrorText(errno);
        ::unlink(p.aside.constData());
    }
    return error;
}

void SystemFileAside::Cancel() {
    parts_->file.close();
    ::unlink(parts_->aside.constData());
}
