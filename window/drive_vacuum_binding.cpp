// The pressure panels and the VFD STATUS box bound to the session: a status poll of a unit
// with a pressure input, and the link going down, refresh the vacuum figures; a drive status
// poll refreshes the box.

#include "window/drive_vacuum_view.h"
#include "window/main_window.h"
#include "window/vacuum_inputs.h"

#include <QLineEdit>

VacuumReadingInputs VacuumInputsOf(const MainWindowUi& ui, const ControllerSession& session) {
    const ControllerImages& images = session.Images();
    VacuumReadingInputs inputs;
    inputs.linkUp = session.LinkUp();
    inputs.installationMode = session.InstallationMode();
    inputs.masterValue = images.Status.InputValue();
    inputs.slaveValue = images.SlaveStatus.InputValue();
    inputs.masterRange = ui.eCurrInpRng->text();
    inputs.masterWarning = ui.eCurrInpWarning->text();
    inputs.slaveRange = ui.eCurrInpRngS->text();
    inputs.slaveWarning = ui.eCurrInpWarningS->text();
    inputs.errorLevel = images.VacuumSettings.Edited.ErrorLevel();
    inputs.errorLevelKnown = session.Features().Has(Feature::VacuumErrorSettings);
    return inputs;
}

void TfVT12SetAppMain::BindDriveVacuumView() {
    using S = ControllerSession;
    S* s = session_;
    driveVacuum_ = std::make_unique<DriveVacuumView>(ui);
    DriveVacuumView* view = driveVacuum_.get();
    connect(s, &S::DriveStatusPolled, view, &DriveVacuumView::ShowDriveStatus);
    const auto showVacuum = [this, view] {
        view->ShowVacuumReading(::ShowVacuumReading(VacuumInputsOf(ui, *session_)));
    };
    connect(s, &S::StatusPolled, view, [showVacuum](const StatusDisplay& shown) {
        if (shown.showVacuumReading)
            showVacuum();
    });
    connect(s, &S::LinkChanged, view, [showVacuum](bool up) {
        if (!up)
            showVacuum();
    });
}
