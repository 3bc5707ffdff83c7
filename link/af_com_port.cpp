#include "link/af_com_port.h"

#include "link/com_port_error.h"

#include <QFileInfo>

namespace {
constexpr int kReannounceMs = 200;

qint32 baudValue(TAfBaudrate rate, int user) {
    static constexpr qint32 rates[] = {110,   300,   600,   1200,  2400,   4800,   9600,  14400,
                                       19200, 38400, 56000, 57600, 115200, 128000, 256000};
    return rate == brUser ? user : rates[rate];
}

QSerialPort::DataBits dataBits(TAfDatabits bits) {
    // Five data bits is the least the platform knows; four cannot be set on any of them.
    switch (bits) {
    case db4:
    case db5:
        return QSerialPort::Data5;
    case db6:
        return QSerialPort::Data6;
    case db7:
        return QSerialPort::Data7;
    case db8:
        break;
    }
    return QSerialPort::Data8;
}

QSerialPort::Parity parity(TAfParity p) {
    static constexpr QSerialPort::Parity map[] = {QSerialPort::NoParity, QSerialPort::OddParity,
                                                  QSerialPort::EvenParity, QSerialPort::MarkParity,
                                                  QSerialPort::SpaceParity};
    return map[p];
}

QSerialPort::StopBits stopBits(TAfStopbits s) {
    static constexpr QSerialPort::StopBits map[] = {
        QSerialPort::OneStop, QSerialPort::OneAndHalfStop, QSerialPort::TwoStop};
    return map[s];
}

QSerialPort::FlowControl flowControl(TAfFlowControl f) {
    switch (f) {
    case fwXOnXOff:
        return QSerialPort::SoftwareControl;
    case fwRtsCts:
        return QSerialPort::HardwareControl;
    case fwNone:
    case fwDtrDsr:
        break;
    }
    return QSerialPort::NoFlowControl;
}
} // namespace

TAfComPort::TAfComPort(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("ComPort"));
    reannounce_.setInterval(kReannounceMs);
    connect(&serial_, &QSerialPort::readyRead, this, [this] { AnnounceData(); });
    connect(&reannounce_, &QTimer::timeout, this, [this] {
        if (serial_.isOpen() && serial_.bytesAvailable() > 0)
            AnnounceData();
    });
    connect(&serial_, &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError error) { OnSerialError(error); });
}

TAfComPort::~TAfComPort() {
    Close();
}

void TAfComPort::SetComNumber(int number) {
    if (number == comNumber_)
        return;
    if (!Active()) {
        comNumber_ = number;
        return;
    }
    Close();
    comNumber_ = number;
    Open();
}

void TAfComPort::Open() {
    if (Active())
        return;
    lastOpenFailure_ = OpenFailure::None;
    const QString invalid = QStringLiteral("Invalid port number (COM%1)").arg(comNumber_);
    if (comNumber_ <= 0)
        FailOpen(OpenFailure::NoDevice, invalid);
    const QString path = DevicePath();
#ifndef Q_OS_WIN
    if (!QFileInfo::exists(path))
        FailOpen(OpenFailure::NoDevice, invalid);
#endif
    serial_.setPortName(path);
    serial_.setReadBufferSize(InBufSize);
    if (!serial_.open(QIODevice::ReadWrite)) {
        const QSerialPort::SerialPortError error = serial_.error();
        if (error == QSerialPort::DeviceNotFoundError)
            FailOpen(OpenFailure::NoDevice, invalid);
        // The platform reports a port held by another program as a permission error too.
        const QFileInfo device(path);
        const bool mayUse = device.isReadable() && device.isWritable();
        FailOpen(mayUse ? OpenFailure::InUse : OpenFailure::NoPermission,
                 QStringLiteral("Can't open device COM%1").arg(comNumber_));
    }
    ApplyLineSettings();
    // A pseudo-terminal or a three-wire adapter has no modem lines; that is no failure.
    serial_.setDataTerminalReady(true);
    serial_.setRequestToSend(FlowControl != fwRtsCts);
    serial_.clearError();
    serial_.clear();
    reannounce_.start();
}

void TAfComPort::ApplyLineSettings() {
    const bool ok = serial_.setBaudRate(baudValue(BaudRate, UserBaudRate)) &&
                    serial_.setDataBits(dataBits(Databits)) && serial_.setParity(parity(Parity)) &&
                    serial_.setStopBits(stopBits(Stopbits)) &&
                    serial_.setFlowControl(flowControl(FlowControl));
    if (!ok) {
        serial_.close();
        FailOpen(OpenFailure::Settings, QStringLiteral("Error setting parameters from DCB"));
    }
}

void TAfComPort::Close() {
    reannounce_.stop();
    if (!serial_.isOpen() || closing_)
        return;
    // Discarding what is queued can itself fail on a vanished device; that is no news.
    closing_ = true;
    serial_.clear();
    serial_.close();
    closing_ = false;
}

void TAfComPort::WriteData(const void* data, int count) {
    const qint64 free = Active() ? OutBufSize - serial_.bytesToWrite() : 0;
    if (!Active() || count > free)
        FailTransfer(QStringLiteral("Write data error [requested: %1, free: %2]")
                         .arg(count)
                         .arg(free < 0 ? 0 : free));
    // Only a request is written, and only when no answer is awaited: whatever has come in by
    // now (a late answer) would be taken for the start of this request's answer.
    serial_.clear(QSerialPort::Input);
    serial_.write(static_cast<const char*>(data), count);
}

void TAfComPort::ReadData(void* buffer, int count) {
    const qint64 got = Active() ? serial_.read(static_cast<char*>(buffer), count) : -1;
    if (got < count)
        FailTransfer(QStringLiteral("Read data error"));
}

void TAfComPort::AnnounceData() {
    if (!OnDataRecived || !serial_.isOpen())
        return;
    const int count = static_cast<int>(serial_.bytesAvailable());
    OnDataRecived(this, count);
}

void TAfComPort::OnSerialError(QSerialPort::SerialPortError error) {
    if (error != QSerialPort::ResourceError || !serial_.isOpen() || closing_)
        return;
    Close();
    if (OnDeviceLost)
        OnDeviceLost();
}

void TAfComPort::FailOpen(OpenFailure why, const QString& text) {
    lastOpenFailure_ = why;
    throw ComPortError(text);
}

void TAfComPort::FailTransfer(const QString& message) const {
    throw ComPortError(QStringLiteral("%1 - %2 ").arg(objectName(), message));
}
