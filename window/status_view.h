#pragma once
// The STATUS && TEST page's live state: applies what the status model decided to the gate
// frames, lamps, bars and figures, and runs the two blink timers of the input lamps.

#include "data/feature_levels.h"
#include "monitor/gate_table_display.h"
#include "monitor/input_lamps.h"
#include "monitor/status_display.h"

#include <QObject>
#include <array>

struct StatusTestPageUi;
class QTimer;
class TfrGate;

class StatusView : public QObject {
    Q_OBJECT
public:
    // The frames are created later; the view reads the array when it shows something.
    // The blink timers are the window's tSecurityBlinkTimer and tBypassBlinkTimer.
    StatusView(StatusTestPageUi& ui, QTimer& securityBlink, QTimer& bypassBlink,
               const std::array<TfrGate*, 24>& gates, QObject* parent = nullptr);

    void ShowStatus(const StatusDisplay& shown);
    void ShowSlaveStatus(const UnitStatus& shown);
    // The frames' part of the gate settings and names.
    void ShowGateSettings(Unit unit, const GateSettingsShown& shown);
    void ShowGateNames(Unit unit, const std::array<QString, kGatesPerUnit>& names);

    void SetSecurityInput(bool inOrder);

private:
    void ShowUnit(Unit unit, const UnitStatus& shown);
    void ShowBypass(Lamp lamp);
    void ShowSecurity(const SecurityLamps& lamps);
    void tSecurityBlinkTimer();
    void tBypassBlinkTimer();

    StatusTestPageUi& ui_;
    const std::array<TfrGate*, 24>& gates_;
    QTimer& securityBlink_;
    QTimer& bypassBlink_;
    Lamp securityLamp_ = Lamp::Off;
    Lamp bypassLamp_ = Lamp::Off;
};
