// monitor: after connecting, one line per status poll until --seconds have passed (or the
// program is stopped).

#include "cli/command_run.h"
#include "cli/monitor_line.h"
#include "cli/terminal_text.h"

#include <QTimer>

void CommandRun::StartMonitor() {
    monitoring_ = true;
    if (request_.seconds > 0)
        QTimer::singleShot(request_.seconds * 1000, this, [this] { Finish(ExitCode::Done); });
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
    const QTime now = QTime::currentTime();
    if (request_.json)
        out_ << QString::fromUtf8(MonitorJson(now, shown, vacuum)) << Qt::endl;
    else
        out_ << TerminalText(MonitorLine(now, shown, vacuum)) << Qt::endl;
}
