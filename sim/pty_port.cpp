#include "sim/pty_port.h"

#include <QDir>
#include <QFileInfo>
#include <QSocketNotifier>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace vt12sim {

namespace {

// Nobody has read this much of our answers: the port is closed, the rest would only be stale.
constexpr qsizetype kMostPending = 65536;
constexpr qsizetype kReadChunk = 4096;

QString lastError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

enum class LinkState { Free, Stale, Alive, Foreign };

// Who holds the name: nobody, a simulator that is gone, a running one, or something else.
// ownDevice: our own pseudo-terminal, which may have got the number of a dead one.
LinkState inspectLink(const QByteArray& path, const QByteArray& ownDevice) {
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0) {
        return errno == ENOENT ? LinkState::Free : LinkState::Foreign;
    }
    if (!S_ISLNK(info.st_mode)) {
        return LinkState::Foreign;
    }
    char target[PATH_MAX];
    const ssize_t length = ::readlink(path.constData(), target, sizeof target - 1);
    if (length < 0 || !QByteArray(target, length).startsWith("/dev/pts/")) {
        return LinkState::Foreign;
    }
    target[length] = '\0';
    if (ownDevice == target) {
        return LinkState::Stale;
    }
    const int fd = ::open(target, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        // Gone, or its master closed: the simulator died. Anything else means in use.
        return errno == ENOENT || errno == EIO || errno == ENXIO ? LinkState::Stale
                                                                 : LinkState::Alive;
    }
    const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return locked ? LinkState::Alive : LinkState::Stale;
}

bool makeRaw(int fd) {
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0) {
        return false;
    }
    ::cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD | CSTOPB;
    ::cfsetispeed(&settings, B19200);
    ::cfsetospeed(&settings, B19200);
    return ::tcsetattr(fd, TCSANOW, &settings) == 0;
}

} // namespace

PtyPort::PtyPort(QObject* parent) : LinePort(parent) {}

PtyPort::~PtyPort() {
    close();
}

bool PtyPort::open(const QString& dir, int com, QString* error) {
    if (!QFileInfo(dir).isDir()) {
        *error = QStringLiteral("port directory %1 does not exist").arg(dir);
        return false;
    }
    linkPath_ = QDir(dir).absoluteFilePath(QStringLiteral("COM%1").arg(com));
    if (!openPseudoTerminal(error) || !placeLink(error)) {
        close();
        return false;
    }
    readNotifier_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Read);
    connect(readNotifier_.get(), &QSocketNotifier::activated, this, &PtyPort::drain);
    writeNotifier_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Write);
    writeNotifier_->setEnabled(false);
    connect(writeNotifier_.get(), &QSocketNotifier::activated, this, &PtyPort::flushPending);
    return true;
}

bool PtyPort::openPseudoTerminal(QString* error) {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        *error = QStringLiteral("cannot open a pseudo-terminal: %1").arg(lastError());
        return false;
    }
    ::fcntl(master_, F_SETFD, FD_CLOEXEC);
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    char name[128];
    if (::ptsname_r(master_, name, sizeof name) != 0) {
        *error = QStringLiteral("cannot name the pseudo-terminal: %1").arg(lastError());
        return false;
    }
    devicePath_ = QString::fromLocal8Bit(name);
    slave_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (slave_ < 0 || !makeRaw(slave_) || ::flock(slave_, LOCK_EX | LOCK_NB) != 0) {
        *error = QStringLiteral("cannot set up %1: %2").arg(devicePath_, lastError());
        return false;
    }
    return true;
}

bool PtyPort::placeLink(QString* error) {
    const QByteArray path = QFile::encodeName(linkPath_);
    switch (inspectLink(path, QFile::encodeName(devicePath_))) {
    case LinkState::Alive:
        *error = QStringLiteral("%1 belongs to a running simulator").arg(linkPath_);
        return false;
    case LinkState::Foreign:
        *error = QStringLiteral("%1 exists and is not a simulator's link").arg(linkPath_);
        return false;
    case LinkState::Free:
    case LinkState::Stale:
        break;
    }
    // Made aside and renamed over the name, so a stale link is replaced in one step.
    const QByteArray aside = path + ".vt12sim-" + QByteArray::number(::getpid());
    ::unlink(aside.constData());
    if (::symlink(QFile::encodeName(devicePath_).constData(), aside.constData()) != 0 ||
        ::rename(aside.constData(), path.constData()) != 0) {
        *error = QStringLiteral("cannot create %1: %2").arg(linkPath_, lastError());
        ::unlink(aside.constData());
        return false;
    }
    linkPlaced_ = true;
    return true;
}

void PtyPort::close() {
    if (linkPlaced_) {
        const QByteArray path = QFile::encodeName(linkPath_);
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.constData(), target, sizeof target);
        if (length >= 0 && QByteArray(target, length) == QFile::encodeName(devicePath_)) {
            ::unlink(path.constData());
        }
        linkPlaced_ = false;
    }
    readNotifier_.reset();
    writeNotifier_.reset();
    for (int* fd : {&slave_, &master_}) {
        if (*fd >= 0) {
            ::close(*fd);
            *fd = -1;
        }
    }
    pending_.clear();
}

void PtyPort::write(const QByteArray& bytes) {
    if (master_ < 0) {
        return;
    }
    if (pending_.size() + bytes.size() > kMostPending) {
        pending_.clear();
    }
    pending_.append(bytes);
    flushPending();
}

void PtyPort::flushPending() {
    while (!pending_.isEmpty()) {
        const ssize_t written = ::write(master_, pending_.constData(), pending_.size());
        if (written <= 0) {
            break;
        }
        pending_.remove(0, written);
    }
    if (writeNotifier_) {
        writeNotifier_->setEnabled(!pending_.isEmpty());
    }
}

qsizetype PtyPort::drain() {
    qsizetype total = 0;
    char buffer[kReadChunk];
    while (master_ >= 0) {
        const ssize_t count = ::read(master_, buffer, sizeof buffer);
        if (count <= 0) {
            break;
        }
        total += count;
        emit received(QByteArray(buffer, count));
    }
    return total;
}

} // namespace vt12sim
