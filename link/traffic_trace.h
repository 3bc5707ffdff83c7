#pragma once
// A line per event on the link, for service and for measuring: frames sent, chunks received,
// results, and the port's life. Appended to what the file holds, so an earlier run's trace
// survives; buffered, and written out when full, once a second and at close, so a crash loses
// at most the last second. A write that fails (a full disk) ends the trace with the platform's
// message and leaves what was written.

#include "link/modbus_result.h"

#include <QElapsedTimer>
#include <QFile>
#include <array>

class TrafficTrace {
public:
    TrafficTrace();
    ~TrafficTrace();
    TrafficTrace(const TrafficTrace&) = delete;
    TrafficTrace& operator=(const TrafficTrace&) = delete;

    // False when the file cannot be written (ErrorString() says why); the trace stays off.
    bool Open(const QString& path);
    QString ErrorString() const { return file_.errorString(); }
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

    QFile file_;
    QElapsedTimer clock_;
    QElapsedTimer sinceFlush_;
    std::array<char, 65536> buffer_{};
    int used_ = 0;
};
