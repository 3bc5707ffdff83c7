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

int securitySignal() {
    return SIGRTMIN + 1;
}

int bypassSignal() {
    return SIGRTMIN + 2;
}

int driveTripSignal() {
    return SIGRTMIN + 3;
}

int driveLineSignal() {
    return SIGRTMIN + 4;
}

// The real-time signal numbers are only known at run time.
std::array<int, 9> handledSignals() {
    return {SIGINT,         SIGTERM,           SIGHUP,           SIGUSR1, SIGUSR2, securitySignal(),
            bypassSignal(), driveTripSignal(), driveLineSignal()};
}

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
    for (const int number : handledSignals()) {
        ::sigaction(number, &action, nullptr);
    }
}

SignalRelay::~SignalRelay() {
    for (const int number : handledSignals()) {
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
        if (number == SIGUSR1) {
            emit slaveToggleRequested();
        } else if (number == SIGUSR2) {
            emit silenceToggleRequested();
        } else if (number == securitySignal()) {
            emit securityToggleRequested();
        } else if (number == bypassSignal()) {
            emit bypassToggleRequested();
        } else if (number == driveTripSignal()) {
            emit driveTripToggleRequested();
        } else if (number == driveLineSignal()) {
            emit driveLineToggleRequested();
        } else {
            emit stopRequested();
        }
    }
}

} // namespace vt12sim
