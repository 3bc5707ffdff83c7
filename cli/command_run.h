#pragma once
// One command of vt12cli on the session: it waits until the controller has been read as the
// window reads it on connecting, acts, and ends with an exit code. Detection gives up after one
// round over the ports (or --wait), and a link lost before the end ends the command.

#include "cli/cli_link.h"
#include "cli/cli_options.h"
#include "cli/controller_report.h"
#include "cli/frame_echo.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QMap>
#include <QTextStream>
#include <memory>

// What the units of one run share: a CSV header is printed before the first unit only.
struct RunShared {
    bool csvHeaderWritten = false;
};

class CommandRun : public QObject {
    Q_OBJECT
public:
    CommandRun(const CliRequest& request, CliLink& link, QTextStream& out, QTextStream& err,
               RunShared& shared, QObject* parent = nullptr);
    ~CommandRun() override;

    // Ends without a word when no controller answers (a sweep over the ports).
    void SetQuietWithoutController(bool quiet) { quietWithoutController_ = quiet; }
    // A controller answered, with its firmware or from its bootloader.
    bool ControllerFound() const { return wasUp_ || session_.BootloaderModeOn(); }
    // Each port that could not be opened, with its cause; a missing device only where asked
    // (a port pinned by the user, not one of a search).
    QStringList OpenFailures(bool withMissing) const;

    // SIGINT, SIGTERM or SIGHUP: the command ends as soon as the controller is left whole, a
    // restore after the block in flight, with the exit code for what was done.
    void Stop(int signal);
    bool IsFinished() const { return finished_; }

Q_SIGNALS:
    void Finished(ExitCode code);

private:
    void OnPortTrying(int port);
    void OnLinkChanged(bool up);
    void OnStatusPolled(const StatusDisplay& shown);
    void OnFirmwareText(ControllerSession::FirmwarePart part, const QString& text);
    void OnCounters(CounterMemo memo);
    void Act();
    void Restore();
    void StartMonitor();
    void PrintMonitorLine(const StatusDisplay& shown);
    void ValidateFirmware();
    void OnFirmwareChecked(const FirmwareFileCheck& check);
    void DrawProgress();
    void PrintLogLine(const QString& line);
    void OnUploadFinished(const UploadResult& result, const FirmwareCode& reported);
    void EndUpload(const UploadResult& result, const FirmwareCode& reported);
    // A unit restarting after the upload may stay silent for a while.
    bool WaitingForRestart();
    void OnBootloaderMode(const BootloaderTransition& change);
    void EndSave(const SaveResult& result);
    void Finish(ExitCode code);
    void NoController();
    void CheckMonitorEnd();
    void PrintCounters();
    void Diff();
    void StopRestore(int signal);
    void ReportStoppedRestore();
    void StopUpload(int signal);
    void ClearProgress();
    ControllerReport Report() const;
    QString BackupPath() const;

    CliRequest request_;
    CliLink& link_;
    ControllerSession& session_;
    QTextStream& out_;
    QTextStream& err_;
    RunShared& shared_;
    std::unique_ptr<FrameEcho> echo_;
    QElapsedTimer started_;
    int triesSinceUp_ = 0;
    bool wasUp_ = false;
    bool acted_ = false;
    bool restarting_ = false;
    bool saving_ = false;
    bool checkingFirmware_ = false;
    bool uploading_ = false;
    bool barShown_ = false;
    bool barVisible_ = false;
    int progressMaximum_ = 0;
    QElapsedTimer restartWait_;
    int progress_ = 0;
    bool monitoring_ = false;
    bool finished_ = false;
    bool quietWithoutController_ = false;

    QString identification_;
    QString bootloader_;
    QString hardwareVersion_;
    QString slaveVersion_;
    QString masterCounters_;
    QString slaveCounters_;
    bool slaveCountersRead_ = false;
    int hardwareVersionNumber_ = -1;

    QMap<int, std::pair<QString, OpenFailure>> openFailures_;
    QDeadlineTimer monitorEnd_;
    // The signal that stops a restore after its block in flight; 0 while none came.
    int stopSignal_ = 0;
    // The blocks a restore writes, in the order of the writes.
    QList<BlockId> restoreBlocks_;
};

// The blocks of a restore's write jobs that differ from the controller's, in the order of the
// writes.
QList<BlockId> BlocksToWrite(const ControllerImages& images, uint32_t writeJobs);
