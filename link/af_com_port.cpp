#include "link/af_com_port.h"

#include "link/com_port_error.h"

namespace {

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
    BindChannel(serial_);
    BindChannel(tcp_);
}

TAfComPort::~TAfComPort() {
    OnDataRecived = nullptr;
    OnDeviceLost = nullptr;
    Close();
}

void TAfComPort::BindChannel(ByteChannel& channel) {
    channel.OnBytesArrived = [this] { AnnounceData(); };
    channel.OnOpened = [this] {
        lastOpenFailure_ = OpenFailure::None;
        connected_ = true;
        if (OnOpenCompleted)
            OnOpenCompleted();
    };
    channel.OnLost = [this](ChannelFailure why) { ChannelLost(why); };
}

void TAfComPort::SetComNumber(int number) {
    if (number == comNumber_)
        return;
    if (!Active() && !Opening()) {
        comNumber_ = number;
        return;
    }
    Close();
    comNumber_ = number;
    Open();
}

QString TAfComPort::Mapping() const {
    return PortPaths.value(QStringLiteral("COM%1").arg(comNumber_)).trimmed();
}

QString TAfComPort::DevicePath() const {
    const QString mapping = Mapping();
    if (IsRemoteMapping(mapping)) {
        const std::optional<RemoteAddress> address = ParseRemoteAddress(mapping);
        return address ? address->Url() : mapping;
    }
    return PortDevicePath(comNumber_, PortPaths);
}

SerialLineSettings TAfComPort::LineSettings() const {
    SerialLineSettings settings;
    settings.baudRate = baudValue(BaudRate, UserBaudRate);
    settings.dataBits = dataBits(Databits);
    settings.parity = parity(Parity);
    settings.stopBits = stopBits(Stopbits);
    settings.flowControl = flowControl(FlowControl);
    settings.inBufSize = InBufSize;
    settings.outBufSize = OutBufSize;
    return settings;
}

void TAfComPort::Open() {
    if (Active() || Opening())
        return;
    lastOpenFailure_ = OpenFailure::None;
    const QString invalid = QStringLiteral("Invalid port number (COM%1)").arg(comNumber_);
    if (comNumber_ <= 0)
        FailOpen(OpenFailure::NoDevice, invalid);
    const QString mapping = Mapping();
    if (IsRemoteMapping(mapping)) {
        const std::optional<RemoteAddress> address = ParseRemoteAddress(mapping);
        if (!address)
            FailOpen(OpenFailure::BadAddress,
                     QStringLiteral("Invalid remote address (%1)").arg(mapping));
        tcp_.SetAddress(*address);
        channel_ = &tcp_;
    } else {
        serial_.SetDevice(DevicePath(), LineSettings());
        channel_ = &serial_;
    }
    inOpen_ = true;
    const ByteChannel::OpenStep step = channel_->Open();
    inOpen_ = false;
    connected_ = step == ByteChannel::OpenStep::Opened;
    if (step != ByteChannel::OpenStep::Failed)
        return;
    const OpenFailure why = channel_->LastFailure();
    if (why == OpenFailure::NoDevice)
        FailOpen(why, invalid);
    if (why == OpenFailure::Settings)
        FailOpen(why, QStringLiteral("Error setting parameters from DCB"));
    FailOpen(why, QStringLiteral("Can't open device COM%1").arg(comNumber_));
}

void TAfComPort::Close() {
    connected_ = false;
    if (channel_)
        channel_->Close();
}

void TAfComPort::WriteData(const void* data, int count) {
    const int free = !Active()           ? 0
                     : channel_ == &tcp_ ? TcpChannel::kSendRoom
                                         : serial_.FreeToWrite();
    if (!Active() || count > free || !channel_->Write(static_cast<const uint8_t*>(data), count))
        FailTransfer(
            QStringLiteral("Write data error [requested: %1, free: %2]").arg(count).arg(free));
}

void TAfComPort::ReadData(void* buffer, int count) {
    const int got = Active() ? channel_->Read(static_cast<uint8_t*>(buffer), count) : -1;
    if (got < count)
        FailTransfer(QStringLiteral("Read data error"));
}

void TAfComPort::AnnounceData() {
    if (!OnDataRecived || !Active())
        return;
    OnDataRecived(this, channel_->BytesAvailable());
}

void TAfComPort::ChannelLost(ChannelFailure why) {
    lastOpenFailure_ = why;
    // A failure inside Open is reported by Open itself.
    if (inOpen_)
        return;
    const bool wasConnected = connected_;
    connected_ = false;
    if (wasConnected) {
        if (OnDeviceLost)
            OnDeviceLost();
        return;
    }
    if (OnOpenFailed)
        OnOpenFailed(QStringLiteral("Can't open device COM%1").arg(comNumber_));
}

void TAfComPort::FailOpen(OpenFailure why, const QString& text) {
    lastOpenFailure_ = why;
    throw ComPortError(text);
}

void TAfComPort::FailTransfer(const QString& message) const {
    throw ComPortError(QStringLiteral("%1 - %2 ").arg(objectName(), message));
}
