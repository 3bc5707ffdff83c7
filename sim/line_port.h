#pragma once
// The simulator's end of the line: bytes in from the tool, bytes out to it.

#include <QByteArray>
#include <QObject>

namespace vt12sim {

class LinePort : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void write(const QByteArray& bytes) = 0;
    // Reads what the line holds right now and hands it on as received; returns its size.
    virtual qsizetype drain() = 0;

signals:
    void received(const QByteArray& bytes);
};

} // namespace vt12sim
