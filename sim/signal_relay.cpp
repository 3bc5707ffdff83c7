#include "sim/signal_relay.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace vt12sim {

namespace {

std::array<int, 2> pipeEnds{-1, -1};
constexpr std::array kHandled{SIGINT, SIGTERM, SIGHUP, SIGUSR1, SIGUSR2};

void onSignal(int number) {
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

SignalRelay::SignalRelay(QObject* parent) : QObject(parent) {
    if (::pipe2(pipeEnds.data(), O_NONBLOCK | O_CLOEXEC) != 0) {
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(pipeEnds[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &SignalRelay::relay);
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : kHandled) {
        ::sigaction(number, &action, nullptr);
    }
}

SignalRelay::~SignalRelay() {
    for (const int number : kHandled) {
        std::signal(number, SIG_DFL);
    }
    notifier_.reset();
    for (int& end : pipeEnds) {
        if (end >= 0) {
            ::close(end);
            end = -1;
        }
    }
}

void SignalRelay::relay() {
    unsigned char number = 0;
    while (::read(pipeEnds[0], &number, 1) == 1) {
        switch (number) {
        case SIGUSR1:
            emit slaveToggleRequested();
            break;
        case SIGUSR2:
            emit silenceToggleRequested();
            break;
        default:
            emit stopRequested();
            break;
        }
    }
}

} // namespace vt12sim
