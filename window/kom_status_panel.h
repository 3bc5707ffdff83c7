#pragma once
// The communication log panel pKomStatus: it lives on the SERVICE page and is brought onto the
// SETUP page while a save starts, so the technician sees the save's lines where he pressed it.

#include <QObject>

struct MainWindowUi;

class KomStatusPanel : public QObject {
public:
    KomStatusPanel(MainWindowUi& ui, QObject* parent = nullptr);

    // In front of the SETUP page's controls at 280/130 until tHidePanelKom fires.
    void ShowOnSetup();

private:
    void tHidePanelKomTimer();

    MainWindowUi& ui_;
    int serviceLeft_;
};
