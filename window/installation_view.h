#pragma once
// The installation mode on the screens: the four radio buttons of "RS485, MASTER/SLAVE MODE"
// and their clickable explanations, and what a mode shows or hides on the other pages.

#include <QObject>
#include <array>
#include <functional>

struct MainWindowUi;
class ControllerSession;
class TfrGate;

class InstallationView : public QObject {
    Q_OBJECT
public:
    // settingsChanged: rebuilds the edited system image from the controls (it takes the mode's
    // byte from the radio buttons) and shows the Save state.
    InstallationView(MainWindowUi& ui, ControllerSession& session,
                     const std::array<TfrGate*, 24>& gates, std::function<void()> settingsChanged,
                     QObject* parent = nullptr);

    // The session's mode on the screens; after a layout restore and whenever the mode is set.
    void ShowInstallationMode(int mode);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Choose(int mode);

    MainWindowUi& ui_;
    ControllerSession& session_;
    const std::array<TfrGate*, 24>& gates_;
    std::function<void()> settingsChanged_;
};
