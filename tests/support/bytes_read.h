#pragma once
// What the process has read from files and pipes so far (Linux: rchar of /proc/self/io), so a
// test can bound how much a reader took without timing it. -1 where the count is not kept.

#include <QByteArray>
#include <QFile>

inline qint64 BytesReadSoFar() {
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : io.readAll().split('\n')) {
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    }
    return -1;
}
