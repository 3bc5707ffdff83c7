#pragma once
// --all-ports: the command run on COM1 to COM10 one after another, each port tried once; ports
// where no controller answers are passed over.

#include "cli/cli_link.h"
#include "cli/command_run.h"

#include <memory>

class PortSweep : public QObject {
    Q_OBJECT
public:
    PortSweep(const CliRequest& request, const PortPathOverrides& paths, QTextStream& out,
              QTextStream& err, QObject* parent = nullptr);
    ~PortSweep() override;

    void SetNetworkTimeout(int ms) { networkTimeoutMs_ = ms; }
    void Start();
    // A signal ends the command on the unit in hand as CommandRun::Stop does; no port follows.
    void Stop(int signal);

Q_SIGNALS:
    // Done when every controller found did its part; NoController when none was found;
    // otherwise the first failure.
    void Finished(ExitCode code);

private:
    void RunOn(int port);
    void PortFinished(ExitCode code);
    void NextPort();

    CliRequest request_;
    PortPathOverrides paths_;
    QTextStream& out_;
    QTextStream& err_;
    int networkTimeoutMs_ = TModbusClient::kDefaultNetworkTimeoutMs;
    int port_ = 0;
    int found_ = 0;
    bool stopped_ = false;
    RunShared shared_;
    // Ports that exist and could not be opened (busy, no permission), with their causes.
    QStringList openFailures_;
    ExitCode failure_ = ExitCode::Done;
    std::unique_ptr<CliLink> link_;
    std::unique_ptr<CommandRun> run_;
};

// The trace of one port of a sweep: FILE.COMn.
QString SweepTracePath(const QString& traceFile, int port);
