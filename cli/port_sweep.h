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

    void Start();

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
    int port_ = 0;
    int found_ = 0;
    ExitCode failure_ = ExitCode::Done;
    std::unique_ptr<CliLink> link_;
    std::unique_ptr<CommandRun> run_;
};

// The trace of one port of a sweep: FILE.COMn.
QString SweepTracePath(const QString& traceFile, int port);
