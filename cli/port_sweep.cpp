#include "cli/port_sweep.h"

#include <QTimer>

PortSweep::PortSweep(const CliRequest& request, const PortPathOverrides& paths, QTextStream& out,
                     QTextStream& err, QObject* parent)
    : QObject(parent), request_(request), paths_(paths), out_(out), err_(err) {}

PortSweep::~PortSweep() {
    run_.reset();
    link_.reset();
}

void PortSweep::Start() {
    RunOn(1);
}

void PortSweep::RunOn(int port) {
    port_ = port;
    run_.reset();
    link_ = std::make_unique<CliLink>(port, paths_);
    link_->Session().SetNetworkTimeout(networkTimeoutMs_);
    if (!request_.traceFile.isEmpty())
        link_->Session().Trace().Open(SweepTracePath(request_.traceFile, port));
    CliRequest request = request_;
    request.port = port;
    run_ = std::make_unique<CommandRun>(request, *link_, out_, err_, shared_);
    // Quietly: a port without a controller is no failure of the sweep.
    run_->SetQuietWithoutController(true);
    connect(run_.get(), &CommandRun::Finished, this, &PortSweep::PortFinished);
    link_->Begin();
}

void PortSweep::Stop(int signal) {
    if (stopped_)
        return;
    stopped_ = true;
    // Between two ports nothing is under way: the sweep ends here.
    if (run_ && !run_->IsFinished())
        run_->Stop(signal);
    else
        Q_EMIT Finished(SignalExitCode(signal));
}

void PortSweep::PortFinished(ExitCode code) {
    openFailures_ << run_->OpenFailures(false);
    if (stopped_) {
        Q_EMIT Finished(code);
        return;
    }
    if (run_->ControllerFound()) {
        ++found_;
        if (code != ExitCode::Done && failure_ == ExitCode::Done)
            failure_ = code;
    }
    NextPort();
}

void PortSweep::NextPort() {
    // The link that reported is still on the stack: it goes once its event is over.
    QTimer::singleShot(0, this, [this] {
        if (stopped_)
            return;
        if (port_ < TPortDetector::kLastPort) {
            RunOn(port_ + 1);
            return;
        }
        run_.reset();
        link_.reset();
        if (found_ == 0)
            err_ << "No controller found." << Qt::endl;
        for (const QString& cause : openFailures_)
            err_ << cause << Qt::endl;
        Q_EMIT Finished(found_ == 0 ? ExitCode::NoController : failure_);
    });
}

QString SweepTracePath(const QString& traceFile, int port) {
    return traceFile + QStringLiteral(".COM%1").arg(port);
}
