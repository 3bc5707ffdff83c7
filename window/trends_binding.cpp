// The trends window, opened from STATUS && TEST, takes its vacuum figures and units from the
// pressure panels' sources.

#include "core/uncaught_error.h"
#include "window/main_window.h"
#include "window/open_over_main.h"
#include "window/trends_window.h"
#include "window/vacuum_inputs.h"

#include <QLabel>
#include <QPushButton>

void TfVT12SetAppMain::BindTrends() {
    connect(ui.bTrends, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { ShowTrends(); }); });
}

void TfVT12SetAppMain::ShowTrends() {
    if (!trends_)
        trends_ = std::make_unique<TrendsWindow>(
            *session_,
            [this] {
                return TrendVacuum{::ShowVacuumReading(VacuumInputsOf(ui, *session_)),
                                   ui.lCurrentInputUnits->text(), ui.lCurrentInputUnitsS->text()};
            },
            this);
    OpenOverMainWindow(trends_.get(), this);
}
