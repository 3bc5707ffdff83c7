#pragma once
// What the link needs of a port; the real one is TAfComPort.

#include <QString>
#include <functional>

class SerialChannel {
public:
    virtual ~SerialChannel() = default;
    virtual int ComNumber() const = 0;
    virtual void SetComNumber(int number) = 0;
    // Throws ComPortError with the failure's text. A port that connects in the background is
    // neither open nor failed when this returns: Opening() is true until OnOpenCompleted or
    // OnOpenFailed.
    virtual void Open() = 0;
    virtual void Close() = 0;
    virtual bool Active() const = 0;
    virtual bool Opening() const { return false; }
    // Reached over a network, where round trips are longer than on a serial line.
    virtual bool Remote() const { return false; }
    virtual void WriteData(const void* data, int count) = 0;

    std::function<void()> OnOpenCompleted;
    std::function<void(const QString& text)> OnOpenFailed;
};
