#pragma once
// The byte pipe a port stands for: a serial device, or a network connection to a serial
// server or a Modbus TCP gateway. Every event comes on the thread that owns the channel.

#include <cstdint>
#include <functional>

// Why a channel could not be opened, or why an open one went away.
enum class ChannelFailure {
    None,
    // Serial devices.
    NoDevice,
    NoPermission,
    InUse,
    Settings,
    DeviceLost,
    // Network connections.
    BadAddress,
    HostNotFound,
    Refused,
    Unreachable,
    TimedOut,
    ClosedByPeer,
    NetworkError
};

class ByteChannel {
public:
    enum class OpenStep { Opened, Pending, Failed };

    virtual ~ByteChannel() = default;

    // Opened and Failed are final at once; Pending ends later in OnOpened or OnLost.
    virtual OpenStep Open() = 0;
    // Discards what is queued either way; no event follows.
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    virtual bool IsOpening() const = 0;
    // Queues the bytes and returns at once; false when there is no room or the channel is
    // closed. What has come in and was not read is dropped first: a request goes out only
    // when no answer is due.
    virtual bool Write(const uint8_t* data, int count) = 0;
    virtual int BytesAvailable() const = 0;
    // Takes up to count bytes in arrival order; returns how many.
    virtual int Read(uint8_t* buffer, int count) = 0;
    // The cause of the last failure to open, or of the loss of the open channel.
    virtual ChannelFailure LastFailure() const = 0;

    // Bytes are waiting to be read.
    std::function<void()> OnBytesArrived;
    std::function<void()> OnOpened;
    // A pending open failed, or the open channel went away; it is closed already.
    std::function<void(ChannelFailure cause)> OnLost;
};
