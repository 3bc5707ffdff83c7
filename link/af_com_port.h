#pragma once
// The byte pipe to the controller: one numbered serial port with fixed line settings.
// Data events arrive on the thread that owns the port, in order with its other events.

#include "link/port_path.h"
#include "link/serial_channel.h"

#include <QObject>
#include <QSerialPort>
#include <QTimer>
#include <functional>

enum TAfBaudrate {
    br110,
    br300,
    br600,
    br1200,
    br2400,
    br4800,
    br9600,
    br14400,
    br19200,
    br38400,
    br56000,
    br57600,
    br115200,
    br128000,
    br256000,
    brUser
};
enum TAfDatabits { db4, db5, db6, db7, db8 };
enum TAfParity { paNone, paOdd, paEven, paMark, paSpace };
enum TAfStopbits { sbOne, sbOneAndHalf, sbTwo };
enum TAfFlowControl { fwNone, fwXOnXOff, fwRtsCts, fwDtrDsr };
enum TAfComOption {
    coParityCheck = 1,
    coDsrSensitivity = 2,
    coIgnoreXOff = 4,
    coErrorChar = 8,
    coStripNull = 16
};

// Why the last Open failed, for hints to the user.
enum class OpenFailure { None, NoDevice, NoPermission, InUse, Settings };

class TAfComPort : public QObject, public SerialChannel {
    Q_OBJECT
public:
    explicit TAfComPort(QObject* parent = nullptr);
    ~TAfComPort() override;

    int ComNumber() const override { return comNumber_; }
    void SetComNumber(int number) override;

    TAfBaudrate BaudRate = br115200;
    int UserBaudRate = 19200;
    TAfDatabits Databits = db8;
    TAfParity Parity = paNone;
    TAfStopbits Stopbits = sbOne;
    TAfFlowControl FlowControl = fwNone;
    char XOnChar = 17;
    char XOffChar = 19;
    int InBufSize = 4096;
    int OutBufSize = 2048;
    int Options = 0;
    bool AutoOpen = false;
    PortPathOverrides PortPaths;

    std::function<void(TAfComPort* sender, int count)> OnDataRecived;
    // The open port's device went away (adapter pulled): the port is already closed.
    std::function<void()> OnDeviceLost;

    void Open() override;
    void Close() override;
    bool Active() const override { return serial_.isOpen(); }
    // Drops what was received and not yet read: a request goes out only when no answer is due.
    void WriteData(const void* data, int count) override;
    void ReadData(void* buffer, int count);

    QString DevicePath() const { return PortDevicePath(comNumber_, PortPaths); }
    OpenFailure LastOpenFailure() const { return lastOpenFailure_; }

private:
    void ApplyLineSettings();
    void AnnounceData();
    void OnSerialError(QSerialPort::SerialPortError error);
    [[noreturn]] void FailOpen(OpenFailure why, const QString& text);
    [[noreturn]] void FailTransfer(const QString& message) const;

    QSerialPort serial_;
    QTimer reannounce_;
    int comNumber_ = 0;
    OpenFailure lastOpenFailure_ = OpenFailure::None;
    bool closing_ = false;
};
