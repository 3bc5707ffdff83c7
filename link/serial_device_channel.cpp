#include "link/serial_device_channel.h"

#include "platform/port_names.h"

#include <QFileInfo>

namespace {
constexpr int kReannounceMs = 200;
} // namespace

SerialDeviceChannel::SerialDeviceChannel(QObject* parent) : QObject(parent) {
    reannounce_.setInterval(kReannounceMs);
    connect(&serial_, &QSerialPort::readyRead, this, [this] { Announce(); });
    connect(&reannounce_, &QTimer::timeout, this, [this] {
        if (serial_.isOpen() && serial_.bytesAvailable() > 0)
            Announce();
    });
    connect(&serial_, &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError error) { OnSerialError(error); });
}

SerialDeviceChannel::~SerialDeviceChannel() {
    Close();
}

void SerialDeviceChannel::SetDevice(const QString& path, const SerialLineSettings& settings) {
    path_ = path;
    settings_ = settings;
}

ByteChannel::OpenStep SerialDeviceChannel::Open() {
    if (IsOpen())
        return OpenStep::Opened;
    lastFailure_ = ChannelFailure::None;
    if (PortDevicesAreFiles() && !QFileInfo::exists(path_))
        return Fail(ChannelFailure::NoDevice);
    serial_.setPortName(path_);
    serial_.setReadBufferSize(settings_.inBufSize);
    if (!serial_.open(QIODevice::ReadWrite)) {
        if (serial_.error() == QSerialPort::DeviceNotFoundError)
            return Fail(ChannelFailure::NoDevice);
        // The platform reports a port held by another program as a permission error too.
        const QFileInfo device(path_);
        const bool mayUse = device.isReadable() && device.isWritable();
        return Fail(mayUse ? ChannelFailure::InUse : ChannelFailure::NoPermission);
    }
    const bool ok =
        serial_.setBaudRate(settings_.baudRate) && serial_.setDataBits(settings_.dataBits) &&
        serial_.setParity(settings_.parity) && serial_.setStopBits(settings_.stopBits) &&
        serial_.setFlowControl(settings_.flowControl);
    if (!ok) {
        serial_.close();
        return Fail(ChannelFailure::Settings);
    }
    // A pseudo-terminal or a three-wire adapter has no modem lines; that is no failure.
    serial_.setDataTerminalReady(true);
    serial_.setRequestToSend(settings_.flowControl != QSerialPort::HardwareControl);
    serial_.clearError();
    serial_.clear();
    reannounce_.start();
    return OpenStep::Opened;
}

ByteChannel::OpenStep SerialDeviceChannel::Fail(ChannelFailure why) {
    lastFailure_ = why;
    return OpenStep::Failed;
}

void SerialDeviceChannel::Close() {
    reannounce_.stop();
    if (!serial_.isOpen() || closing_)
        return;
    // Discarding what is queued can itself fail on a vanished device; that is no news.
    closing_ = true;
    serial_.clear();
    serial_.close();
    closing_ = false;
}

int SerialDeviceChannel::FreeToWrite() const {
    const qint64 free = IsOpen() ? settings_.outBufSize - serial_.bytesToWrite() : 0;
    return free < 0 ? 0 : static_cast<int>(free);
}

bool SerialDeviceChannel::Write(const uint8_t* data, int count) {
    if (!IsOpen() || count > FreeToWrite())
        return false;
    serial_.clear(QSerialPort::Input);
    serial_.write(reinterpret_cast<const char*>(data), count);
    return true;
}

int SerialDeviceChannel::BytesAvailable() const {
    return IsOpen() ? static_cast<int>(serial_.bytesAvailable()) : 0;
}

int SerialDeviceChannel::Read(uint8_t* buffer, int count) {
    const qint64 got = IsOpen() ? serial_.read(reinterpret_cast<char*>(buffer), count) : 0;
    return got < 0 ? 0 : static_cast<int>(got);
}

void SerialDeviceChannel::Announce() {
    if (OnBytesArrived && serial_.isOpen())
        OnBytesArrived();
}

void SerialDeviceChannel::OnSerialError(QSerialPort::SerialPortError error) {
    if (error != QSerialPort::ResourceError || !serial_.isOpen() || closing_)
        return;
    Close();
    lastFailure_ = ChannelFailure::DeviceLost;
    if (OnLost)
        OnLost(ChannelFailure::DeviceLost);
}
