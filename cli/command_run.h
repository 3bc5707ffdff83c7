#pragma once
// One command of vt12cli on the session: it waits until the controller has been read as the
// window reads it on connecting, acts, and ends with an exit code. Detection gives up after one
// round over the ports (or --wait), and a link lost before the end ends the command.

#include "cli/cli_link.h"
#include "cli/cli_options.h"
#include "cli/controller_report.h"

#include <QElapsedTimer>
#include <QTextStream>

class CommandRun : public QObject {
    Q_OBJECT
public:
    CommandRun(const CliRequest& request, CliLink& link, QTextStream& out, QTextStream& err,
               QObject* parent = nullptr);

    // Ends without a word when no controller answers (a sweep over the ports).
    void SetQuietWithoutController(bool quiet) { quietWithoutController_ = quiet; }
    // A controller answered, with its firmware or from its bootloader.
    bool ControllerFound() const { return wasUp_ || session_.BootloaderModeOn(); }

Q_SIGNALS:
    void Finished(ExitCode code);

private:
    void OnPortTrying(int port);
    void OnLinkShown(bool up);
    void OnStatusShown(const StatusDisplay& shown);
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
    void EndUpload();
    // A unit restarting after the upload may stay silent for a while.
    bool WaitingForRestart();
    void OnBootloaderMode(const BootloaderTransition& change);
    void EndSave();
    void Finish(ExitCode code);
    ControllerReport Report() const;
    QString BackupPath() const;

    CliRequest request_;
    CliLink& link_;
    ControllerSession& session_;
    QTextStream& out_;
    QTextStream& err_;
    QElapsedTimer started_;
    int triesSinceUp_ = 0;
    bool wasUp_ = false;
    bool acted_ = false;
    bool restarting_ = false;
    bool saving_ = false;
    bool sawMismatch_ = false;
    bool checkingFirmware_ = false;
    bool uploading_ = false;
    bool barShown_ = false;
    int progressMaximum_ = 0;
    // The firmware code the file holds, which the unit must answer with afterwards.
    FirmwareCode uploadedCode_;
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
};
