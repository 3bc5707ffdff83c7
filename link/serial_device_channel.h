#pragma once
// A serial device as the link's byte channel. Opening is immediate; bytes left unread are
// announced again every 200 ms.

#include "link/byte_channel.h"

#include <QObject>
#include <QSerialPort>
#include <QTimer>

struct SerialLineSettings {
    qint32 baudRate = 19200;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::StopBits stopBits = QSerialPort::TwoStop;
    QSerialPort::FlowControl flowControl = QSerialPort::NoFlowControl;
    int inBufSize = 4096;
    int outBufSize = 2048;
};

class SerialDeviceChannel : public QObject, public ByteChannel {
    Q_OBJECT
public:
    explicit SerialDeviceChannel(QObject* parent = nullptr);
    ~SerialDeviceChannel() override;

    void SetDevice(const QString& path, const SerialLineSettings& settings);
    // Room left in the transmit queue.
    int FreeToWrite() const;

    OpenStep Open() override;
    void Close() override;
    bool IsOpen() const override { return serial_.isOpen(); }
    bool IsOpening() const override { return false; }
    bool Write(const uint8_t* data, int count) override;
    int BytesAvailable() const override;
    int Read(uint8_t* buffer, int count) override;
    ChannelFailure LastFailure() const override { return lastFailure_; }

private:
    OpenStep Fail(ChannelFailure why);
    void Announce();
    void OnSerialError(QSerialPort::SerialPortError error);

    QSerialPort serial_;
    QTimer reannounce_;
    QString path_;
    SerialLineSettings settings_;
    ChannelFailure lastFailure_ = ChannelFailure::None;
    bool closing_ = false;
};
