#pragma once
// One row of the gate overview: number button, gate picture, sensor and delayed-signal
// circles, delay strip, manual-button marker and the gate's name.

#include "widgets/gate_pictures.h"

#include <QColor>
#include <QFrame>
#include <cstdint>

class QLabel;
class QPushButton;
class TShape;

class TfrGate : public QFrame {
    Q_OBJECT
public:
    explicit TfrGate(const GatePictures& pictures, QWidget* owner = nullptr);

    void SetGateActive(bool active);
    // Kind 0..4 loads its picture; a larger kind is remembered but shows nothing new.
    void SetGatePicture(uint8_t kind);
    void SetMinAirflowGate(bool minAirflow);
    void SetSignalColor(const QColor& color);
    // Decides the delay strip from the signal colour and button state of this moment.
    void SetDelayState(bool delay);
    void SetManualIndicator(bool on);
    void SetGateName(const QString& name);
    void SetGateNumber(int number);
    void SetMasterSlaveNumbering(bool on);
    void SetBoldSeparator(bool bold);
    bool IsGateButtonDown() const;
    void SetGateButtonDown(bool down);
    void SetGateButtonEnabled(bool enabled);

Q_SIGNALS:
    // The technician pressed or lifted the number button; SetGateButtonDown does not tell.
    void GateButtonClicked(bool down);

public:

    uint8_t PictureKind() const { return pictureKind; }
    QColor SignalColor() const { return signalColor; }
    bool IsGateActive() const { return active; }
    bool IsMinAirflowGate() const { return minAirflowGate; }
    bool IsMasterSlaveNumbering() const { return masterSlaveNumbering; }
    int GateNumber() const { return gateNumber; }
    bool DelayState() const { return delay; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildPanel1();
    void BuildPanel2();
    void ArrangePanels();
    bool ButtonDisabled() const;
    void SetInnerCircle(const QColor& fill, const QColor& outline);
    void SetTextColor(const QColor& color);

    GatePictures pictures;
    uint8_t pictureKind = 255;
    QColor signalColor;
    bool active = false;
    bool minAirflowGate = false;
    bool masterSlaveNumbering = false;
    int gateNumber = 0;
    bool delay = false;
    int separatorHeight = 1;

    TShape* Shape1 = nullptr;
    QWidget* Panel1 = nullptr;
    QPushButton* bTlacitko = nullptr;
    TShape* sManBtn = nullptr;
    TShape* sSignal = nullptr;
    TShape* sSignalDelay = nullptr;
    QLabel* iIkona = nullptr;
    QWidget* Panel2 = nullptr;
    QLabel* lGateName = nullptr;
    QWidget* pDelayProcessing = nullptr;
    QLabel* lDelayLabel = nullptr;
};
