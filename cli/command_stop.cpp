// A signal ends a command where the controller is left whole: a restore after the block in
// flight and its read-back, a firmware update at once with a word on how to finish it.

#include "cli/command_run.h"

#include "data/block_table.h"
#include "data/job_bits.h"
#include "monitor/settings_in_words.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <csignal>

namespace {
QString signalName(int signal) {
    switch (signal) {
    case SIGINT:
        return QStringLiteral("SIGINT");
    case SIGTERM:
        return QStringLiteral("SIGTERM");
#ifdef SIGHUP
    case SIGHUP:
        return QStringLiteral("SIGHUP");
#endif
    default:
        return QStringLiteral("signal %1").arg(signal);
    }
}

// The argument as a shell takes it back.
QString shellWord(const QString& text) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./:=+-]+$"));
    if (plain.match(text).hasMatch())
        return text;
    return u'\'' + QString(text).replace(u'\'', QStringLiteral("'\\''")) + u'\'';
}

QString blockList(const QList<BlockId>& blocks) {
    QStringList words;
    for (const BlockId block : blocks)
        words << BlockInWords(block);
    return words.isEmpty() ? QStringLiteral("none") : words.join(QStringLiteral(", "));
}
} // namespace

QList<BlockId> BlocksToWrite(const ControllerImages& images, uint32_t writeJobs) {
    QList<BlockId> blocks;
    for (const WriteJobLog& log : kWriteJobLogs) {
        const BlockId block = BlockForJob(log.job)->id;
        if ((writeJobs & log.job) != 0 && images.IsChanged(block))
            blocks << block;
    }
    return blocks;
}

void CommandRun::Stop(int signal) {
    if (finished_)
        return;
    if (saving_) {
        StopRestore(signal);
        return;
    }
    if (uploading_) {
        StopUpload(signal);
        return;
    }
    ClearProgress();
    Finish(SignalExitCode(signal));
}

// The write in flight (and the read-back its answer asks for) goes on; the writes not yet sent
// are dropped. A second signal does not wait any longer.
void CommandRun::StopRestore(int signal) {
    const bool again = stopSignal_ != 0;
    stopSignal_ = signal;
    if (again) {
        ReportStoppedRestore();
        return;
    }
    TJobScheduler& scheduler = session_.Scheduler();
    for (const WriteJobLog& log : kWriteJobLogs) {
        if (log.job != scheduler.CurrentJob())
            scheduler.ClearJob(log.job);
    }
    err_ << "Stopping after the block being written (" << signalName(signal) << ")." << Qt::endl;
}

// Written: the blocks whose read-back matched; a block that is still changed was not written,
// or the controller did not take it.
void CommandRun::ReportStoppedRestore() {
    link_.FlushLog();
    QList<BlockId> written;
    QList<BlockId> notWritten;
    for (const BlockId block : restoreBlocks_)
        (session_.Images().IsChanged(block) ? notWritten : written) << block;
    err_ << "Restore stopped by " << signalName(stopSignal_) << "." << Qt::endl
         << "Written: " << blockList(written) << Qt::endl
         << "Not written: " << blockList(notWritten) << Qt::endl;
    if (written.isEmpty() || notWritten.isEmpty())
        Finish(notWritten.isEmpty() ? ExitCode::Done : SignalExitCode(stopSignal_));
    else
        Finish(ExitCode::Unfinished);
}

void CommandRun::StopUpload(int signal) {
    ClearProgress();
    const QString program = QCoreApplication::arguments().value(0, QStringLiteral("vt12cli"));
    const QString where = request_.device.isEmpty()
                              ? QStringLiteral("--port %1").arg(link_.Port().ComNumber())
                              : QStringLiteral("--device ") + shellWord(request_.device);
    err_ << "Firmware update stopped by " << signalName(signal) << " after " << progress_ << " of "
         << progressMaximum_ << " steps." << Qt::endl
         << "The controller waits in its bootloader, without a firmware to run, until a "
            "complete firmware is uploaded. To finish the update, run:"
         << Qt::endl
         << "  " << shellWord(program) << " firmware " << shellWord(request_.file) << ' ' << where
         << Qt::endl;
    Finish(ExitCode::Unfinished);
}
