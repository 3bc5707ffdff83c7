#include "app/file_write.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
FileWritten Failed(const QString& why) {
    return {false, why};
}

bool WriteAll(QIODevice& file, const QByteArray& bytes) {
    return file.write(bytes) == bytes.size();
}
} // namespace

QString NotRegularFileReason(const QString& path) {
    const QFileInfo info(path);
    if (info.isSymLink())
        return QStringLiteral("Is a symbolic link; not written over");
    if (!info.exists() || info.isFile())
        return {};
    if (info.isDir())
        return QStringLiteral("Is a folder; not written over");
    return QStringLiteral("Not a regular file (a device or a pipe); not written over");
}

FileWritten WriteWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write) {
    if (const QString reason = NotRegularFileReason(path); !reason.isEmpty())
        return Failed(reason);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Failed(file.errorString());
    // The last buffered bytes fail only at the flush, which the commit would not report: a
    // full disk would leave a truncated file in place of the old one.
    if (!write(file) || !file.flush() || file.error() != QFileDevice::NoError) {
        const QString error = file.errorString();
        file.cancelWriting();
        return Failed(error);
    }
    if (!file.commit())
        return Failed(file.errorString());
    return {true, {}};
}

FileWritten WriteWholeFile(const QString& path, const QByteArray& bytes) {
    return WriteWholeFile(path, [&bytes](QIODevice& file) { return WriteAll(file, bytes); });
}

FileWritten CreateNewFile(const QString& path, const QByteArray& bytes) {
    // NewOnly fails on any name that exists, a dangling link included: nothing is followed.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return Failed(file.errorString());
    if (WriteAll(file, bytes) && file.flush() && file.error() == QFileDevice::NoError) {
        file.close();
        return {true, {}};
    }
    const QString error = file.errorString();
    file.close();
    file.remove();
    return Failed(error);
}
