#include "link/traffic_trace.h"

#include "core/file_write.h"
#include "core/path_calls.h"

#include <QDebug>
#include <cstdio>

namespace {
// Room one line needs at most: a 256-byte frame as hex plus the time and the tag.
constexpr int kLongestLine = 3 * 256 + 64;
constexpr qint64 kFlushMs = 1000;
} // namespace

TrafficTrace::TrafficTrace() {
    clock_.start();
    sinceFlush_.start();
}

TrafficTrace::~TrafficTrace() {
    Close();
}

bool TrafficTrace::Open(const QString& path, qint64 sizeLimit) {
    Close();
    path_ = path;
    sizeLimit_ = sizeLimit;
    return OpenFile();
}

bool TrafficTrace::OpenFile() {
    // Renamed on rotation: a link or a device must never be.
    error_ = NotRegularFileReason(path_);
    if (!error_.isEmpty())
        return false;
    // Unbuffered: the buffer here is the only one, and a failed write shows at once.
    error_ =
        OpenExact(file_, path_, QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
    if (!error_.isEmpty())
        return false;
    size_ = file_.size();
    return true;
}

bool TrafficTrace::Rotate() {
    file_.close();
    const QString older = path_ + QStringLiteral(".1");
    error_ = NotRegularFileReason(older);
    if (!error_.isEmpty())
        return false;
    if (EntryAt(older, Links::NotFollowed).kind != PathKind::Missing && !RemoveFile(older)) {
        error_ = QStringLiteral("%1 cannot be replaced").arg(older);
        return false;
    }
    if (!RenameFile(path_, older)) {
        error_ = QStringLiteral("%1 cannot be renamed").arg(path_);
        return false;
    }
    return OpenFile();
}

void TrafficTrace::Stop(const QString& why) {
    qWarning().noquote() << "The trace file" << path_ << "is no longer written:" << why;
    error_ = why;
    file_.close();
}

void TrafficTrace::Close() {
    if (!file_.isOpen())
        return;
    Flush();
    file_.close();
}

void TrafficTrace::Tx(const uint8_t* data, int count) {
    if (!IsOpen())
        return;
    BeginLine("TX");
    AppendBytes(data, count);
    EndLine();
}

void TrafficTrace::Rx(const uint8_t* data, int count) {
    if (!IsOpen())
        return;
    BeginLine("RX");
    AppendBytes(data, count);
    EndLine();
}

void TrafficTrace::Result(const TModbusResult& result) {
    if (!IsOpen())
        return;
    BeginLine("RESULT");
    char text[32];
    const char* names[] = {"NONE", "TIMEOUT", "BADFRAME", "EXCEPTION", "OK"};
    const int length =
        result.Status == mrException
            ? std::snprintf(text, sizeof text, " EXCEPTION %02X", result.ExceptionCode)
            : std::snprintf(text, sizeof text, " %s",
                            result.Status <= mrOK ? names[result.Status] : "?");
    Append(text, length);
    EndLine();
}

void TrafficTrace::PortOpen(int number) {
    if (!IsOpen())
        return;
    BeginLine("OPEN");
    char text[16];
    Append(text, std::snprintf(text, sizeof text, " %d", number));
    EndLine();
}

void TrafficTrace::PortOpenFail(int number, const QString& why) {
    if (!IsOpen())
        return;
    BeginLine("OPENFAIL");
    char text[16];
    Append(text, std::snprintf(text, sizeof text, " %d ", number));
    const QByteArray utf8 = why.left(200).toUtf8();
    Append(utf8.constData(), static_cast<int>(utf8.size()));
    EndLine();
}

void TrafficTrace::PortClose(int number) {
    if (!IsOpen())
        return;
    BeginLine("CLOSE");
    char text[16];
    Append(text, std::snprintf(text, sizeof text, " %d", number));
    EndLine();
}

void TrafficTrace::BeginLine(const char* what) {
    if (used_ + kLongestLine > static_cast<int>(buffer_.size()) || sinceFlush_.hasExpired(kFlushMs))
        Flush();
    char text[48];
    const double ms = static_cast<double>(clock_.nsecsElapsed()) / 1e6;
    Append(text, std::snprintf(text, sizeof text, "%.3f %s", ms, what));
}

void TrafficTrace::Append(const char* text, int length) {
    const int room = static_cast<int>(buffer_.size()) - used_;
    const int taken = length < room ? length : room;
    std::copy(text, text + taken, buffer_.begin() + used_);
    used_ += taken;
}

void TrafficTrace::AppendBytes(const uint8_t* data, int count) {
    static constexpr char digits[] = "0123456789ABCDEF";
    for (int i = 0; i < count && used_ + 3 < static_cast<int>(buffer_.size()); ++i) {
        buffer_[used_++] = ' ';
        buffer_[used_++] = digits[data[i] >> 4];
        buffer_[used_++] = digits[data[i] & 0x0F];
    }
}

void TrafficTrace::EndLine() {
    Append("\n", 1);
}

void TrafficTrace::Flush() {
    sinceFlush_.start();
    const int length = used_;
    used_ = 0;
    if (length == 0 || !file_.isOpen())
        return;
    if (size_ + length > sizeLimit_ && size_ > 0 && !Rotate()) {
        Stop(error_);
        return;
    }
    if (file_.write(buffer_.data(), length) != length) {
        Stop(file_.errorString());
        return;
    }
    size_ += length;
}
