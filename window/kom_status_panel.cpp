#include "window/kom_status_panel.h"

#include "core/uncaught_error.h"
#include "window/main_window_ui.h"

#include <QFrame>
#include <QTimer>

namespace {
constexpr int kSetupLeft = 280;
constexpr int kSetupTop = 130;
} // namespace

KomStatusPanel::KomStatusPanel(MainWindowUi& ui, QObject* parent)
    : QObject(parent), ui_(ui), serviceLeft_(ui.pKomStatus->x()) {
    connect(ui_.tHidePanelKom, &QTimer::timeout, this,
            [this] { RunGuarded([this] { tHidePanelKomTimer(); }); });
}

void KomStatusPanel::ShowOnSetup() {
    QFrame* panel = ui_.pKomStatus;
    // A second save within the 3 s finds the panel on SETUP already: its SERVICE place stays.
    if (panel->parentWidget() == ui_.tsDetail) {
        serviceLeft_ = panel->x();
        panel->setParent(ui_.tsSettings);
    }
    panel->move(kSetupLeft, kSetupTop);
    panel->show();
    panel->raise();
    ui_.tHidePanelKom->start();
}

void KomStatusPanel::tHidePanelKomTimer() {
    ui_.tHidePanelKom->stop();
    QFrame* panel = ui_.pKomStatus;
    panel->setParent(ui_.tsDetail);
    panel->move(serviceLeft_, ui_.pCounters->y());
    panel->show();
}
