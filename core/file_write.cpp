#include "core/file_write.h"

#include "core/path_calls.h"

namespace {
FileWritten Failed(const QString& why) {
    return {false, why};
}

bool WriteAll(QIODevice& file, const QByteArray& bytes) {
    return file.write(bytes) == bytes.size();
}
} // namespace

QString NotRegularFileReason(const QString& path) {
    switch (EntryAt(path, Links::NotFollowed).kind) {
    case PathKind::Missing:
    case PathKind::File:
        return {};
    case PathKind::Link:
        return QStringLiteral("Is a symbolic link; not written over");
    case PathKind::Folder:
        return QStringLiteral("Is a folder; not written over");
    case PathKind::Other:
        break;
    }
    return QStringLiteral("Not a regular file (a device or a pipe); not written over");
}

FileWritten WriteWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write) {
    if (const QString reason = NotRegularFileReason(path); !reason.isEmpty())
        return Failed(reason);
    FileAside file(path);
    if (const QString error = file.Open(); !error.isEmpty())
        return Failed(error);
    // The last buffered bytes fail only at the flush, which a commit may not report: a full
    // disk would leave a truncated file in place of the old one.
    QFileDevice& device = file.Device();
    if (!write(device) || !device.flush() || device.error() != QFileDevice::NoError) {
        const QString error = device.errorString();
        file.Cancel();
        return Failed(error);
    }
    if (const QString error = file.Commit(); !error.isEmpty())
        return Failed(error);
    return {true, {}};
}

FileWritten WriteWholeFile(const QString& path, const QByteArray& bytes) {
    return WriteWholeFile(path, [&bytes](QIODevice& file) { return WriteAll(file, bytes); });
}

FileWritten CreateNewFile(const QString& path, const QByteArray& bytes) {
    // NewOnly fails on any name that exists, a dangling link included: nothing is followed.
    QFile file;
    if (const QString error = OpenExact(
            file, path, QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered);
        !error.isEmpty())
        return Failed(error);
    if (WriteAll(file, bytes) && file.flush() && file.error() == QFileDevice::NoError) {
        file.close();
        return {true, {}};
    }
    const QString error = file.errorString();
    file.close();
    RemoveFile(path);
    return Failed(error);
}
