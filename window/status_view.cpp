#include "window/status_view.h"

#include "widgets/gate_colors.h"
#include "widgets/gate_frame.h"
#include "widgets/level_bar.h"
#include "widgets/shape.h"
#include "window/page_builders.h"
#include "window/page_status_test.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

namespace {
const QColor kAtStopBlue(0, 0, 255);

QColor LampColor(Lamp lamp) {
    switch (lamp) {
    case Lamp::Green:
        return {0, 224, 0};
    case Lamp::Red:
        return {255, 0, 0};
    case Lamp::Yellow:
        return {255, 255, 0};
    case Lamp::Off:
        break;
    }
    return {192, 192, 192};
}

QColor SignalOf(SignalColor signal, Unit unit) {
    switch (signal) {
    case SignalColor::Active:
        return SignalActiveColor;
    case SignalColor::MinAirflow:
        return SignalMinAirflowColor;
    case SignalColor::Idle:
        break;
    }
    return unit == Unit::Master ? SignalIdleColor : SignalIdleSlaveColor;
}

void ShowDriver(const DriverDisplay& driver, TLevelBar* bar, QLabel* milliamps, QLabel* gate) {
    bar->SetPosition(driver.position);
    milliamps->setEnabled(driver.live);
    gate->setEnabled(driver.live);
    milliamps->setText(driver.milliamps);
    gate->setText(driver.gateCaption);
}
} // namespace

StatusView::StatusView(StatusTestPageUi& ui, QTimer& securityBlink, QTimer& bypassBlink,
                       const std::array<TfrGate*, 24>& gates, QObject* parent)
    : QObject(parent), ui_(ui), gates_(gates), securityBlink_(securityBlink),
      bypassBlink_(bypassBlink) {
    connect(&securityBlink_, &QTimer::timeout, this, &StatusView::tSecurityBlinkTimer);
    connect(&bypassBlink_, &QTimer::timeout, this, &StatusView::tBypassBlinkTimer);
}

void StatusView::ShowStatus(const StatusDisplay& shown) {
    ui_.pNotifyLabel->setVisible(shown.notice.visible);
    if (shown.notice.text)
        ui_.lNotifyLabel->setText(*shown.notice.text);
    ShowUnit(Unit::Master, shown.unit);
    ui_.lActiveSns->setText(shown.activeSensors);

    if (!shown.live) {
        bypassBlink_.stop();
        securityBlink_.stop();
        ShowBypass(Lamp::Off);
        ShowSecurity({Lamp::Off, CaptionColor::Normal});
    } else if (shown.bypassBlinks) {
        // Enabling a running timer keeps its phase.
        if (!bypassBlink_.isActive())
            bypassBlink_.start();
    } else {
        bypassBlink_.stop();
        ShowBypass(shown.bypassLamp);
    }
    if (shown.live)
        SetSecurityInput(shown.securityInOrder);
    // Figures without data are greyed as well as dashed.
    for (QWidget* figure :
         {static_cast<QWidget*>(ui_.lActiveSns), static_cast<QWidget*>(ui_.lVsdPowerProc)})
        figure->setEnabled(shown.live);

    ui_.lbFanOut->SetPosition(shown.fanPosition);
    ui_.lVsdPowerProc->setText(shown.fanPercent);
    ui_.sDustOn->SetBrushColor(LampColor(shown.dustLamp));

    const FanDelayDisplay& delay = shown.fanDelay;
    if (delay.visible) {
        ui_.lDelay->setText(delay.text);
        ui_.lbDelay->SetMax(delay.maximum);
        ui_.lbDelay->SetPosition(delay.position);
    }
    ui_.lDelay->setVisible(delay.visible);
    ui_.lbDelay->setVisible(delay.visible);

    const CleaningDisplay& cleaning = shown.cleaning;
    ui_.lCleanLabel->setEnabled(cleaning.regularEnabled);
    ui_.lCASE->setEnabled(cleaning.atStopEnabled);
    if (cleaning.atStopBlue)
        SetTextColor(ui_.lCASE, *cleaning.atStopBlue ? kAtStopBlue : QColor(Qt::black));
    ui_.shCleaning->SetBrushColor(LampColor(cleaning.lamp));
    if (cleaning.timeText)
        ui_.lCleanAfter->setText(*cleaning.timeText);
    ui_.lCleanAfter->setVisible(cleaning.timeVisible);
}

