#pragma once
// Reading back a traffic trace: the frames sent, as "function:start,count".

#include <QFile>
#include <QStringList>

struct TraceFile {
    QStringList lines;

    static TraceFile Read(const QString& path) {
        TraceFile trace;
        QFile file(path);
        if (file.open(QIODevice::ReadOnly | QIODevice::Text))
            trace.lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
        return trace;
    }

    // Every line of the given kind, without its time stamp.
    QStringList Events(const QString& kind) const {
        QStringList found;
        for (const QString& line : lines) {
            const QStringList words = line.split(u' ');
            if (words.size() >= 2 && words[1] == kind)
                found << words.mid(2).join(u' ');
        }
        return found;
    }

    // The requests sent, e.g. "3:2048,124" or "101".
    QStringList Requests() const {
        QStringList requests;
        for (const QString& frame : Events(QStringLiteral("TX"))) {
            const QStringList b = frame.split(u' ');
            if (b.size() < 6)
                continue;
            const int function = b[1].toInt(nullptr, 16);
            const int start = (b[2] + b[3]).toInt(nullptr, 16);
            const int count = (b[4] + b[5]).toInt(nullptr, 16);
            requests << (function == 101
                             ? QStringLiteral("101")
                             : QStringLiteral("%1:%2,%3").arg(function).arg(start).arg(count));
        }
        return requests;
    }
};
