#include "window/test_mode_view.h"

#include "core/uncaught_error.h"
#include "session/controller_session.h"
#include "widgets/gate_frame.h"
#include "window/main_window_ui.h"
#include "window/page_builders.h"
#include "window/page_controls.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

namespace {
const QColor kTestTint(255, 153, 153);

bool Bit(uint16_t bits, int i) {
    return (bits >> i) & 1u;
}
} // namespace

TestModeView::TestModeView(MainWindowUi& ui, ControllerSession& session,
                           const std::array<TfrGate*, 24>& gates, QObject* parent)
    : QObject(parent), ui_(ui), session_(session), gates_(gates) {
    Bind();
}

void TestModeView::Bind() {
    connect(ui_.bTestOn, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { ShowTestMode(session_.SetTestMode(true)); }); });
    connect(ui_.bTestOff, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { ShowTestMode(session_.SetTestMode(false)); }); });
    connect(ui_.bOpenAll, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { ShowGateButtons(session_.OpenCloseAll(true)); }); });
    connect(ui_.bCloseAll, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { ShowGateButtons(session_.OpenCloseAll(false)); }); });
    connect(ui_.bFanRun, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { ShowFan(session_.TestRequest().FanRunStop(true)); }); });
    connect(ui_.bFanStop, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { ShowFan(session_.TestRequest().FanRunStop(false)); }); });
    connect(ui_.udFanPwr, &TUpDown::changing, this, [this](int percentage) {
        RunGuarded([&] { ShowFan(session_.TestRequest().SetPercentage(percentage)); });
    });
    connect(ui_.eFanPwr, &QLineEdit::textEdited, this, [this](const QString& text) {
        // The entry keeps what is being typed, unless it was bounded to what is sent.
        RunGuarded([&] {
            const TestFanControls fan = session_.TestRequest().TypePercentage(text);
            ShowFan(fan, fan.entryCorrected);
        });
    });
    connect(ui_.tbPower, &QSlider::valueChanged, this, [this](int position) {
        RunGuarded([&] { ShowFan(session_.TestRequest().SetSliderPosition(position)); });
    });
    for (size_t i = 0; i < gates_.size(); ++i) {
        connect(gates_[i], &TfrGate::GateButtonClicked, this, [this, i](bool down) {
            session_.TestRequest().SetGateButtonDown(static_cast<int>(i), down);
        });
    }
}

void TestModeView::ShowTestMode(const TestModeControls& controls) {
    ui_.bTestOn->setChecked(controls.on);
    ui_.bTestOff->setChecked(!controls.on);
    ui_.bTestOff->setEnabled(controls.on);
    for (QPushButton* command : {ui_.bOpenAll, ui_.bCloseAll, ui_.bFanRun, ui_.bFanStop})
        command->setEnabled(controls.commandsEnabled);
    ui_.lWarningVacuum->setVisible(controls.on);
    SetBackground(ui_.pTest,
                  controls.on ? kTestTint : QApplication::palette().color(QPalette::Window));
    for (int i = 0; i < 12; ++i) {
        gates_[size_t(i)]->SetGateButtonEnabled(Bit(controls.masterButtonsEnabled, i));
        gates_[size_t(i + 12)]->SetGateButtonEnabled(Bit(controls.slaveButtonsEnabled, i));
    }
    ShowGateButtons(controls.buttons);
    ShowFan(controls.fan);
}

void TestModeView::ShowGateButtons(const TestGateButtons& buttons) {
    for (int i = 0; i < 12; ++i) {
        gates_[size_t(i)]->SetGateButtonDown(Bit(buttons.masterDown, i));
        gates_[size_t(i + 12)]->SetGateButtonDown(Bit(buttons.slaveDown, i));
    }
}

void TestModeView::ShowFan(const TestFanControls& fan, bool showPercentage) {
    ui_.bFanRun->setChecked(fan.run);
    ui_.bFanStop->setChecked(!fan.run);
    ui_.pRpmCtrl->setVisible(fan.powerPanelVisible);
    // The three controls show one value; none of them may answer the others' update.
    const QSignalBlocker slider(ui_.tbPower);
    const QSignalBlocker entry(ui_.eFanPwr);
    ui_.tbPower->setValue(fan.sliderPosition);
    if (showPercentage)
        ui_.udFanPwr->SetPosition(fan.percentage);
}