void StatusView::ShowSlaveStatus(const UnitStatus& shown) {
    ShowUnit(Unit::Slave, shown);
}

void StatusView::ShowUnit(Unit unit, const UnitStatus& shown) {
    const size_t first = unit == Unit::Master ? 0 : kGatesPerUnit;
    for (size_t i = 0; i < kGatesPerUnit; ++i) {
        TfrGate* frame = gates_[first + i];
        const GateFrameStatus& gate = shown.gates[i];
        if (gate.minAirflowMark)
            frame->SetMinAirflowGate(*gate.minAirflowMark);
        frame->SetSignalColor(SignalOf(gate.signal, unit));
        frame->SetDelayState(gate.delay);
        frame->SetManualIndicator(gate.manual);
        if (gate.picture)
            frame->SetGatePicture(static_cast<uint8_t>(*gate.picture));
    }
    if (unit == Unit::Master) {
        ShowDriver(shown.odd, ui_.lbDrvOdd, ui_.lOddCurr, ui_.lOddGateCurrent);
        ShowDriver(shown.even, ui_.lbDrvEven, ui_.lEvenCurr, ui_.lEvenGateCurrent);
    } else {
        ShowDriver(shown.odd, ui_.lbDrvOdd24, ui_.lOddCurr24, ui_.lOddGateCurrent24);
        ShowDriver(shown.even, ui_.lbDrvEven24, ui_.lEvenCurr24, ui_.lEvenGateCurrent24);
    }
    ui_.lOpnGates->setText(shown.openGates);
    ui_.lOpnGates->setEnabled(shown.live);
}

void StatusView::ShowGateSettings(Unit unit, const GateSettingsShown& shown) {
    const size_t first = unit == Unit::Master ? 0 : kGatesPerUnit;
    for (size_t i = 0; i < kGatesPerUnit; ++i) {
        TfrGate* frame = gates_[first + i];
        const GateFrameSettings& gate = shown.frames[i];
        frame->SetGateActive(gate.active);
        frame->SetMinAirflowGate(gate.minAirflow);
        frame->SetGateButtonEnabled(gate.buttonEnabled);
    }
}

void StatusView::ShowGateNames(Unit unit, const std::array<QString, kGatesPerUnit>& names) {
    const size_t first = unit == Unit::Master ? 0 : kGatesPerUnit;
    for (size_t i = 0; i < kGatesPerUnit; ++i)
        gates_[first + i]->SetGateName(names[i]);
}

void StatusView::SetSecurityInput(bool inOrder) {
    if (inOrder) {
        securityBlink_.stop();
        ShowSecurity(kSecurityInOrder);
    } else if (!securityBlink_.isActive()) {
        securityBlink_.start();
    }
}

void StatusView::ShowBypass(Lamp lamp) {
    bypassLamp_ = lamp;
    ui_.shBypassInput->SetBrushColor(LampColor(lamp));
}

void StatusView::ShowSecurity(const SecurityLamps& lamps) {
    securityLamp_ = lamps.lamp;
    ui_.shSecurityInput->SetBrushColor(LampColor(lamps.lamp));
    const QColor caption = lamps.caption == CaptionColor::Red ? LampColor(Lamp::Red)
                           : lamps.caption == CaptionColor::Green
                               ? LampColor(Lamp::Green)
                               : QApplication::palette().color(QPalette::WindowText);
    SetTextColor(ui_.lSecurityInput, caption);
}

void StatusView::tSecurityBlinkTimer() {
    ShowSecurity(SecurityBlinkStep(securityLamp_));
}

void StatusView::tBypassBlinkTimer() {
    ShowBypass(BypassBlinkStep(bypassLamp_));
}
