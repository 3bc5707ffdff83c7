#pragma once
// A small file read whole, bounded: only a regular file is opened (a pipe would block the
// start, a device never end) and nothing beyond the limit is read.

#include <QByteArray>
#include <QString>

struct SmallFileRead {
    enum class Outcome { Read, Missing, Refused };
    Outcome outcome = Outcome::Missing;
    QByteArray bytes;
    QString failure; // why it was refused
};

SmallFileRead ReadSmallFile(const QString& path, qint64 limit);
