#pragma once
// Brings POSIX signals into the event loop: the handler only writes the signal number into a
// pipe, and the loop turns it into a Qt signal.

#include <QObject>
#include <memory>

class QSocketNotifier;

namespace vt12sim {

class SignalRelay : public QObject {
    Q_OBJECT

public:
    // Handles SIGINT, SIGTERM and SIGHUP (stop), SIGUSR1 (slave), SIGUSR2 (silence),
    // SIGRTMIN+1 (security input), SIGRTMIN+2 (bypass), SIGRTMIN+3 (drive trip) and
    // SIGRTMIN+4 (drive line). One instance per process.
    explicit SignalRelay(QObject* parent = nullptr);
    ~SignalRelay() override;

    bool isReady() const { return notifier_ != nullptr; }

signals:
    void stopRequested();
    void slaveToggleRequested();
    void silenceToggleRequested();
    void securityToggleRequested();
    void bypassToggleRequested();
    void driveTripToggleRequested();
    void driveLineToggleRequested();

private:
    void relay();

    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace vt12sim
