#pragma once
// What the link needs of a serial port; the real one is TAfComPort.

class SerialChannel {
public:
    virtual ~SerialChannel() = default;
    virtual int ComNumber() const = 0;
    virtual void SetComNumber(int number) = 0;
    // Throws ComPortError with the failure's text.
    virtual void Open() = 0;
    virtual void Close() = 0;
    virtual bool Active() const = 0;
    virtual void WriteData(const void* data, int count) = 0;
};
