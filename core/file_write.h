#pragma once
// Every file the program writes goes through here: it is written whole or not at all, a failure
// is reported, never success, and nothing but a regular file is ever replaced, so a planted
// link or a device node is refused, not followed or overwritten.

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>

// Whether a file was written, and the message when it was not.
struct FileWritten {
    bool written = false;
    QString failure;
    explicit operator bool() const { return written; }
};

// Why path must not be written over (a link, a folder, a device, a pipe); empty when it names
// a regular file or nothing.
QString NotRegularFileReason(const QString& path);

// Written aside and renamed once every byte and the flush succeeded: on any failure the old
// file stays whole. write returns false when a write of its own failed.
FileWritten WriteWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write);
FileWritten WriteWholeFile(const QString& path, const QByteArray& bytes);

// Creates path exclusively (never through a link, never over anything that is there) and
// writes bytes into it; a file left incomplete is removed again.
FileWritten CreateNewFile(const QString& path, const QByteArray& bytes);
