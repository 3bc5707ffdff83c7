// monitor: after connecting, one line per status poll until --seconds have passed, the
// program is stopped, or the reader of its output goes away.

#include "cli/command_run.h"
#include "cli/json_lines.h"
#include "cli/monitor_line.h"
#include "cli/terminal_text.h"

#include <QTimer>
#include <algorithm>
#include <chrono>
#include <csignal>

namespace {
// A timer holds at most about 24 days: a longer run looks again each hour.
constexpr qint64 kLongestWaitMs = 3600 * 1000;
} // namespace

void CommandRun::StartMonitor() {
    monitoring_ = true;
    if (request_.seconds > 0) {
        monitorEnd_ = QDeadlineTimer(request_.seconds * 1000);
        CheckMonitorEnd();
    }
}

void CommandRun::CheckMonitorEnd() {
    const qint64 left = monitorEnd_.remainingTime();
    if (left == 0) {
        Finish(ExitCode::Done);
        return;
    }
    QTimer::singleShot(std::chrono::milliseconds(std::min(left, kLongestWaitMs)), this,
                       &CommandRun::CheckMonitorEnd);
}

void CommandRun::PrintMonitorLine(const StatusDisplay& shown) {
    const ControllerImages& images = session_.Images();
    const VacuumControls& vacuumControls = session_.Form().Vacuum();
    const VacuumReading vacuum = ShowVacuumReading(
        {session_.LinkUp(), session_.InstallationMode(), images.Status.InputValue(),
         images.SlaveStatus.InputValue(), vacuumControls.eCurrInpRng,
         vacuumControls.eCurrInpWarning, vacuumControls.eCurrInpRngS,
         vacuumControls.eCurrInpWarningS, images.VacuumSettings.Edited.ErrorLevel(),
         session_.Features().Has(Feature::VacuumErrorSettings)});
    if (request_.json) {
        // The panel's units when the settings hold none.
        const QString unit = vacuumControls.eCurrInpUnits.trimmed().isEmpty()
                                 ? QStringLiteral("kPa")
                                 : vacuumControls.eCurrInpUnits.trimmed();
        QJsonObject object = UnitKeys(Report());
        const QJsonObject poll = MonitorObject(QDateTime::currentDateTime(), shown, vacuum, unit);
        for (auto it = poll.begin(); it != poll.end(); ++it)
            object.insert(it.key(), it.value());
        out_ << QString::fromUtf8(JsonLine(object)) << Qt::flush;
    } else {
        out_ << TerminalText(MonitorLine(QTime::currentTime(), shown, vacuum)) << Qt::endl;
    }
    // A closed pipe (monitor | head -1) ends the run as quietly as SIGPIPE would.
    if (out_.status() != QTextStream::Ok) {
#ifdef SIGPIPE
        Finish(SignalExitCode(SIGPIPE));
#else
        Finish(ExitCode::Done);
#endif
    }
}
