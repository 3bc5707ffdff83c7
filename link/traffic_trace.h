#pragma once
// A line per event on the link, for service and for measuring: frames sent, chunks received,
// results, and the port's life. Appended to what the file holds, so an earlier run's trace
// survives; buffered, and written out when full, once a second and at close, so a crash loses
// at most the last second. A write that fails (a full disk) ends the trace with the platform's
// message and leaves what was written. A file that reaches its size limit is renamed FILE.1
// (replacing an older one) and a new FILE begun, so a trace never takes more than twice that.

#include "link/modbus_result.h"

#include <QElapsedTimer>
#include <QFile>
#include <array>

inline constexpr qint64 kTraceFileLimit = 64LL * 1024 * 1024;

class TrafficTrace {
public:
    TrafficTrace();
    ~TrafficTrace();
    TrafficTrace(const TrafficTrace&) = delete;
    TrafficTrace& operator=(const TrafficTrace&) = delete;

    // False when the file cannot be written or is no regular file (ErrorString() says why); the
    // trace stays off.
    bool Open(const QString& path, qint64 sizeLimit = kTraceFileLimit);
    QString ErrorString() const { return error_; }
    bool IsOpen() const { return file_.isOpen(); }
    void Close();

    void Tx(const uint8_t* data, int count);
    void Rx(const uint8_t* data, int count);
    void Result(const TModbusResult& result);
    void PortOpen(int number);
    void PortOpenFail(int number, const QString& text);
    void PortClose(int number);

private:
    void BeginLine(const char* what);
    void Append(const char* text, int length);
    void AppendBytes(const uint8_t* data, int count);
    void EndLine();
    void Flush();
    bool OpenFile();
    bool Rotate();
    void Stop(const QString& why);

    QString path_;
    QFile file_;
    QString error_;
    qint64 sizeLimit_ = kTraceFileLimit;
    qint64 size_ = 0;
    QElapsedTimer clock_;
    QElapsedTimer sinceFlush_;
    std::array<char, 65536> buffer_{};
    int used_ = 0;
};
