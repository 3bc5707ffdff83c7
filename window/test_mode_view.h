#pragma once
// The TEST MODE group of STATUS && TEST and the gate frames' buttons: what the technician asks
// of the gates and the fan goes into the session's test request; the controls show it back.

#include "monitor/test_mode.h"

#include <QObject>
#include <array>

struct MainWindowUi;
class ControllerSession;
class TfrGate;

class TestModeView : public QObject {
    Q_OBJECT
public:
    TestModeView(MainWindowUi& ui, ControllerSession& session,
                 const std::array<TfrGate*, 24>& gates, QObject* parent = nullptr);

    void ShowTestMode(const TestModeControls& controls);

private:
    void Bind();
    void ShowGateButtons(const TestGateButtons& buttons);
    void ShowFan(const TestFanControls& fan, bool showPercentage = true);

    MainWindowUi& ui_;
    ControllerSession& session_;
    const std::array<TfrGate*, 24>& gates_;
};
