#pragma once
// The simulator's end of the serial line: a pseudo-terminal whose other side the tool opens
// through a link named like a COM port (DIR/COM3 -> /dev/pts/N).

#include "sim/line_port.h"

#include <QString>
#include <memory>

class QSocketNotifier;

namespace vt12sim {

class PtyPort : public LinePort {
    Q_OBJECT

public:
    explicit PtyPort(QObject* parent = nullptr);
    ~PtyPort() override;

    // Opens the pseudo-terminal and makes DIR/COM<com> point at it. A link left behind by a
    // simulator that was killed is replaced; one of a running simulator is not.
    bool open(const QString& dir, int com, QString* error);
    // Removes the link and releases the pseudo-terminal.
    void close();

    QString linkPath() const { return linkPath_; }
    QString devicePath() const { return devicePath_; }

    void write(const QByteArray& bytes) override;
    qsizetype drain() override;

private:
    bool openPseudoTerminal(QString* error);
    bool placeLink(QString* error);
    void flushPending();

    int master_ = -1;
    // Held open so the master side never sees a hang-up while the tool closes and reopens
    // the port; its lock also tells other simulators that this link is alive.
    int slave_ = -1;
    QString devicePath_;
    QString linkPath_;
    bool linkPlaced_ = false;
    QByteArray pending_;
    std::unique_ptr<QSocketNotifier> readNotifier_;
    std::unique_ptr<QSocketNotifier> writeNotifier_;
};

} // namespace vt12sim
